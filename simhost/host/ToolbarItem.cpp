#include "simhost/host/ToolbarItem.h"

#include "simhost/host/ToolbarItems.h"

namespace simhost {

std::string ToolbarItem::TooltipText() {
    return get(properties_.tooltipText);
}

void ToolbarItem::SetTooltipText(const std::string& value) {
    set(properties_.tooltipText, value);
}

std::string ToolbarItem::AddOnName() {
    return get(properties_.addOnName);
}

void ToolbarItem::SetAddOnName(const std::string& value) {
    set(properties_.addOnName, value);
}

std::string ToolbarItem::AddOnArgs() {
    return get(properties_.addOnArgs);
}

void ToolbarItem::SetAddOnArgs(const std::string& value) {
    set(properties_.addOnArgs, value);
}

int16_t ToolbarItem::Style() {
    return get(properties_.style);
}

void ToolbarItem::SetStyle(int16_t value) {
    set(properties_.style, value);
}

std::string ToolbarItem::Caption() {
    return get(properties_.caption);
}

void ToolbarItem::SetCaption(const std::string& value) {
    set(properties_.caption, value);
}

int16_t ToolbarItem::CntrlType() {
    return get(properties_.cntrlType);
}

void ToolbarItem::SetCntrlType(int16_t value) {
    set(properties_.cntrlType, value);
}

int16_t ToolbarItem::Priority() {
    return get(properties_.priority);
}

void ToolbarItem::SetPriority(int16_t value) {
    set(properties_.priority, value);
}

bool ToolbarItem::Visible() {
    return get(properties_.visible);
}

void ToolbarItem::SetVisible(bool value) {
    set(properties_.visible, value);
}

std::string ToolbarItem::IconFileName() {
    return get(properties_.iconFileName);
}

void ToolbarItem::SetIconFileName(const std::string& value) {
    set(properties_.iconFileName, value);
}

bool ToolbarItem::Enabled() {
    return get(properties_.enabled);
}

void ToolbarItem::SetEnabled(bool value) {
    set(properties_.enabled, value);
}

int16_t ToolbarItem::State() {
    return get(properties_.state);
}

void ToolbarItem::SetState(int16_t value) {
    set(properties_.state, value);
}

void ToolbarItem::Delete() {
    if (isDeleted() || !owner_) return;
    visio::ComRef<ToolbarItem> self(this);
    owner_->remove(*this);
    detach();
}

void ToolbarItem::detach() {
    markDeleted();
    owner_ = nullptr;
}

}  // namespace simhost
