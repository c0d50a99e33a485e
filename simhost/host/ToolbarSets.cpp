#include "simhost/host/ToolbarSets.h"

#include "simhost/host/ToolbarSet.h"
#include "simhost/host/Toolbars.h"

namespace simhost {

ToolbarSets::ToolbarSets() = default;

ToolbarSets::~ToolbarSets() = default;

int32_t ToolbarSets::Count() {
    return isDeleted() ? 0 : static_cast<int32_t>(sets_.size());
}

visio::ComRef<visio::IVToolbarSet> ToolbarSets::ItemAtID(int32_t id) {
    if (isDeleted()) return {};
    return visio::ComRef<visio::IVToolbarSet>(find(id));
}

visio::ComRef<ToolbarSet> ToolbarSets::add(int32_t id) {
    auto set = makeObject<ToolbarSet>(id);
    sets_.push_back(set);
    return set;
}

ToolbarSet* ToolbarSets::find(int32_t id) const {
    for (const auto& set : sets_)
        if (set->id() == id) return set.get();
    return nullptr;
}

void ToolbarSets::copyFrom(const ToolbarSets& other) {
    for (const auto& set : other.sets_) add(set->id())->toolbars().copyFrom(set->toolbars());
}

void ToolbarSets::detach() {
    markDeleted();
    auto sets = std::move(sets_);
    sets_.clear();
    for (auto& s : sets) s->detach();
}

}  // namespace simhost
