#include "simhost/ui/DialogMessenger.h"

#include <algorithm>
#include <vector>

#include "simhost/ui/RecordingCanvas.h"

namespace simhost::headless {

using ui::ControlKind;

HeadlessWindow* DialogMessenger::receiver(ui::WindowHandle window) {
    HeadlessWindow* dialog = tree_.dialogOf(window);
    return dialog && !dialog->destroying ? dialog : nullptr;
}

void DialogMessenger::command(ui::WindowHandle window, int32_t id, int32_t notification) {
    if (HeadlessWindow* d = receiver(window)) d->events->wmCommand(id, notification);
}

void DialogMessenger::notify(ui::WindowHandle window, int32_t id, int32_t code,
                             intptr_t parameter) {
    if (HeadlessWindow* d = receiver(window)) d->events->wmNotify(id, code, parameter);
}

void DialogMessenger::scroll(ui::WindowHandle control, int32_t code) {
    const HeadlessWindow* w = tree_.find(control);
    if (!w || !w->isChild()) return;
    if (HeadlessWindow* d = receiver(w->parent)) d->events->wmHScroll(w->id, code);
}

void DialogMessenger::mouseButton(ui::WindowHandle window, uint32_t message,
                                  ui::Point screenPoint) {
    HeadlessWindow* d = receiver(window);
    if (!d) return;
    const ui::Point origin = tree_.clientOrigin(*d);
    d->events->wmMouseButton(message, {screenPoint.x - origin.x, screenPoint.y - origin.y});
}

void DialogMessenger::controlMouseMove(ui::WindowHandle control, ui::Point point) {
    const HeadlessWindow* w = tree_.find(control);
    if (!w || !w->isChild()) return;
    if (HeadlessWindow* d = receiver(w->parent)) d->events->wmControlMouseMove(w->id, point);
}

void DialogMessenger::paint(ui::WindowHandle control) {
    const HeadlessWindow* w = tree_.find(control);
    if (!w || !w->isKind(ControlKind::OwnerDrawButton)) return;
    HeadlessWindow* dialog = tree_.find(w->parent);
    if (!dialog || !dialog->events || dialog->destroying) return;
    RecordingCanvas canvas;
    ui::DrawItem item;
    item.controlId = w->id;
    item.control = control;
    item.rect = tree_.clientRect(*w);
    item.state = (w->enabled ? 0 : ui::kOdsDisabled) | (w->pushed ? ui::kOdsSelected : 0);
    item.canvas = &canvas;
    dialog->events->wmDrawItem(item);
    if (HeadlessWindow* still = tree_.find(control)) still->painting = canvas.takeOperations();
}

void DialogMessenger::paintOwnerDrawn(ui::WindowHandle dialog) {
    const HeadlessWindow* w = tree_.find(dialog);
    if (!w) return;
    const std::vector<ui::WindowHandle> children = w->children;
    for (ui::WindowHandle child : children) paint(child);
}

void DialogMessenger::checkRadioGroup(HeadlessWindow& button) {
    const HeadlessWindow* parent = tree_.find(button.parent);
    if (!parent) return;
    const std::vector<ui::WindowHandle>& siblings = parent->children;
    auto self = std::find(siblings.begin(), siblings.end(), button.handle);
    if (self == siblings.end()) return;
    auto first = self;
    while (first != siblings.begin()) {
        if (tree_.find(*first)->hasStyle(ui::control_style::kGroup)) break;
        const HeadlessWindow* before = tree_.find(*(first - 1));
        if (!before || !before->isKind(ControlKind::RadioButton)) break;
        --first;
    }
    for (auto it = first; it != siblings.end(); ++it) {
        HeadlessWindow* w = tree_.find(*it);
        if (!w || !w->isKind(ControlKind::RadioButton)) break;
        if (it != first && w->hasStyle(ui::control_style::kGroup)) break;
        w->check = w == &button ? ui::kBstChecked : ui::kBstUnchecked;
    }
}

}  // namespace simhost::headless
