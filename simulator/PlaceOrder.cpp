#include "simulator/PlaceOrder.h"

#include "model/GEPlace.h"

int32_t PlaceOrder::positionOf(const GEGraphElement* element) const {
    const auto found = positions_.find(element);
    return found == positions_.end() ? -1 : found->second;
}

int32_t PlaceOrder::add(GEPlace* place) {
    const auto added = positions_.emplace(place, count());
    if (added.second) places_.push_back(place);
    return added.first->second;
}
