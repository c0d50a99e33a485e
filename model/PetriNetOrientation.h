// Directions for the connectors of a Petri net that were drawn without arrowheads, and
// the clean-up of links between connectors that merely share a point.
#pragma once

#include <cstdint>

class GEConnection;
class GEElementSet;

class PetriNetOrientation {
public:
    PetriNetOrientation(const GEElementSet& active, const GEElementSet& passive,
                        GEElementSet& connections)
        : active_(active), passive_(passive), connections_(connections) {}

    // An arrowless connector leaves the element it touches; touching elements at both
    // ends makes it two-way.
    void orientAtElements();
    // Arrowless connectors still without direction take it from the connectors they are
    // glued to; what stays undecided becomes two-way.
    void orientAlongChains();
    // Cuts the links between directed connectors that start (or end) at the same point;
    // links along a chain stay.
    void dropSiblingLinks();

private:
    void orientBeginSide(GEConnection& c) const;
    void orientEndSide(GEConnection& c) const;
    void dropBeginSiblings(GEConnection& c) const;
    void dropEndSiblings(GEConnection& c) const;
    // A transition or a place.
    bool namesElement(int32_t id) const;

    const GEElementSet& active_;
    const GEElementSet& passive_;
    GEElementSet& connections_;
};
