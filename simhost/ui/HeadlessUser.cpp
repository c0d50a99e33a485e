#include "simhost/ui/HeadlessUser.h"

#include <vector>

#include "platform/ui/PropertySheet.h"

namespace simhost::headless {

using ui::ControlKind;

ui::WindowHandle HeadlessUser::control(ui::WindowHandle window, int32_t id) const {
    if (ui::WindowHandle direct = backend_.getDlgItem(window, id)) return direct;
    const HeadlessWindow* w = backend_.window(window);
    if (!w) return {};
    std::vector<ui::WindowHandle> pending = w->children;
    for (size_t i = 0; i < pending.size(); ++i) {
        const HeadlessWindow* child = backend_.window(pending[i]);
        if (!child || !child->visible) continue;
        if (child->id == id && child->kind) return child->handle;
        pending.insert(pending.end(), child->children.begin(), child->children.end());
    }
    return {};
}

bool HeadlessUser::takesInput(ui::WindowHandle window) const {
    const HeadlessWindow* top = backend_.window(backend_.topLevelOf(window));
    return top && top->enabled && top->visible;
}

const HeadlessWindow* HeadlessUser::usable(ui::WindowHandle window, int32_t id) const {
    ui::WindowHandle h = control(window, id);
    const HeadlessWindow* c = backend_.window(h);
    if (!c || !c->enabled || !backend_.isWindowVisible(h) || !takesInput(h)) return nullptr;
    return c;
}

bool HeadlessUser::press(const HeadlessWindow& control) {
    const ui::WindowHandle capture = backend_.getCapture();
    if (!capture || capture == control.handle) return backend_.clickControl(control.handle);
    const ui::Rect rect = backend_.getWindowRect(control.handle);
    clickAt({rect.left + rect.width() / 2, rect.top + rect.height() / 2});
    return true;
}

bool HeadlessUser::click(ui::WindowHandle window, int32_t id) {
    const HeadlessWindow* c = usable(window, id);
    return c && press(*c);
}

bool HeadlessUser::tick(ui::WindowHandle window, int32_t id, bool checked) {
    const HeadlessWindow* c = usable(window, id);
    if (!c || !c->isKind(ControlKind::CheckBox)) return false;
    if ((c->check == ui::kBstChecked) == checked) return true;
    return press(*c);
}

bool HeadlessUser::type(ui::WindowHandle window, int32_t id, const std::string& text) {
    const HeadlessWindow* c = usable(window, id);
    if (!c || !c->isKind(ControlKind::Edit)) return false;
    backend_.setWindowText(c->handle, text);
    return true;
}

bool HeadlessUser::choose(ui::WindowHandle window, int32_t id, int32_t index) {
    const HeadlessWindow* c = usable(window, id);
    if (!c || index < 0 || index >= static_cast<int32_t>(c->entries.size())) return false;
    const ui::WindowHandle h = c->handle;
    const ui::WindowHandle dialog = c->parent;
    if (c->isKind(ControlKind::DropDownList)) {
        backend_.setListSelection(h, index);
        backend_.sendCommand(dialog, id, ui::kCbnSelChange);
        return true;
    }
    if (c->isKind(ControlKind::TabControl)) {
        backend_.setTabSelection(h, index);
        backend_.sendNotify(dialog, id, ui::kTcnSelChange, index);
        return true;
    }
    return false;
}

bool HeadlessUser::moveTrackbar(ui::WindowHandle window, int32_t id, int32_t position) {
    const HeadlessWindow* c = usable(window, id);
    if (!c || !c->isKind(ControlKind::Trackbar)) return false;
    const ui::WindowHandle h = c->handle;
    backend_.setTrackbarPosition(h, position, true);
    backend_.sendScroll(h, ui::kTbThumbPosition);
    backend_.sendScroll(h, ui::kTbEndTrack);
    return true;
}

bool HeadlessUser::pressEnter(ui::WindowHandle window) {
    if (!takesInput(window)) return false;
    backend_.sendCommand(backend_.topLevelOf(window), ui::kIdOk, ui::kBnClicked);
    return true;
}

bool HeadlessUser::pressEscape(ui::WindowHandle window) {
    if (!takesInput(window)) return false;
    backend_.sendCommand(backend_.topLevelOf(window), ui::kIdCancel, ui::kBnClicked);
    return true;
}

bool HeadlessUser::close(ui::WindowHandle window) {
    if (!backend_.isWindow(window)) return false;
    backend_.sendMessage(window, ui::kWmClose, 0, 0);
    return true;
}

bool HeadlessUser::activate(ui::WindowHandle window) {
    if (!backend_.isWindow(window)) return false;
    backend_.setActiveWindow(window);
    return backend_.getActiveWindow() == window;
}

bool HeadlessUser::pressOk(ui::WindowHandle sheet) {
    return click(sheet, ui::kIdOk);
}

bool HeadlessUser::pressCancel(ui::WindowHandle sheet) {
    return click(sheet, ui::kIdCancel);
}

bool HeadlessUser::pressApply(ui::WindowHandle sheet) {
    return click(sheet, ui::PropertySheet::kApplyNowId);
}

bool HeadlessUser::selectPage(ui::WindowHandle sheet, int32_t index) {
    return choose(sheet, ui::PropertySheet::kTabControlId, index);
}

const HeadlessWindow* HeadlessUser::toolbarButtonHolder(ui::WindowHandle window, int32_t toolbarId,
                                                        int32_t command) const {
    const HeadlessWindow* bar = usable(window, toolbarId);
    if (!bar || !bar->isKind(ControlKind::Toolbar)) return nullptr;
    for (const ui::ToolbarButton& b : bar->toolbarButtons) {
        if (b.command != command) continue;
        bool usableButton = (b.state & ui::kTbStateEnabled) && !(b.state & ui::kTbStateHidden);
        return usableButton ? bar : nullptr;
    }
    return nullptr;
}

bool HeadlessUser::clickToolbarButton(ui::WindowHandle window, int32_t toolbarId, int32_t command) {
    const HeadlessWindow* bar = toolbarButtonHolder(window, toolbarId, command);
    if (!bar) return false;
    backend_.sendCommand(bar->parent, command, ui::kBnClicked);
    return true;
}

bool HeadlessUser::hoverToolbarButton(ui::WindowHandle window, int32_t toolbarId, int32_t command) {
    const HeadlessWindow* bar = usable(window, toolbarId);
    if (!bar || !bar->isKind(ControlKind::Toolbar)) return false;
    const ui::WindowHandle h = bar->handle;
    const int32_t count = backend_.getToolbarButtonCount(h);
    for (int32_t i = 0; i < count; ++i) {
        if (backend_.getToolbarButton(h, i).command != command) continue;
        const ui::Rect rect = backend_.getToolbarItemRect(h, i);
        moveMouse(backend_.clientToScreen(
            h, {rect.left + rect.width() / 2, rect.top + rect.height() / 2}));
        return true;
    }
    return false;
}

void HeadlessUser::mouseDown(ui::Point screenPoint) {
    backend_.sendMouseButton(ui::kWmLButtonDown, screenPoint);
}

void HeadlessUser::mouseUp(ui::Point screenPoint) {
    backend_.sendMouseButton(ui::kWmLButtonUp, screenPoint);
}

void HeadlessUser::moveMouse(ui::Point screenPoint) {
    backend_.sendMouseMove(screenPoint);
}

void HeadlessUser::clickAt(ui::Point screenPoint) {
    mouseDown(screenPoint);
    mouseUp(screenPoint);
}

}  // namespace simhost::headless
