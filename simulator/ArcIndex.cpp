#include "simulator/ArcIndex.h"

#include <utility>

#include "model/GEArc.h"
#include "model/GEElementSet.h"
#include "model/GEPlace.h"

void ArcIndex::build(GEElementSet* arcs, GEElementSet* transitions,
                     std::shared_ptr<const PlaceOrder> places) {
    places_ = std::move(places);
    nodes_.clear();
    nodeOf_.clear();
    users_.assign(places_ ? places_->count() : 0, {});
    if (transitions) {
        for (GEGraphElement* t = transitions->getFirst(); t != transitions->end();
             t = transitions->getNext())
            addNode(t);
    }
    transitionCount_ = nodeCount();
    if (arcs && places_) {
        for (GEGraphElement* e = arcs->getFirst(); e != arcs->end(); e = arcs->getNext()) {
            const auto* arc = static_cast<GEArc*>(e);
            addArc(arc->getBegin(), arc->getEnd(), arc->getWeight());
        }
    }
    sumPlaceUses();
}

int32_t ArcIndex::nodeOf(const GEGraphElement* element) const {
    const auto found = nodeOf_.find(element);
    return found == nodeOf_.end() ? -1 : found->second;
}

bool ArcIndex::takesFrom(int32_t node, int32_t place) const {
    for (const PlaceUse& use : placesOf(node)) {
        if (use.place == place) return use.hasInput;
    }
    return false;
}

// A transition listed twice in its set stays one node, as it is one element.
int32_t ArcIndex::addNode(GEGraphElement* element) {
    const auto added = nodeOf_.emplace(element, nodeCount());
    if (added.second) {
        nodes_.emplace_back();
        nodes_.back().element = element;
    }
    return added.first->second;
}

void ArcIndex::addArc(GEGraphElement* begin, GEGraphElement* end, int32_t weight) {
    if (!begin || !end) return;
    const int32_t from = places_->positionOf(begin);
    const int32_t to = places_->positionOf(end);
    if ((from >= 0) == (to >= 0)) return;
    if (from >= 0) {
        nodes_[addNode(end)].arcs.push_back({from, weight, true});
    } else {
        nodes_[addNode(begin)].arcs.push_back({to, weight, false});
    }
}

void ArcIndex::sumPlaceUses() {
    std::vector<int32_t> slot(users_.size(), -1);
    for (int32_t node = 0; node < nodeCount(); ++node) {
        Node& n = nodes_[node];
        for (const ArcUse& arc : n.arcs) {
            if (slot[arc.place] < 0) {
                slot[arc.place] = static_cast<int32_t>(n.places.size());
                n.places.push_back({arc.place, 0, 0, false, false});
            }
            PlaceUse& use = n.places[slot[arc.place]];
            (arc.input ? use.in : use.out) += arc.weight;
            (arc.input ? use.hasInput : use.hasOutput) = true;
        }
        for (const PlaceUse& use : n.places) {
            slot[use.place] = -1;
            users_[use.place].push_back({node, use.in, use.out, use.hasInput, use.hasOutput});
            if (use.hasInput && places_->placeAt(use.place)->isStackPlace()) n.stackInput = true;
        }
    }
}
