#include "platform/ui/StatusBar.h"

namespace ui {

bool StatusBar::create(Dialog& parent, int32_t id) {
    return createIn(parent, ControlTemplate(id, ControlKind::StatusBar, "", UnitRect()));
}

void StatusBar::setMinHeight(int32_t height) {
    backend().setStatusBarMinHeight(handle(), height);
}

void StatusBar::setParts(const std::vector<int32_t>& rightEdges) {
    backend().setStatusBarParts(handle(), rightEdges);
}

void StatusBar::setText(int32_t part, const std::string& text, uint32_t style) {
    backend().setStatusBarText(handle(), part, text, style);
}

std::string StatusBar::text(int32_t part) const {
    return backend().getStatusBarText(handle(), part);
}

}  // namespace ui
