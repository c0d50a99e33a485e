#include "simhost/host/Addons.h"

#include <algorithm>

#include "simhost/host/Addon.h"

namespace simhost {

Addons::Addons() = default;

Addons::~Addons() = default;

int16_t Addons::Count() {
    return static_cast<int16_t>(addons_.size());
}

visio::ComRef<visio::IVAddon> Addons::Item(int16_t index) {
    if (index < 1 || index > static_cast<int16_t>(addons_.size())) return {};
    return addons_[static_cast<size_t>(index - 1)];
}

void Addons::add(const std::string& name) {
    addons_.push_back(makeObject<Addon>(name));
}

void Addons::remove(const std::string& name) {
    addons_.erase(std::remove_if(addons_.begin(), addons_.end(),
                                 [&](const visio::ComRef<Addon>& a) { return a->name() == name; }),
                  addons_.end());
}

std::vector<std::string> Addons::names() const {
    std::vector<std::string> names;
    for (const auto& a : addons_) names.push_back(a->name());
    return names;
}

}  // namespace simhost
