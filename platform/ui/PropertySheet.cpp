#include "platform/ui/PropertySheet.h"

#include <algorithm>
#include <utility>

#include "platform/ui/PropertyPage.h"

namespace ui {
namespace {

// Windows' smallest page, in dialog units.
constexpr UnitRect kSmallestPage{0, 0, 212, 114};
constexpr int32_t kMargin = 4;
constexpr int32_t kTabHeader = 16;
constexpr int32_t kButtonWidth = 50;
constexpr int32_t kButtonHeight = 14;
constexpr int32_t kButtonGap = 4;

UnitRect pageAreaFor(const std::vector<PropertyPage*>& pages) {
    UnitRect area{2 * kMargin, kMargin + kTabHeader, kSmallestPage.cx, kSmallestPage.cy};
    for (const PropertyPage* page : pages) {
        area.cx = std::max(area.cx, page->dialogTemplate().rect.cx);
        area.cy = std::max(area.cy, page->dialogTemplate().rect.cy);
    }
    return area;
}

ControlTemplate button(int32_t id, const char* text, int32_t x, int32_t y, uint32_t style) {
    ControlTemplate c;
    c.id = id;
    c.kind = ControlKind::PushButton;
    c.text = text;
    c.rect = {x, y, kButtonWidth, kButtonHeight};
    c.style = control_style::kTabStop | style;
    return c;
}

}  // namespace

PropertySheet::PropertySheet(std::string caption, WindowHandle parent, int32_t selectPage)
    : Dialog(DialogTemplate(), parent), caption_(std::move(caption)), firstPage_(selectPage) {
    mapNotify(kTabControlId, kTcnSelChange, [this](intptr_t) { onTabChanged(); });
    mapClicked(kApplyNowId, [this]() { OnApplyNow(); });
}

PropertySheet::~PropertySheet() {
    for (PropertyPage* p : pages_) p->sheet_ = nullptr;
}

void PropertySheet::addPage(PropertyPage* page) {
    if (!page || page->sheet_) return;
    page->sheet_ = this;
    pages_.push_back(page);
}

void PropertySheet::removePage(PropertyPage* page) {
    auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end()) return;
    int32_t index = static_cast<int32_t>(it - pages_.begin());
    pages_.erase(it);
    page->sheet_ = nullptr;
    if (index == active_) {
        active_ = -1;
    } else if (index < active_) {
        --active_;
    }
}

PropertyPage* PropertySheet::page(int32_t index) const {
    if (index < 0 || index >= pageCount()) return nullptr;
    return pages_[static_cast<size_t>(index)];
}

// --- The sheet's window

void PropertySheet::prepareTemplate(DialogTemplate& t) {
    pageArea_ = pageAreaFor(pages_);
    const int32_t width = pageArea_.cx + 4 * kMargin;
    const int32_t buttonsTop = pageArea_.y + pageArea_.cy + 3 * kMargin;
    t = DialogTemplate();
    t.caption = caption_;
    t.rect = {0, 0, width, buttonsTop + kButtonHeight + 2 * kMargin};
    if (!pages_.empty()) {
        t.fontName = pages_.front()->dialogTemplate().fontName;
        t.fontSize = pages_.front()->dialogTemplate().fontSize;
    }
    t.style = dialog_style::kPopup | dialog_style::kCaption | dialog_style::kSystemMenu |
              dialog_style::kVisible;

    ControlTemplate tabs;
    tabs.id = kTabControlId;
    tabs.kind = ControlKind::TabControl;
    tabs.rect = {kMargin, kMargin, pageArea_.cx + 2 * kMargin, pageArea_.cy + kTabHeader + kMargin};
    for (const PropertyPage* p : pages_) tabs.entries.push_back(p->caption());
    t.controls.push_back(tabs);

    const int32_t applyX = width - kMargin - kButtonWidth;
    const int32_t cancelX = applyX - kButtonGap - kButtonWidth;
    const int32_t okX = cancelX - kButtonGap - kButtonWidth;
    t.controls.push_back(button(kIdOk, "OK", okX, buttonsTop, control_style::kDefaultButton));
    t.controls.push_back(button(kIdCancel, "Cancel", cancelX, buttonsTop, 0));
    t.controls.push_back(
        button(kApplyNowId, "Apply", applyX, buttonsTop, control_style::kDisabled));
}

bool PropertySheet::OnInitDialog() {
    active_ = -1;
    int32_t first = (firstPage_ >= 0 && firstPage_ < pageCount()) ? firstPage_ : 0;
    if (!pages_.empty()) showPage(first);
    updateApplyButton();
    return true;
}

// --- Pages

bool PropertySheet::setActivePage(int32_t index) {
    if (index < 0 || index >= pageCount()) return false;
    if (!isWindow()) {
        firstPage_ = index;
        return true;
    }
    if (index == active_) return true;
    if (!leaveActivePage()) return false;
    return showPage(index);
}

bool PropertySheet::leaveActivePage() {
    PropertyPage* current = activePage();
    return !current || !current->isWindow() || current->OnKillActive();
}

bool PropertySheet::showPage(int32_t index) {
    PropertyPage* next = page(index);
    if (!next) return false;
    if (!next->isWindow() && !createPageWindow(*next)) return false;
    if (!next->OnSetActive()) return false;
    PropertyPage* previous = activePage();
    if (previous && previous != next) previous->show(kSwHide);
    next->show(kSwShowNa);
    active_ = index;
    backend().setTabSelection(item(kTabControlId), index);
    return true;
}

bool PropertySheet::createPageWindow(PropertyPage& p) {
    if (!p.create(handle())) return false;
    p.moveWindow(mapDialogRect(pageArea_));
    return true;
}

void PropertySheet::onTabChanged() {
    int32_t chosen = backend().getTabSelection(item(kTabControlId));
    if (!setActivePage(chosen)) backend().setTabSelection(item(kTabControlId), active_);
}

void PropertySheet::updateApplyButton() {
    bool anyModified = std::any_of(pages_.begin(), pages_.end(),
                                   [](const PropertyPage* p) { return p->isModified(); });
    enableItem(kApplyNowId, anyModified);
}

// --- The buttons

void PropertySheet::OnOK() {
    if (!leaveActivePage()) return;
    // A page's apply may change the list (a tool deleting its page): walk a copy.
    std::vector<PropertyPage*> pages = pages_;
    for (PropertyPage* p : pages) {
        if (std::find(pages_.begin(), pages_.end(), p) == pages_.end()) continue;
        if (p->OnApply()) p->modified_ = false;
    }
    closeSheet(kIdOk);
}

void PropertySheet::OnCancel() {
    closeSheet(kIdCancel);
}

void PropertySheet::OnApplyNow() {
    if (!leaveActivePage()) return;
    std::vector<PropertyPage*> pages = pages_;
    for (PropertyPage* p : pages) {
        if (std::find(pages_.begin(), pages_.end(), p) == pages_.end()) continue;
        if (p->isWindow() && p->OnApply()) p->modified_ = false;
    }
    updateApplyButton();
}

void PropertySheet::closeSheet(intptr_t result) {
    if (!isWindow()) return;
    if (isModal()) {
        endDialog(result);
    } else {
        destroyWindow();
    }
}

}  // namespace ui
