#include "simhost/host/Toolbars.h"

#include <algorithm>

#include "simhost/host/Toolbar.h"
#include "simhost/host/ToolbarItems.h"

namespace simhost {

Toolbars::Toolbars() = default;

Toolbars::~Toolbars() {
    detach();
}

int32_t Toolbars::Count() {
    return isDeleted() ? 0 : static_cast<int32_t>(toolbars_.size());
}

visio::ComRef<visio::IVToolbar> Toolbars::Item(int32_t index) {
    if (isDeleted() || index < 0 || index >= static_cast<int32_t>(toolbars_.size())) return {};
    return toolbars_[static_cast<size_t>(index)];
}

visio::ComRef<visio::IVToolbar> Toolbars::Add() {
    if (isDeleted()) return {};
    return add(std::string());
}

visio::ComRef<Toolbar> Toolbars::add(const std::string& caption) {
    ToolbarProperties properties;
    properties.caption = caption;
    auto toolbar = makeObject<Toolbar>(this, properties);
    toolbars_.push_back(toolbar);
    return toolbar;
}

void Toolbars::remove(const Toolbar& toolbar) {
    toolbars_.erase(
        std::remove_if(toolbars_.begin(), toolbars_.end(),
                       [&](const visio::ComRef<Toolbar>& t) { return t.get() == &toolbar; }),
        toolbars_.end());
}

void Toolbars::copyFrom(const Toolbars& other) {
    for (const auto& toolbar : other.toolbars_) {
        auto copy = makeObject<Toolbar>(this, toolbar->properties());
        copy->items().copyFrom(toolbar->items());
        toolbars_.push_back(copy);
    }
}

void Toolbars::detach() {
    markDeleted();
    auto toolbars = std::move(toolbars_);
    toolbars_.clear();
    for (auto& t : toolbars) t->detach();
}

}  // namespace simhost
