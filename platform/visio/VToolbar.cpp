#include "platform/visio/VToolbar.h"

#include "platform/visio/VToolbarItems.h"

namespace visio {

std::string VToolbar::Caption() const {
    return call(&IVToolbar::Caption);
}

void VToolbar::SetCaption(const std::string& caption) const {
    call(&IVToolbar::SetCaption, caption);
}

int16_t VToolbar::Protection() const {
    return call(&IVToolbar::Protection);
}

void VToolbar::SetProtection(int16_t protection) const {
    call(&IVToolbar::SetProtection, protection);
}

int16_t VToolbar::Position() const {
    return call(&IVToolbar::Position);
}

void VToolbar::SetPosition(int16_t position) const {
    call(&IVToolbar::SetPosition, position);
}

int16_t VToolbar::RowIndex() const {
    return call(&IVToolbar::RowIndex);
}

void VToolbar::SetRowIndex(int16_t rowIndex) const {
    call(&IVToolbar::SetRowIndex, rowIndex);
}

bool VToolbar::Visible() const {
    return call(&IVToolbar::Visible);
}

void VToolbar::SetVisible(bool visible) const {
    call(&IVToolbar::SetVisible, visible);
}

bool VToolbar::Enabled() const {
    return call(&IVToolbar::Enabled);
}

void VToolbar::SetEnabled(bool enabled) const {
    call(&IVToolbar::SetEnabled, enabled);
}

VToolbarItems VToolbar::ToolbarItems() const {
    return VToolbarItems(call(&IVToolbar::ToolbarItems));
}

void VToolbar::Delete() const {
    call(&IVToolbar::Delete);
}

}  // namespace visio
