#include "platform/ui/DialogTemplate.h"

namespace ui {

const ControlTemplate* DialogTemplate::control(int32_t controlId) const {
    for (const ControlTemplate& c : controls) {
        if (c.id == controlId) return &c;
    }
    return nullptr;
}

std::vector<int32_t> DialogTemplate::radioGroup(int32_t firstId) const {
    std::vector<int32_t> group;
    bool inGroup = false;
    for (const ControlTemplate& c : controls) {
        if (!inGroup) {
            inGroup = c.id == firstId && c.kind == ControlKind::RadioButton;
            if (inGroup) group.push_back(c.id);
            continue;
        }
        if (c.kind != ControlKind::RadioButton || c.hasStyle(control_style::kGroup)) break;
        group.push_back(c.id);
    }
    return group;
}

}  // namespace ui
