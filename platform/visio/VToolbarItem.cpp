#include "platform/visio/VToolbarItem.h"

namespace visio {

std::string VToolbarItem::TooltipText() const {
    return call(&IVToolbarItem::TooltipText);
}

void VToolbarItem::SetTooltipText(const std::string& text) const {
    call(&IVToolbarItem::SetTooltipText, text);
}

std::string VToolbarItem::AddOnName() const {
    return call(&IVToolbarItem::AddOnName);
}

void VToolbarItem::SetAddOnName(const std::string& name) const {
    call(&IVToolbarItem::SetAddOnName, name);
}

std::string VToolbarItem::AddOnArgs() const {
    return call(&IVToolbarItem::AddOnArgs);
}

void VToolbarItem::SetAddOnArgs(const std::string& args) const {
    call(&IVToolbarItem::SetAddOnArgs, args);
}

int16_t VToolbarItem::Style() const {
    return call(&IVToolbarItem::Style);
}

void VToolbarItem::SetStyle(int16_t style) const {
    call(&IVToolbarItem::SetStyle, style);
}

std::string VToolbarItem::Caption() const {
    return call(&IVToolbarItem::Caption);
}

void VToolbarItem::SetCaption(const std::string& caption) const {
    call(&IVToolbarItem::SetCaption, caption);
}

int16_t VToolbarItem::CntrlType() const {
    return call(&IVToolbarItem::CntrlType);
}

void VToolbarItem::SetCntrlType(int16_t type) const {
    call(&IVToolbarItem::SetCntrlType, type);
}

int16_t VToolbarItem::Priority() const {
    return call(&IVToolbarItem::Priority);
}

void VToolbarItem::SetPriority(int16_t priority) const {
    call(&IVToolbarItem::SetPriority, priority);
}

bool VToolbarItem::Visible() const {
    return call(&IVToolbarItem::Visible);
}

void VToolbarItem::SetVisible(bool visible) const {
    call(&IVToolbarItem::SetVisible, visible);
}

std::string VToolbarItem::IconFileName() const {
    return call(&IVToolbarItem::IconFileName);
}

void VToolbarItem::SetIconFileName(const std::string& face) const {
    call(&IVToolbarItem::SetIconFileName, face);
}

bool VToolbarItem::Enabled() const {
    return call(&IVToolbarItem::Enabled);
}

void VToolbarItem::SetEnabled(bool enabled) const {
    call(&IVToolbarItem::SetEnabled, enabled);
}

int16_t VToolbarItem::State() const {
    return call(&IVToolbarItem::State);
}

void VToolbarItem::SetState(int16_t state) const {
    call(&IVToolbarItem::SetState, state);
}

void VToolbarItem::Delete() const {
    call(&IVToolbarItem::Delete);
}

}  // namespace visio
