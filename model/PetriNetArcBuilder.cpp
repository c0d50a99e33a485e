#include "model/PetriNetArcBuilder.h"

#include <unordered_set>

#include "model/GEArc.h"
#include "model/GEElementSet.h"
#include "model/PetriNetLookup.h"

namespace {

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
    // Every piece is followed once per chain: coming back to one, round a cycle or by two
    // branches that meet again, ends the chain there. So the work stays within the
    // number of pieces, whatever the drawing.
    std::unordered_set<const GEConnection*> visited(pieces.begin(), pieces.end());
    std::vector<ChainStep> steps;

    // Adds the piece to the chain; a piece that ends at nothing or at an element ends
    // the chain at once, any other waits on the stack for its end IDs to be followed.
    auto enter = [&](GEWeightedConnection* piece) {
        visited.insert(piece);
        pieces.push_back(piece);
        GEGraphElement* end = nullptr;
        const bool endsHere =
            piece->getEndIDsCount() == 0 || (end = activeOrPassive(piece->getEndID(0))) != nullptr;
        if (endsHere) {
            addArc(begin, pieces, end, piece->getWeight());
            pieces.pop_back();
            return;
        }
        steps.push_back({piece, 0});
    };

    enter(d);
    while (!steps.empty()) {
        ChainStep& step = steps.back();
        GEWeightedConnection* piece = step.piece;
        if (step.nextEnd >= piece->getEndIDsCount()) {
            pieces.pop_back();
            steps.pop_back();
            continue;
        }
        const int32_t id = piece->getEndID(step.nextEnd++);
        GEWeightedConnection* next = weightedConnectionOf(connections_, id);
        if (!next) {
            addArc(begin, pieces, activeOrPassive(id), piece->getWeight());
        } else if (visited.count(next) != 0) {
            addArc(begin, pieces, nullptr, piece->getWeight());
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
