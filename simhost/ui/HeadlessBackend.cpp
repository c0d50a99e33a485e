#include "simhost/ui/HeadlessBackend.h"

#include <algorithm>
#include <memory>

#include "simhost/ui/ControlContents.h"
#include "simhost/ui/HeadlessMessageBox.h"
#include "simhost/ui/TextMetrics.h"

namespace simhost::headless {
namespace {

using ui::ControlKind;

bool isToggleButton(const HeadlessWindow& w) {
    return w.isKind(ControlKind::CheckBox) || w.isKind(ControlKind::RadioButton);
}

bool reportsClicks(const HeadlessWindow& w) {
    if (!w.kind) return false;
    switch (*w.kind) {
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
        case ControlKind::PushButton:
        case ControlKind::OwnerDrawButton:
            return true;
        case ControlKind::StaticText:
        case ControlKind::IconPicture:
        case ControlKind::BitmapPicture:
            return w.hasStyle(ui::control_style::kNotify);
        default:
            return false;
    }
}

// Message boxes the backend shows are standard buttons without a kind; they click too.
bool isPlainButton(const HeadlessWindow& w) {
    return !w.kind && w.className == "Button";
}

// The controls that take the mouse as buttons do.
bool isButton(const HeadlessWindow& w) {
    return isToggleButton(w) || w.isKind(ControlKind::PushButton) ||
           w.isKind(ControlKind::OwnerDrawButton) || isPlainButton(w);
}

bool isMouseButtonMessage(uint32_t message) {
    return message == ui::kWmLButtonDown || message == ui::kWmLButtonUp;
}

}  // namespace

HeadlessBackend::HeadlessBackend() = default;

HeadlessBackend::~HeadlessBackend() {
    while (!tree_.topLevel().empty()) {
        ui::WindowHandle h = tree_.topLevel().front();
        if (!destroyWindow(h)) tree_.remove(h);
    }
    if (ui::Backend::isInstalled() && &ui::Backend::current() == this) {
        ui::Backend::install(nullptr);
    }
}

// --- Dialogs

ui::WindowHandle HeadlessBackend::createDialog(const ui::DialogTemplate& dialog,
                                               ui::WindowHandle parent, ui::WindowEvents& events) {
    HeadlessWindow* built = builder_.build(dialog, parent, &events);
    if (!built) return {};
    const ui::WindowHandle h = built->handle;
    if (!built->isChild()) hooks_.call(ui::kHcbtCreateWnd, h.value(), 0);
    events.wmCreate(h);
    events.wmInitDialog();
    if (!tree_.contains(h)) return {};
    messenger_.paintOwnerDrawn(h);
    if (dialog.hasStyle(ui::dialog_style::kVisible)) showWindow(h, ui::kSwShow);
    return tree_.contains(h) ? h : ui::WindowHandle();
}

intptr_t HeadlessBackend::runModalLoop(ui::WindowHandle dialog) {
    HeadlessWindow* w = tree_.find(dialog);
    if (!w) return -1;
    const ui::WindowHandle owner = w->owner;
    const bool ownerWasEnabled = isWindowEnabled(owner);
    enableWindow(owner, false);
    modalResults_.erase(dialog.value());
    showWindow(dialog, ui::kSwShow);

    auto ended = [&]() { return modalResults_.count(dialog.value()) != 0; };
    if (std::optional<AnswerQueue::ModalAction> action = answers_.popModalAction()) {
        if (*action) (*action)(dialog);
    }
    if (!ended() && tree_.contains(dialog)) sendCommand(dialog, ui::kIdCancel, ui::kBnClicked);
    if (!ended()) modalResults_[dialog.value()] = ui::kIdCancel;

    intptr_t result = modalResults_[dialog.value()];
    modalResults_.erase(dialog.value());
    if (ownerWasEnabled) enableWindow(owner, true);
    return result;
}

void HeadlessBackend::endModalLoop(ui::WindowHandle dialog, intptr_t result) {
    if (tree_.contains(dialog)) modalResults_[dialog.value()] = result;
}

bool HeadlessBackend::destroyWindow(ui::WindowHandle window) {
    HeadlessWindow* w = tree_.find(window);
    if (!w || w->destroying) return false;
    for (ui::WindowHandle owned : tree_.ownedBy(window)) destroyWindow(owned);
    if (tree_.find(window) && !tree_.find(window)->isChild()) {
        hooks_.call(ui::kHcbtDestroyWnd, window.value(), 0);
    }
    destroyTree(window);
    return true;
}

void HeadlessBackend::destroyTree(ui::WindowHandle window) {
    HeadlessWindow* w = tree_.find(window);
    if (!w || w->destroying) return;
    w->destroying = true;
    ui::WindowEvents* events = w->events;
    if (events) events->wmDestroy();
    if (HeadlessWindow* still = tree_.find(window)) {
        std::vector<ui::WindowHandle> children = still->children;
        for (ui::WindowHandle child : children) destroyTree(child);
    }
    if (capture_ == window) capture_ = ui::WindowHandle();
    if (active_ == window) active_ = ui::WindowHandle();
    tree_.remove(window);
    if (events) events->wmNcDestroy();
}

bool HeadlessBackend::isWindow(ui::WindowHandle window) {
    return tree_.contains(window);
}

ui::WindowHandle HeadlessBackend::createControl(ui::WindowHandle dialog,
                                                const ui::ControlTemplate& control) {
    HeadlessWindow* parent = tree_.find(dialog);
    if (!parent || parent->destroying) return {};
    return builder_.addControl(*parent, control).handle;
}

// --- Relations

ui::WindowHandle HeadlessBackend::getDlgItem(ui::WindowHandle dialog, int32_t id) {
    return tree_.findItem(dialog, id);
}

int32_t HeadlessBackend::getDlgCtrlId(ui::WindowHandle window) {
    const HeadlessWindow* w = tree_.find(window);
    return w ? w->id : 0;
}

ui::WindowHandle HeadlessBackend::getParent(ui::WindowHandle window) {
    const HeadlessWindow* w = tree_.find(window);
    if (!w) return {};
    return w->isChild() ? w->parent : w->owner;
}

std::vector<ui::WindowHandle> HeadlessBackend::getChildWindows(ui::WindowHandle window) {
    const HeadlessWindow* w = tree_.find(window);
    return w ? w->children : std::vector<ui::WindowHandle>();
}

std::string HeadlessBackend::getClassName(ui::WindowHandle window) {
    const HeadlessWindow* w = tree_.find(window);
    return w ? w->className : std::string();
}

ui::WindowHandle HeadlessBackend::findWindow(const std::string& className,
                                             const std::string& title) {
    return tree_.findTopLevel(className, title);
}

ui::WindowHandle HeadlessBackend::findChildWindow(ui::WindowHandle parent,
                                                  const std::string& className,
                                                  const std::string& title) {
    if (parent && !tree_.contains(parent)) return {};
    return tree_.findChild(parent, className, title);
}

ui::WindowHandle HeadlessBackend::findDialog(const std::string& caption) const {
    std::vector<ui::WindowHandle> pending = tree_.topLevel();
    for (size_t i = 0; i < pending.size(); ++i) {
        const HeadlessWindow* w = tree_.find(pending[i]);
        if (!w) continue;
        if (w->className == "#32770" && w->text == caption) return w->handle;
        pending.insert(pending.end(), w->children.begin(), w->children.end());
    }
    return {};
}

// --- State

void HeadlessBackend::enableWindow(ui::WindowHandle window, bool enable) {
    HeadlessWindow* w = tree_.find(window);
    if (!w || w->enabled == enable) return;
    w->enabled = enable;
    messenger_.paint(window);
}

bool HeadlessBackend::isWindowEnabled(ui::WindowHandle window) {
    const HeadlessWindow* w = tree_.find(window);
    return w && w->enabled;
}

void HeadlessBackend::showWindow(ui::WindowHandle window, int32_t command) {
    HeadlessWindow* w = tree_.find(window);
    if (!w) return;
    if (command == ui::kSwHide) {
        w->visible = false;
        return;
    }
    w->visible = true;
    const bool activates = command == ui::kSwShow || command == ui::kSwShowNormal;
    if (activates && !w->isChild()) activate(window);
}

bool HeadlessBackend::isWindowVisible(ui::WindowHandle window) {
    const HeadlessWindow* w = tree_.find(window);
    while (w && w->visible && w->isChild()) w = tree_.find(w->parent);
    return w && w->visible;
}

void HeadlessBackend::setWindowText(ui::WindowHandle window, const std::string& text) {
    HeadlessWindow* w = tree_.find(window);
    if (!w) return;
    w->text = text;
    // An edit reports every change of its text, also one made by its program.
    if (w->isKind(ControlKind::Edit)) sendCommand(w->parent, w->id, ui::kEnChange);
}

std::string HeadlessBackend::getWindowText(ui::WindowHandle window) {
    const HeadlessWindow* w = tree_.find(window);
    return w ? w->text : std::string();
}

// --- Geometry

ui::Rect HeadlessBackend::getWindowRect(ui::WindowHandle window) {
    const HeadlessWindow* w = tree_.find(window);
    return w ? tree_.screenRect(*w) : ui::Rect();
}

ui::Rect HeadlessBackend::getClientRect(ui::WindowHandle window) {
    const HeadlessWindow* w = tree_.find(window);
    return w ? tree_.clientRect(*w) : ui::Rect();
}

ui::Point HeadlessBackend::clientToScreen(ui::WindowHandle window, ui::Point point) {
    const HeadlessWindow* w = tree_.find(window);
    if (!w) return point;
    ui::Point origin = tree_.clientOrigin(*w);
    return {point.x + origin.x, point.y + origin.y};
}

ui::Point HeadlessBackend::screenToClient(ui::WindowHandle window, ui::Point point) {
    const HeadlessWindow* w = tree_.find(window);
    if (!w) return point;
    ui::Point origin = tree_.clientOrigin(*w);
    return {point.x - origin.x, point.y - origin.y};
}

void HeadlessBackend::setWindowPos(ui::WindowHandle window, ui::WindowHandle insertAfter,
                                   ui::Point position, ui::Size size, uint32_t flags) {
    HeadlessWindow* w = tree_.find(window);
    if (!w) return;
    const ui::Size oldSize = w->rect.size();
    ui::Point topLeft = (flags & ui::kSwpNoMove) ? w->rect.topLeft() : position;
    ui::Size newSize = (flags & ui::kSwpNoSize) ? oldSize : size;
    w->rect = ui::Rect::fromPointSize(topLeft, {std::max(0, newSize.cx), std::max(0, newSize.cy)});
    if (flags & ui::kSwpShowWindow) w->visible = true;
    if (flags & ui::kSwpHideWindow) w->visible = false;
    if (!(flags & ui::kSwpNoZOrder)) {
        if (insertAfter == ui::kInsertTopmost || insertAfter == ui::kInsertNoTopmost) {
            if (!w->isChild()) w->topmost = insertAfter == ui::kInsertTopmost;
            tree_.raise(window);
        } else if (insertAfter == ui::kInsertAtTop) {
            tree_.raise(window);
        } else if (insertAfter == ui::kInsertAtBottom) {
            tree_.lower(window);
        } else {
            tree_.placeAfter(window, insertAfter);
        }
    }
    const bool child = w->isChild();
    if (w->rect.size() != oldSize) messenger_.paint(window);
    if (!child && !(flags & ui::kSwpNoActivate) && tree_.contains(window)) activate(window);
}

ui::Rect HeadlessBackend::mapDialogRect(ui::WindowHandle dialog, const ui::UnitRect& units) {
    const HeadlessWindow* w = tree_.find(dialog);
    return DialogBuilder::map(units, w ? w->baseUnits : ui::Size{6, 13});
}

// --- Activation, painting, capture

bool HeadlessBackend::activate(ui::WindowHandle window) {
    ui::WindowHandle top = tree_.topLevelOf(window);
    if (!top) return false;
    // A hook that answers non-zero refuses the activation.
    if (hooks_.call(ui::kHcbtActivate, top.value(), 0) != 0) return false;
    if (!tree_.contains(top)) return false;
    active_ = top;
    tree_.raise(top);
    return true;
}

void HeadlessBackend::bringWindowToTop(ui::WindowHandle window) {
    HeadlessWindow* w = tree_.find(window);
    if (!w) return;
    tree_.raise(window);
    if (!w->isChild()) activate(window);
}

void HeadlessBackend::setActiveWindow(ui::WindowHandle window) {
    if (tree_.contains(window)) activate(window);
}

void HeadlessBackend::invalidate(ui::WindowHandle window) {
    const HeadlessWindow* w = tree_.find(window);
    if (!w) return;
    if (w->isKind(ControlKind::OwnerDrawButton)) {
        messenger_.paint(window);
    } else {
        messenger_.paintOwnerDrawn(window);
    }
}

void HeadlessBackend::setCapture(ui::WindowHandle window) {
    if (tree_.contains(window)) capture_ = window;
}

ui::WindowHandle HeadlessBackend::childWindowFromPoint(ui::WindowHandle parent, ui::Point point) {
    const HeadlessWindow* w = tree_.find(parent);
    return w ? tree_.childAt(*w, point) : ui::WindowHandle();
}

// --- Messages

intptr_t HeadlessBackend::sendMessage(ui::WindowHandle window, uint32_t message, uintptr_t,
                                      intptr_t lParam) {
    HeadlessWindow* w = tree_.find(window);
    if (!w) return 0;
    if (message == ui::kWmClose) {
        close(window);
    } else if (message == ui::kBmClick) {
        clickControl(window);
    } else if (isMouseButtonMessage(message) && isButton(*w)) {
        buttonMouse(window, message, ui::pointFromParam(lParam));
    } else if (isMouseButtonMessage(message) && w->events) {
        w->events->wmMouseButton(message, ui::pointFromParam(lParam));
    }
    return 0;
}

void HeadlessBackend::close(ui::WindowHandle window) {
    HeadlessWindow* w = tree_.find(window);
    closeMessages_.push_back({window, w->className, w->text});
    if (w->events) {
        w->events->wmClose();
    } else {
        w->visible = false;
    }
}

bool HeadlessBackend::clickControl(ui::WindowHandle control) {
    HeadlessWindow* w = tree_.find(control);
    if (!w || !w->isChild() || !w->enabled || !isWindowVisible(control)) return false;
    if (!reportsClicks(*w) && !isPlainButton(*w)) return false;
    if (w->isKind(ControlKind::CheckBox)) w->check = w->check == ui::kBstChecked ? 0 : 1;
    if (w->isKind(ControlKind::RadioButton)) messenger_.checkRadioGroup(*w);
    sendCommand(w->parent, w->id, ui::kBnClicked);
    return true;
}

void HeadlessBackend::sendCommand(ui::WindowHandle dialog, int32_t id, int32_t notification) {
    messenger_.command(dialog, id, notification);
}

void HeadlessBackend::sendNotify(ui::WindowHandle dialog, int32_t id, int32_t code,
                                 intptr_t parameter) {
    messenger_.notify(dialog, id, code, parameter);
}

void HeadlessBackend::sendScroll(ui::WindowHandle control, int32_t code) {
    messenger_.scroll(control, code);
}

void HeadlessBackend::sendMouseButton(uint32_t message, ui::Point screenPoint) {
    const ui::WindowHandle target = capture_ ? capture_ : tree_.windowAt(screenPoint);
    const HeadlessWindow* w = tree_.find(target);
    if (!w) return;
    if (isButton(*w)) {
        buttonMouse(target, message, screenToClient(target, screenPoint));
    } else {
        messenger_.mouseButton(target, message, screenPoint);
    }
}

void HeadlessBackend::sendMouseMove(ui::Point screenPoint) {
    const ui::WindowHandle target = capture_ ? capture_ : tree_.windowAt(screenPoint);
    const HeadlessWindow* w = tree_.find(target);
    if (w && w->kind) messenger_.controlMouseMove(target, screenToClient(target, screenPoint));
}

void HeadlessBackend::buttonMouse(ui::WindowHandle button, uint32_t message, ui::Point point) {
    HeadlessWindow* w = tree_.find(button);
    if (!w || !w->enabled) return;
    if (message == ui::kWmLButtonDown) {
        capture_ = button;
        setPushed(*w, true);
        return;
    }
    if (!w->pushed) return;
    if (capture_ == button) capture_ = ui::WindowHandle();
    const bool over = tree_.clientRect(*w).contains(point);
    setPushed(*w, false);
    // The click may destroy the button with its dialog: nothing of it is used after.
    if (over && tree_.contains(button)) clickControl(button);
}

void HeadlessBackend::setPushed(HeadlessWindow& button, bool pushed) {
    button.pushed = pushed;
    messenger_.paint(button.handle);
}

// --- Buttons, lists, tabs, trackbars

HeadlessWindow* HeadlessBackend::control(ui::WindowHandle handle, ControlKind kind) {
    HeadlessWindow* w = tree_.find(handle);
    return w && w->isKind(kind) ? w : nullptr;
}

void HeadlessBackend::setCheck(ui::WindowHandle button, int32_t state) {
    HeadlessWindow* w = tree_.find(button);
    if (!w || !w->kind) return;
    w->check = state;
    messenger_.paint(button);
}

int32_t HeadlessBackend::getCheck(ui::WindowHandle button) {
    const HeadlessWindow* w = tree_.find(button);
    return w && isToggleButton(*w) ? w->check : 0;
}

int32_t HeadlessBackend::addListEntry(ui::WindowHandle list, const std::string& text) {
    HeadlessWindow* w = control(list, ControlKind::DropDownList);
    if (!w) return -1;
    w->entries.push_back(text);
    return static_cast<int32_t>(w->entries.size()) - 1;
}

void HeadlessBackend::setListSelection(ui::WindowHandle list, int32_t index) {
    if (HeadlessWindow* w = control(list, ControlKind::DropDownList)) {
        ControlContents::selectEntry(*w, index);
    }
}

int32_t HeadlessBackend::getListSelection(ui::WindowHandle list) {
    HeadlessWindow* w = control(list, ControlKind::DropDownList);
    return w ? w->selection : -1;
}

void HeadlessBackend::setTabSelection(ui::WindowHandle tabs, int32_t index) {
    if (HeadlessWindow* w = control(tabs, ControlKind::TabControl)) {
        ControlContents::selectTab(*w, index);
    }
}

int32_t HeadlessBackend::getTabSelection(ui::WindowHandle tabs) {
    HeadlessWindow* w = control(tabs, ControlKind::TabControl);
    return w ? w->selection : -1;
}

void HeadlessBackend::setTrackbarRange(ui::WindowHandle trackbar, int32_t minimum,
                                       int32_t maximum) {
    if (HeadlessWindow* w = control(trackbar, ControlKind::Trackbar)) {
        ControlContents::setTrackbarRange(*w, minimum, maximum);
    }
}

void HeadlessBackend::setTrackbarPosition(ui::WindowHandle trackbar, int32_t position, bool) {
    if (HeadlessWindow* w = control(trackbar, ControlKind::Trackbar)) {
        ControlContents::setTrackbarPosition(*w, position);
    }
}

int32_t HeadlessBackend::getTrackbarPosition(ui::WindowHandle trackbar) {
    HeadlessWindow* w = control(trackbar, ControlKind::Trackbar);
    return w ? w->trackbarPosition : 0;
}

void HeadlessBackend::setTrackbarTicFrequency(ui::WindowHandle trackbar, int32_t frequency) {
    if (HeadlessWindow* w = control(trackbar, ControlKind::Trackbar)) w->ticFrequency = frequency;
}

void HeadlessBackend::clearTrackbarTics(ui::WindowHandle trackbar, bool) {
    if (HeadlessWindow* w = control(trackbar, ControlKind::Trackbar)) w->ticsCleared = true;
}

void HeadlessBackend::setTrackbarTipSide(ui::WindowHandle trackbar, int32_t side) {
    if (HeadlessWindow* w = control(trackbar, ControlKind::Trackbar)) w->tipSide = side;
}

// --- List views

void HeadlessBackend::setListViewExtendedStyle(ui::WindowHandle list, uint32_t style) {
    if (HeadlessWindow* w = control(list, ControlKind::ListView)) w->listViewStyle = style;
}

void HeadlessBackend::insertListViewColumn(ui::WindowHandle list, int32_t column,
                                           const std::string& text, int32_t width) {
    if (HeadlessWindow* w = control(list, ControlKind::ListView)) {
        ControlContents::insertColumn(*w, column, text, width);
    }
}

int32_t HeadlessBackend::insertListViewItem(ui::WindowHandle list, int32_t row,
                                            const std::string& text) {
    HeadlessWindow* w = control(list, ControlKind::ListView);
    return w ? ControlContents::insertRow(*w, row, text) : -1;
}

void HeadlessBackend::setListViewItemText(ui::WindowHandle list, int32_t row, int32_t column,
                                          const std::string& text) {
    if (HeadlessWindow* w = control(list, ControlKind::ListView)) {
        ControlContents::setCell(*w, row, column, text);
    }
}

std::string HeadlessBackend::getListViewItemText(ui::WindowHandle list, int32_t row,
                                                 int32_t column) {
    HeadlessWindow* w = control(list, ControlKind::ListView);
    return w ? ControlContents::cell(*w, row, column) : std::string();
}

void HeadlessBackend::deleteAllListViewItems(ui::WindowHandle list) {
    if (HeadlessWindow* w = control(list, ControlKind::ListView)) w->rows.clear();
}

int32_t HeadlessBackend::getListViewItemCount(ui::WindowHandle list) {
    HeadlessWindow* w = control(list, ControlKind::ListView);
    return w ? static_cast<int32_t>(w->rows.size()) : 0;
}

// --- Toolbars and status bars

void HeadlessBackend::addToolbarButtons(ui::WindowHandle toolbar, int32_t bitmapId,
                                        ui::Size imageSize,
                                        const std::vector<ui::ToolbarButton>& buttons) {
    if (HeadlessWindow* w = control(toolbar, ControlKind::Toolbar)) {
        ControlContents::addToolbarButtons(*w, bitmapId, imageSize, buttons);
    }
}

void HeadlessBackend::setToolbarButtonState(ui::WindowHandle toolbar, int32_t command,
                                            uint8_t state) {
    if (HeadlessWindow* w = control(toolbar, ControlKind::Toolbar)) {
        ControlContents::setToolbarButtonState(*w, command, state);
    }
}

uint8_t HeadlessBackend::getToolbarButtonState(ui::WindowHandle toolbar, int32_t command) {
    HeadlessWindow* w = control(toolbar, ControlKind::Toolbar);
    return w ? ControlContents::toolbarButtonState(*w, command) : 0;
}

int32_t HeadlessBackend::getToolbarButtonCount(ui::WindowHandle toolbar) {
    HeadlessWindow* w = control(toolbar, ControlKind::Toolbar);
    return w ? static_cast<int32_t>(w->toolbarButtons.size()) : 0;
}

ui::ToolbarButton HeadlessBackend::getToolbarButton(ui::WindowHandle toolbar, int32_t index) {
    HeadlessWindow* w = control(toolbar, ControlKind::Toolbar);
    return w ? ControlContents::toolbarButton(*w, index) : ui::ToolbarButton{0, 0, 0};
}

ui::Rect HeadlessBackend::getToolbarItemRect(ui::WindowHandle toolbar, int32_t index) {
    HeadlessWindow* w = control(toolbar, ControlKind::Toolbar);
    return w ? ControlContents::toolbarItemRect(*w, index) : ui::Rect();
}

void HeadlessBackend::setStatusBarParts(ui::WindowHandle statusBar,
                                        const std::vector<int32_t>& edges) {
    if (HeadlessWindow* w = control(statusBar, ControlKind::StatusBar)) {
        ControlContents::setStatusParts(*w, edges);
    }
}

void HeadlessBackend::setStatusBarText(ui::WindowHandle statusBar, int32_t part,
                                       const std::string& text, uint32_t style) {
    if (HeadlessWindow* w = control(statusBar, ControlKind::StatusBar)) {
        ControlContents::setStatusText(*w, part, text, style);
    }
}

std::string HeadlessBackend::getStatusBarText(ui::WindowHandle statusBar, int32_t part) {
    HeadlessWindow* w = control(statusBar, ControlKind::StatusBar);
    return w ? ControlContents::statusText(*w, part) : std::string();
}

void HeadlessBackend::setStatusBarMinHeight(ui::WindowHandle statusBar, int32_t height) {
    HeadlessWindow* w = control(statusBar, ControlKind::StatusBar);
    if (!w) return;
    w->statusMinHeight = height;
    if (const HeadlessWindow* parent = tree_.find(w->parent)) {
        DialogBuilder::dockStatusBar(*w, tree_.clientRect(*parent));
    }
}

// --- Services

int32_t HeadlessBackend::messageBox(ui::WindowHandle owner, const std::string& text,
                                    const std::string& caption, uint32_t type) {
    return HeadlessMessageBox(*this).run(owner, text, caption, type);
}

std::optional<ui::ColorRef> HeadlessBackend::chooseColor(ui::WindowHandle owner,
                                                         ui::ColorRef initial, uint32_t flags) {
    std::optional<ui::ColorRef> answer = answers_.popColor();
    colorRequests_.push_back({owner, initial, flags, answer});
    return answer;
}

std::optional<std::string> HeadlessBackend::browseForFolder(ui::WindowHandle owner,
                                                            const std::string& title,
                                                            uint32_t flags) {
    std::optional<std::string> answer = answers_.popFolder();
    folderRequests_.push_back({owner, title, flags, answer});
    return answer;
}

ui::WindowHandle HeadlessBackend::htmlHelp(ui::WindowHandle caller, const std::string& path,
                                           uint32_t command, uintptr_t data) {
    helpCalls_.push_back({caller, path, command, data});
    return {};
}

ui::ColorRef HeadlessBackend::getSysColor(int32_t index) {
    switch (index) {
        case ui::kColor3DFace:
            return 0xF0F0F0;
        case ui::kColor3DShadow:
            return 0xA0A0A0;
        case ui::kColorGrayText:
            return 0x6D6D6D;
        case ui::kColor3DHighlight:
            return 0xFFFFFF;
        default:
            return 0x000000;
    }
}

int32_t HeadlessBackend::textWidth(ui::WindowHandle window, const std::string& text) {
    return tree_.contains(window) ? TextMetrics::width(text) : 0;
}

ui::HookHandle HeadlessBackend::installCbtHook(ui::HookProcedure procedure) {
    return hooks_.install(procedure);
}

bool HeadlessBackend::removeHook(ui::HookHandle hook) {
    return hooks_.remove(hook);
}

intptr_t HeadlessBackend::callNextHook(ui::HookHandle, int32_t code, uintptr_t wParam,
                                       intptr_t lParam) {
    return hooks_.callNext(code, wParam, lParam);
}

// --- Setting the scene, answers, records

ui::WindowHandle HeadlessBackend::createWindow(ui::WindowHandle parent,
                                               const std::string& className,
                                               const std::string& title, const ui::Rect& rect) {
    if (parent && !tree_.contains(parent)) return {};
    auto w = std::make_unique<HeadlessWindow>();
    w->parent = parent;
    w->className = className;
    w->text = title;
    w->rect = rect;
    w->visible = true;
    return tree_.add(std::move(w)).handle;
}

void HeadlessBackend::answerFolder(std::optional<std::string> folder) {
    answers_.pushFolder(std::move(folder));
}

void HeadlessBackend::answerMessageBox(int32_t buttonId) {
    answers_.pushMessageBoxAnswer({MessageBoxAnswer::Kind::ButtonId, buttonId, nullptr});
}

void HeadlessBackend::answerMessageBoxByNumber(int32_t number) {
    answers_.pushMessageBoxAnswer({MessageBoxAnswer::Kind::ButtonNumber, number, nullptr});
}

void HeadlessBackend::answerMessageBoxByEscape() {
    answers_.pushMessageBoxAnswer({MessageBoxAnswer::Kind::Escape, 0, nullptr});
}

void HeadlessBackend::answerMessageBoxWith(std::function<int32_t(ui::WindowHandle)> action) {
    answers_.pushMessageBoxAnswer({MessageBoxAnswer::Kind::Action, 0, std::move(action)});
}

void HeadlessBackend::answerModalDialog(AnswerQueue::ModalAction action) {
    answers_.pushModalAction(std::move(action));
}

void HeadlessBackend::clearRecords() {
    messageBoxes_.clear();
    helpCalls_.clear();
    closeMessages_.clear();
    colorRequests_.clear();
    folderRequests_.clear();
}

}  // namespace simhost::headless
