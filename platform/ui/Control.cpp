#include "platform/ui/Control.h"

#include "platform/ui/Dialog.h"

namespace ui {

Control::~Control() {
    unsubclass();
}

bool Control::subclassDlgItem(int32_t id, Dialog& parent) {
    unsubclass();
    WindowHandle control = parent.item(id);
    if (!control) return false;
    parent_ = &parent;
    window_ = control;
    id_ = id;
    parent.attachControl(*this);
    return true;
}

bool Control::createIn(Dialog& parent, const ControlTemplate& control) {
    if (!parent.handle() || !parent.backend().createControl(parent.handle(), control)) {
        return false;
    }
    return subclassDlgItem(control.id, parent);
}

void Control::unsubclass() {
    if (parent_) parent_->detachControl(*this);
    release();
}

void Control::release() {
    parent_ = nullptr;
    window_ = WindowHandle();
    id_ = 0;
}

Backend& Control::backend() const {
    return parent_ ? parent_->backend() : Backend::current();
}

void Control::invalidate() {
    backend().invalidate(window_);
}

Rect Control::windowRect() const {
    return backend().getWindowRect(window_);
}

Rect Control::clientRect() const {
    return backend().getClientRect(window_);
}

bool Control::OnChildNotify(int32_t) {
    return false;
}

bool Control::OnReflectedDrawItem(const DrawItem&) {
    return false;
}

void Control::OnMouseMove(Point) {}

}  // namespace ui
