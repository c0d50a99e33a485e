#include "model/PetriNetArcBuilder.h"

#include <cstddef>
#include <unordered_set>

#include "model/GEArc.h"
#include "model/GEElementSet.h"
#include "model/PetriNetLookup.h"

namespace {

// Branches that split and meet again multiply the ways through a chain, each split
// doubling them: a drawing tangled enough would have more ways than time and memory
// allow. A chain is followed for this many ways, each made whole; no drawing made by
// hand comes near it.
constexpr std::size_t kMaxWaysPerChain = 256;

// A piece of a chain being followed and the next of its end IDs to look at.
struct ChainStep {
    GEWeightedConnection* piece;
    int32_t nextEnd;
};

}  // namespace

// Following chains looks pieces up by ID, which leaves the set's cursor where it is.
void PetriNetArcBuilder::buildArcs() {
    for (GEGraphElement* e = connections_.getFirst(); e != connections_.end();
         e = connections_.getNext()) {
        auto& c = static_cast<GEWeightedConnection&>(*e);
        GEGraphElement* begin = nullptr;
        if (startsArc(c, begin)) arcsFrom(c, begin);
    }
}

// A connection that begins at several things, or continues another connection, starts
// no arc; one that begins at a connection which in turn begins at it (both drawn away
// from a shared point) starts one from nowhere.
bool PetriNetArcBuilder::startsArc(const GEWeightedConnection& c, GEGraphElement*& begin) const {
    begin = nullptr;
    if (c.getBeginIDsCount() > 1) return false;
    if (c.getBeginIDsCount() == 0) return true;
    const int32_t id = c.getBeginID(0);
    if (const GEConnection* d = connectionOf(connections_, id)) {
        return d->getBeginIDsCount() > 0 && d->getBeginID(0) == c.getID();
    }
    begin = passiveOrActive(id);
    return true;
}

void PetriNetArcBuilder::arcsFrom(GEWeightedConnection& c, GEGraphElement* begin) {
    if (c.getEndIDsCount() == 0) {
        addArc(begin, {&c}, nullptr, c.getWeight());
        return;
    }
    for (int32_t i = 0; i < c.getEndIDsCount(); ++i) {
        const int32_t id = c.getEndID(i);
        if (GEWeightedConnection* d = weightedConnectionOf(connections_, id)) {
            followChain(begin, {&c}, d);
        } else {
            addArc(begin, {&c}, activeOrPassive(id), c.getWeight());
        }
    }
}

void PetriNetArcBuilder::followChain(GEGraphElement* begin, std::vector<GEConnection*> pieces,
                                     GEWeightedConnection* d) {
    // Loops are cut per way: coming back to a piece on the way so far (round a cycle)
    // ends the way there, while a piece that another branch passed through is followed
    // again, so that branches which meet again each reach the end.
    std::unordered_set<const GEConnection*> onTheWay(pieces.begin(), pieces.end());
    std::vector<ChainStep> steps;
    std::size_t ways = 0;

    auto addWay = [&](GEGraphElement* end, int32_t weight) {
        addArc(begin, pieces, end, weight);
        ++ways;
    };
    // Adds the piece to the way; a piece that ends at nothing or at an element ends the
    // way at once, any other waits on the stack for its end IDs to be followed.
    auto enter = [&](GEWeightedConnection* piece) {
        GEGraphElement* end = nullptr;
        const bool endsHere =
            piece->getEndIDsCount() == 0 || (end = activeOrPassive(piece->getEndID(0))) != nullptr;
        pieces.push_back(piece);
        if (endsHere) {
            addWay(end, piece->getWeight());
            pieces.pop_back();
            return;
        }
        onTheWay.insert(piece);
        steps.push_back({piece, 0});
    };
    auto leave = [&]() {
        onTheWay.erase(steps.back().piece);
        pieces.pop_back();
        steps.pop_back();
    };

    enter(d);
    while (!steps.empty() && ways < kMaxWaysPerChain) {
        ChainStep& step = steps.back();
        GEWeightedConnection* piece = step.piece;
        if (step.nextEnd >= piece->getEndIDsCount()) {
            leave();
            continue;
        }
        const int32_t id = piece->getEndID(step.nextEnd++);
        GEWeightedConnection* next = weightedConnectionOf(connections_, id);
        if (!next) {
            addWay(activeOrPassive(id), piece->getWeight());
        } else if (onTheWay.count(next) != 0) {
            addWay(nullptr, piece->getWeight());
        } else {
            enter(next);
        }
    }
}

GEGraphElement* PetriNetArcBuilder::activeOrPassive(int32_t id) const {
    if (GEGraphElement* e = active_.getByID(id)) return e;
    return passive_.getByID(id);
}

GEGraphElement* PetriNetArcBuilder::passiveOrActive(int32_t id) const {
    if (GEGraphElement* e = passive_.getByID(id)) return e;
    return active_.getByID(id);
}

void PetriNetArcBuilder::addArc(GEGraphElement* begin, const std::vector<GEConnection*>& pieces,
                                GEGraphElement* end, int32_t weight) {
    auto* arc = new GEArc(begin, pieces, end);
    arc->setWeight(weight);
    if (!arcs_.insert(arc)) delete arc;
}
