// The arcs of a Petri net: each follows its chain of connector pieces from a place or
// transition to the next.
#pragma once

#include <cstdint>
#include <vector>

class GEConnection;
class GEElementSet;
class GEGraphElement;
class GEWeightedConnection;

class PetriNetArcBuilder {
public:
    PetriNetArcBuilder(const GEElementSet& active, const GEElementSet& passive,
                       GEElementSet& connections, GEElementSet& arcs)
        : active_(active), passive_(passive), connections_(connections), arcs_(arcs) {}

    // Starts arcs at the connections that begin at an element, at nothing, or (once) at a
    // connection that begins at them; each arc takes the weight of its last piece.
    void buildArcs();
    // Follows the chain on from d, whose predecessors are the pieces: one arc for every
    // way through the chain, branches that meet again included. A way that comes back to
    // a piece it has passed through, or ends at a shape that is no element, ends there
    // with an arc without end. Works with its own stack, so a chain of any length costs
    // no call depth. A chain is followed for its first 256 ways.
    void followChain(GEGraphElement* begin, std::vector<GEConnection*> pieces,
                     GEWeightedConnection* d);

private:
    // Whether an arc starts at c, and the element it starts at.
    bool startsArc(const GEWeightedConnection& c, GEGraphElement*& begin) const;
    void arcsFrom(GEWeightedConnection& c, GEGraphElement* begin);
    GEGraphElement* activeOrPassive(int32_t id) const;
    GEGraphElement* passiveOrActive(int32_t id) const;
    void addArc(GEGraphElement* begin, const std::vector<GEConnection*>& pieces,
                GEGraphElement* end, int32_t weight);

    const GEElementSet& active_;
    const GEElementSet& passive_;
    GEElementSet& connections_;
    GEElementSet& arcs_;
};
