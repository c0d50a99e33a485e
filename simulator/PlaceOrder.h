// The places of a simulation run in the order its markings hold them.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

class GEGraphElement;
class GEPlace;

// Shared by the markings of one run, which differ only in their counts: a marking keeps
// one count per place at the place's position here. Places are kept in the order they
// were added; the places themselves belong to the diagram model.
class PlaceOrder {
public:
    int32_t count() const { return static_cast<int32_t>(places_.size()); }
    GEPlace* placeAt(int32_t position) const { return places_[position]; }
    // The position of the place, or -1 when the element is none of these places.
    int32_t positionOf(const GEGraphElement* element) const;
    // Appends the place unless it is there already; answers its position.
    int32_t add(GEPlace* place);

private:
    std::vector<GEPlace*> places_;
    std::unordered_map<const GEGraphElement*, int32_t> positions_;
};
