// The arcs of a Petri net arranged by transition and by place, for the firing engine.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "simulator/PlaceOrder.h"

class GEElementSet;
class GEGraphElement;

// Walking the whole arc set for every transition costs a step time that grows with the
// square of the net; this index answers the same questions from lists built once per
// run. Its lists keep the arc set's order wherever the engine's answers depend on it.
//
// An arc counts when exactly one of its ends is a place of the run: it is an input arc
// of the element at its other end when it starts at the place, an output arc when it
// ends there. Arcs between two places, or touching no place, touch no transition.
// Places are named by their position in the run's place order; the elements at the
// other ends are nodes, the transitions of the transition set first, in set order.
class ArcIndex {
public:
    // One arc of a node, in arc-set order.
    struct ArcUse {
        int32_t place;
        int32_t weight;
        bool input;
    };
    // What one node takes from and gives to one place: the weights of all its arcs
    // from the place (in) and to the place (out) summed.
    struct PlaceUse {
        int32_t place;
        int64_t in;
        int64_t out;
        bool hasInput;
        bool hasOutput;
    };
    // The same seen from the place.
    struct NodeUse {
        int32_t node;
        int64_t in;
        int64_t out;
        bool hasInput;
        bool hasOutput;
    };

    void build(GEElementSet* arcs, GEElementSet* transitions,
               std::shared_ptr<const PlaceOrder> places);
    bool isBuiltFor(const PlaceOrder* places) const { return places && places == places_.get(); }

    int32_t transitionCount() const { return transitionCount_; }
    int32_t nodeCount() const { return static_cast<int32_t>(nodes_.size()); }
    GEGraphElement* nodeAt(int32_t node) const { return nodes_[node].element; }
    // -1 for an element that is no transition of the set and touches no place.
    int32_t nodeOf(const GEGraphElement* element) const;
    const std::vector<ArcUse>& arcsOf(int32_t node) const { return nodes_[node].arcs; }
    // The places the node touches, each once, in the order its first arc names them.
    const std::vector<PlaceUse>& placesOf(int32_t node) const { return nodes_[node].places; }
    // The nodes touching the place, each once, in node order.
    const std::vector<NodeUse>& usersOf(int32_t place) const { return users_[place]; }
    bool hasStackInput(int32_t node) const { return nodes_[node].stackInput; }
    bool takesFrom(int32_t node, int32_t place) const;

private:
    struct Node {
        GEGraphElement* element = nullptr;
        std::vector<ArcUse> arcs;
        std::vector<PlaceUse> places;
        bool stackInput = false;
    };

    int32_t addNode(GEGraphElement* element);
    void addArc(GEGraphElement* begin, GEGraphElement* end, int32_t weight);
    void sumPlaceUses();

    std::shared_ptr<const PlaceOrder> places_;
    int32_t transitionCount_ = 0;
    std::vector<Node> nodes_;
    std::unordered_map<const GEGraphElement*, int32_t> nodeOf_;
    std::vector<std::vector<NodeUse>> users_;
};
