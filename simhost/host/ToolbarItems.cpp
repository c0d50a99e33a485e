#include "simhost/host/ToolbarItems.h"

#include <algorithm>

#include "simhost/host/ToolbarItem.h"

namespace simhost {

ToolbarItems::ToolbarItems() = default;

ToolbarItems::~ToolbarItems() {
    detach();
}

int32_t ToolbarItems::Count() {
    return isDeleted() ? 0 : static_cast<int32_t>(items_.size());
}

visio::ComRef<visio::IVToolbarItem> ToolbarItems::Item(int32_t index) {
    if (isDeleted() || index < 0 || index >= static_cast<int32_t>(items_.size())) return {};
    return items_[static_cast<size_t>(index)];
}

visio::ComRef<visio::IVToolbarItem> ToolbarItems::Add() {
    if (isDeleted()) return {};
    auto item = makeObject<ToolbarItem>(this, ToolbarItemProperties());
    items_.push_back(item);
    return item;
}

void ToolbarItems::remove(const ToolbarItem& item) {
    items_.erase(
        std::remove_if(items_.begin(), items_.end(),
                       [&](const visio::ComRef<ToolbarItem>& i) { return i.get() == &item; }),
        items_.end());
}

void ToolbarItems::copyFrom(const ToolbarItems& other) {
    for (const auto& item : other.items_)
        items_.push_back(makeObject<ToolbarItem>(this, item->properties()));
}

void ToolbarItems::detach() {
    markDeleted();
    auto items = std::move(items_);
    items_.clear();
    for (auto& item : items) item->detach();
}

}  // namespace simhost
