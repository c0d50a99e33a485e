#include "simhost/host/Toolbar.h"

#include "simhost/host/ToolbarItems.h"
#include "simhost/host/Toolbars.h"

namespace simhost {

Toolbar::Toolbar(Toolbars* owner, ToolbarProperties properties)
    : owner_(owner),
      properties_(std::move(properties)),
      items_(makeObject<simhost::ToolbarItems>()) {}

std::string Toolbar::Caption() {
    return get(properties_.caption);
}

void Toolbar::SetCaption(const std::string& caption) {
    set(properties_.caption, caption);
}

int16_t Toolbar::Protection() {
    return get(properties_.protection);
}

void Toolbar::SetProtection(int16_t protection) {
    set(properties_.protection, protection);
}

int16_t Toolbar::Position() {
    return get(properties_.position);
}

void Toolbar::SetPosition(int16_t position) {
    set(properties_.position, position);
}

int16_t Toolbar::RowIndex() {
    return get(properties_.rowIndex);
}

void Toolbar::SetRowIndex(int16_t rowIndex) {
    set(properties_.rowIndex, rowIndex);
}

bool Toolbar::Visible() {
    return get(properties_.visible);
}

void Toolbar::SetVisible(bool visible) {
    set(properties_.visible, visible);
}

bool Toolbar::Enabled() {
    return get(properties_.enabled);
}

void Toolbar::SetEnabled(bool enabled) {
    set(properties_.enabled, enabled);
}

visio::ComRef<visio::IVToolbarItems> Toolbar::ToolbarItems() {
    if (isDeleted()) return {};
    return items_;
}

void Toolbar::Delete() {
    if (isDeleted() || !owner_) return;
    visio::ComRef<Toolbar> self(this);
    owner_->remove(*this);
    detach();
}

void Toolbar::detach() {
    markDeleted();
    items_->detach();
    owner_ = nullptr;
}

Toolbar::~Toolbar() = default;

}  // namespace simhost
