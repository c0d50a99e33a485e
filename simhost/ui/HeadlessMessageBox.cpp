#include "simhost/ui/HeadlessMessageBox.h"

#include <algorithm>
#include <memory>

#include "simhost/ui/HeadlessBackend.h"
#include "simhost/ui/MessageBoxLayout.h"

namespace simhost::headless {
namespace {

const ui::Rect kMessageBoxFrame{3, 26, 3, 3};

}  // namespace

int32_t HeadlessMessageBox::run(ui::WindowHandle owner, const std::string& text,
                                const std::string& caption, uint32_t type) {
    const ui::WindowHandle previouslyActive = backend_.active_;
    const bool ownerWasEnabled = backend_.isWindowEnabled(owner);
    const ui::WindowHandle box = open(owner, text, caption, type);
    backend_.enableWindow(owner, false);
    backend_.hooks_.call(ui::kHcbtCreateWnd, box.value(), 0);
    backend_.activate(box);

    MessageBoxRecord record;
    record.owner = owner;
    record.text = text;
    record.caption = caption;
    record.type = type;
    record.answer = answerFor(box, type, record.answeredByDefault);
    record.buttons = buttonsOf(box);
    record.clientRect = backend_.getClientRect(box);
    backend_.messageBoxes_.push_back(record);

    backend_.destroyWindow(box);
    if (ownerWasEnabled) backend_.enableWindow(owner, true);
    if (previouslyActive && backend_.isWindow(previouslyActive)) {
        backend_.activate(previouslyActive);
    }
    return record.answer;
}

ui::WindowHandle HeadlessMessageBox::open(ui::WindowHandle owner, const std::string& text,
                                          const std::string& caption, uint32_t type) {
    const MessageBoxLayout layout = MessageBoxLayout::compute(text, type);
    const ui::Size outer{layout.clientSize.cx + kMessageBoxFrame.left + kMessageBoxFrame.right,
                         layout.clientSize.cy + kMessageBoxFrame.top + kMessageBoxFrame.bottom};
    const ui::Size screen = backend_.screenSize();

    auto window = std::make_unique<HeadlessWindow>();
    window->className = "#32770";
    window->text = caption;
    window->owner = backend_.isWindow(owner) ? owner : ui::WindowHandle();
    window->frame = kMessageBoxFrame;
    window->rect =
        ui::Rect::fromPointSize({(screen.cx - outer.cx) / 2, (screen.cy - outer.cy) / 2}, outer);
    window->visible = true;
    window->topmost = false;
    const ui::WindowHandle box = backend_.tree_.add(std::move(window)).handle;

    if (layout.hasIcon) addChild(box, "Static", MessageBoxLayout::kIconId, "", layout.iconRect);
    addChild(box, "Static", MessageBoxLayout::kTextId, text, layout.textRect);
    for (const MessageBoxLayout::Button& b : layout.buttons) {
        addChild(box, "Button", b.id, b.text, b.rect);
    }
    return box;
}

void HeadlessMessageBox::addChild(ui::WindowHandle box, const char* className, int32_t id,
                                  const std::string& text, const ui::Rect& rect) {
    auto child = std::make_unique<HeadlessWindow>();
    child->parent = box;
    child->className = className;
    child->id = id;
    child->text = text;
    child->rect = rect;
    child->visible = true;
    backend_.tree_.add(std::move(child));
}

int32_t HeadlessMessageBox::answerFor(ui::WindowHandle box, uint32_t type, bool& byDefault) {
    byDefault = false;
    while (std::optional<MessageBoxAnswer> next = backend_.answers_.popMessageBoxAnswer()) {
        int32_t id = 0;
        switch (next->kind) {
            case MessageBoxAnswer::Kind::ButtonId:
                id = next->value;
                break;
            case MessageBoxAnswer::Kind::ButtonNumber: {
                std::vector<MessageBoxButton> buttons = buttonsOf(box);
                if (next->value >= 1 && next->value <= static_cast<int32_t>(buttons.size())) {
                    id = buttons[static_cast<size_t>(next->value - 1)].id;
                }
                break;
            }
            case MessageBoxAnswer::Kind::Escape:
                id = MessageBoxLayout::escapeAnswer(type);
                break;
            case MessageBoxAnswer::Kind::Action:
                id = next->action ? next->action(box) : 0;
                break;
        }
        if (offers(box, id)) return id;
    }
    byDefault = true;
    return MessageBoxLayout::defaultButton(type);
}

bool HeadlessMessageBox::offers(ui::WindowHandle box, int32_t id) const {
    if (id == 0) return false;
    const HeadlessWindow* button = backend_.tree_.find(backend_.tree_.findItem(box, id));
    return button && button->className == "Button" && button->enabled;
}

std::vector<MessageBoxButton> HeadlessMessageBox::buttonsOf(ui::WindowHandle box) const {
    std::vector<MessageBoxButton> buttons;
    const HeadlessWindow* w = backend_.tree_.find(box);
    if (!w) return buttons;
    for (ui::WindowHandle h : w->children) {
        const HeadlessWindow* child = backend_.tree_.find(h);
        if (child && child->className == "Button") {
            buttons.push_back({child->id, child->text, child->rect, child->visible});
        }
    }
    std::stable_sort(buttons.begin(), buttons.end(),
                     [](const MessageBoxButton& a, const MessageBoxButton& b) {
                         return a.rect.left < b.rect.left;
                     });
    return buttons;
}

}  // namespace simhost::headless
