#include "simulator/FiringEngine.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "model/GEElementSet.h"
#include "model/GEGraphElement.h"
#include "model/GEPlace.h"

namespace {

// What a transition adds to a place beyond what it takes from it; a transition that
// returns no more than it takes adds nothing.
int64_t excessOver(int64_t in, int64_t out) {
    return std::max<int64_t>(0, out - in);
}

// The counts of the places one firing touches, summed past 32 bits and stored once.
class CountSums {
public:
    explicit CountSums(Marking& marking)
        : marking_(marking), sums_(marking.placeCount(), 0), touched_(marking.placeCount(), 0) {}

    void add(int32_t place, int64_t tokens) {
        if (!touched_[place]) {
            touched_[place] = 1;
            order_.push_back(place);
            sums_[place] = marking_.tokensAt(place);
        }
        sums_[place] += tokens;
    }

    // Only a firing nobody approved can end outside 32 bits; it stops at the edge
    // rather than wrap.
    void store() const {
        for (int32_t place : order_) {
            const int64_t sum =
                std::clamp<int64_t>(sums_[place], std::numeric_limits<int32_t>::min(),
                                    std::numeric_limits<int32_t>::max());
            marking_.setTokensAt(place, static_cast<int32_t>(sum));
        }
    }

private:
    Marking& marking_;
    std::vector<int64_t> sums_;
    std::vector<char> touched_;
    std::vector<int32_t> order_;
};

}  // namespace

FiringEngine::FiringEngine(GEElementSet* arcs, GEElementSet* transitions)
    : arcs_(arcs), transitions_(transitions) {}

FiringEngine::~FiringEngine() = default;

void FiringEngine::pushMarking(std::unique_ptr<Marking> marking) {
    if (!marking) return;
    history_.push_back(std::move(marking));
    clearResults();
}

const Marking* FiringEngine::getCurrentMarking() const {
    return history_.empty() ? nullptr : history_.back().get();
}

const Marking* FiringEngine::getInitialMarking() const {
    return history_.empty() ? nullptr : history_.front().get();
}

const Marking* FiringEngine::stepBack() {
    if (history_.size() > 1) history_.pop_back();
    clearResults();
    return getCurrentMarking();
}

const Marking* FiringEngine::restartSimulation() {
    while (history_.size() > 1) history_.pop_back();
    clearResults();
    return getCurrentMarking();
}

void FiringEngine::clear() {
    history_.clear();
    clearResults();
}

std::vector<GEGraphElement*> FiringEngine::getEnabledTransitions() {
    computeIfNeeded();
    return enabled_;
}

std::vector<GEGraphElement*> FiringEngine::getConflictTransitions() {
    computeIfNeeded();
    return conflicting_;
}

std::vector<GEGraphElement*> FiringEngine::getConflictFreeTransitions() {
    computeIfNeeded();
    std::vector<GEGraphElement*> free;
    for (GEGraphElement* t : enabled_) {
        if (!conflictingNode_[index_.nodeOf(t)]) free.push_back(t);
    }
    return free;
}

bool FiringEngine::hasConcurrency() {
    computeIfNeeded();
    return enabled_.size() != conflicting_.size() && enabled_.size() != 1;
}

std::vector<GEPlace*> FiringEngine::getConflictPlaces() {
    computeIfNeeded();
    std::vector<GEPlace*> places = forwardConflictPlaces_;
    const Marking* marking = getCurrentMarking();
    if (!marking) return places;
    std::vector<char> listed(marking->placeCount(), 0);
    for (const GEPlace* p : forwardConflictPlaces_) listed[marking->positionOf(p)] = 1;
    for (GEPlace* p : backwardConflictPlaces_) {
        if (!listed[marking->positionOf(p)]) places.push_back(p);
    }
    return places;
}

// Only the conflict places can stop a set of enabled transitions: every other place
// suffices for all enabled transitions at once. Of a transition that reads a place and
// writes it back, only what it writes beyond what it read counts against the capacity.
bool FiringEngine::canFireTogether(const std::vector<GEGraphElement*>& transitions) {
    computeIfNeeded();
    const Marking* marking = getCurrentMarking();
    if (!marking) return true;
    std::vector<char> member(index_.nodeCount(), 0);
    for (const GEGraphElement* t : transitions) {
        const int32_t node = index_.nodeOf(t);
        if (node >= 0) member[node] = 1;
    }
    for (const GEPlace* p : forwardConflictPlaces_) {
        const int32_t place = marking->positionOf(p);
        if (demandOf(place, member) > marking->tokensAt(place)) return false;
    }
    for (const GEPlace* p : backwardConflictPlaces_) {
        const int32_t place = marking->positionOf(p);
        if (excessOf(place, member) > marking->roomAt(place)) return false;
    }
    return true;
}

// Return places are judged on the enabled transitions of the marking fired from. The
// counts are summed wide and stored once: an approved firing ends within 32 bits, but a
// place given tokens before its taker's arc comes may pass them on the way.
const Marking* FiringEngine::fireTransitions(const std::vector<GEGraphElement*>& transitions) {
    if (history_.empty()) return nullptr;
    computeIfNeeded();
    auto next = std::make_unique<Marking>(*getCurrentMarking());
    CountSums counts(*next);
    for (auto t = transitions.rbegin(); t != transitions.rend(); ++t) {
        const int32_t node = index_.nodeOf(*t);
        if (node < 0) continue;
        for (const ArcIndex::ArcUse& arc : index_.arcsOf(node)) {
            if (arc.input) {
                counts.add(arc.place, -int64_t{arc.weight});
                if (returnInput_[arc.place]) next->popRecursion();
            } else {
                counts.add(arc.place, arc.weight);
                GEPlace* place = next->placeAt(arc.place);
                if (place->isStackPlace()) next->pushRecursion(place);
            }
        }
    }
    counts.store();
    pushMarking(std::move(next));
    return getCurrentMarking();
}

std::vector<std::string> FiringEngine::getRecursionStackNames() const {
    std::vector<std::string> names;
    if (const Marking* marking = getCurrentMarking()) {
        for (const GEPlace* p : marking->getRecursionStack()) names.push_back(p->getIdentifier());
    }
    return names;
}

bool FiringEngine::usesStackPlaces() const {
    const Marking* marking = getCurrentMarking();
    if (!marking) return false;
    for (int32_t place = 0; place < marking->placeCount(); ++place) {
        if (marking->placeAt(place)->isStackPlace()) return true;
    }
    return false;
}

void FiringEngine::clearResults() {
    enabled_.clear();
    conflicting_.clear();
    forwardConflictPlaces_.clear();
    backwardConflictPlaces_.clear();
    computed_ = false;
}

void FiringEngine::computeIfNeeded() {
    if (computed_) return;
    clearResults();
    computed_ = true;
    const Marking* marking = getCurrentMarking();
    if (!marking) return;
    const std::shared_ptr<const PlaceOrder> places = marking->placeOrder();
    if (!index_.isBuiltFor(places.get())) index_.build(arcs_, transitions_, places);
    computeEnabled(*marking);
    computeConflicts(*marking);
    markReturnInputPlaces(*marking);
}

void FiringEngine::computeEnabled(const Marking& marking) {
    enabledNode_.assign(index_.nodeCount(), 0);
    for (int32_t node = 0; node < index_.transitionCount(); ++node) {
        if (!isEnabled(node, marking)) continue;
        enabledNode_[node] = 1;
        enabled_.push_back(index_.nodeAt(node));
    }
}

// All arcs between the transition and one place are tested together: parallel arcs
// take their summed weight, and arcs both ways are one exchange whose result must fit.
bool FiringEngine::isEnabled(int32_t node, const Marking& marking) const {
    const std::vector<ArcIndex::PlaceUse>& places = index_.placesOf(node);
    if (places.empty()) return false;
    for (const ArcIndex::PlaceUse& use : places) {
        const int64_t tokens = marking.tokensAt(use.place);
        if (tokens < use.in) return false;
        if (use.hasOutput && use.out - use.in > marking.roomAt(use.place)) return false;
    }
    return true;
}

void FiringEngine::computeConflicts(const Marking& marking) {
    std::vector<int32_t> forward;
    std::vector<int32_t> backward;
    collectCandidates(marking, forward, backward);
    for (int32_t place : forward) {
        if (isReturnInputPlace(place, marking)) restrictReturns(place, marking);
    }
    dropRestrictedTransitions();
    // A return place is judged like any other once its restriction has been applied:
    // the transitions left may still want more than it holds.
    std::vector<char> kept(marking.placeCount(), 0);
    std::vector<int32_t> forwardKept;
    for (int32_t place : forward) {
        if (kept[place] || demandOf(place, enabledNode_) <= marking.tokensAt(place)) continue;
        kept[place] = 1;
        forwardKept.push_back(place);
    }
    kept.assign(marking.placeCount(), 0);
    std::vector<int32_t> backwardKept;
    for (int32_t place : backward) {
        if (kept[place] || excessOf(place, enabledNode_) <= marking.roomAt(place)) continue;
        kept[place] = 1;
        backwardKept.push_back(place);
    }
    conflictingNode_.assign(index_.nodeCount(), 0);
    for (int32_t place : forwardKept) {
        forwardConflictPlaces_.push_back(marking.placeAt(place));
        addConflicting(place, true);
    }
    for (int32_t place : backwardKept) {
        backwardConflictPlaces_.push_back(marking.placeAt(place));
        addConflicting(place, false);
    }
}

// A place is a candidate each time an enabled transition's arc meets it again, as input
// and as output apart.
void FiringEngine::collectCandidates(const Marking& marking, std::vector<int32_t>& forward,
                                     std::vector<int32_t>& backward) const {
    std::vector<char> metAsInput(marking.placeCount(), 0);
    std::vector<char> metAsOutput(marking.placeCount(), 0);
    for (int32_t node = 0; node < index_.transitionCount(); ++node) {
        if (!enabledNode_[node]) continue;
        for (const ArcIndex::ArcUse& arc : index_.arcsOf(node)) {
            std::vector<char>& met = arc.input ? metAsInput : metAsOutput;
            if (met[arc.place]) {
                (arc.input ? forward : backward).push_back(arc.place);
            } else {
                met[arc.place] = 1;
            }
        }
    }
}

// Not a stack place, and the first enabled transition taking from it also takes from a
// stack place.
bool FiringEngine::isReturnInputPlace(int32_t place, const Marking& marking) const {
    if (marking.placeAt(place)->isStackPlace()) return false;
    for (const ArcIndex::NodeUse& use : index_.usersOf(place)) {
        if (use.hasInput && enabledNode_[use.node]) return index_.hasStackInput(use.node);
    }
    return false;
}

// With an empty recursion stack no transition may return through the place.
void FiringEngine::restrictReturns(int32_t place, const Marking& marking) {
    const GEPlace* top = marking.topRecursion();
    const int32_t topPlace = top ? marking.positionOf(top) : -1;
    for (const ArcIndex::NodeUse& use : index_.usersOf(place)) {
        if (!use.hasInput || !enabledNode_[use.node]) continue;
        if (topPlace < 0 || !index_.takesFrom(use.node, topPlace)) enabledNode_[use.node] = 0;
    }
}

void FiringEngine::dropRestrictedTransitions() {
    enabled_.clear();
    for (int32_t node = 0; node < index_.transitionCount(); ++node) {
        if (enabledNode_[node]) enabled_.push_back(index_.nodeAt(node));
    }
}

int64_t FiringEngine::demandOf(int32_t place, const std::vector<char>& chosen) const {
    int64_t demand = 0;
    for (const ArcIndex::NodeUse& use : index_.usersOf(place)) {
        if (use.hasInput && chosen[use.node]) demand += use.in;
    }
    return demand;
}

int64_t FiringEngine::excessOf(int32_t place, const std::vector<char>& chosen) const {
    int64_t excess = 0;
    for (const ArcIndex::NodeUse& use : index_.usersOf(place)) {
        if (chosen[use.node]) excess += excessOver(use.in, use.out);
    }
    return excess;
}

// The enabled transitions taking from the place (takers) or giving to it, in enabled
// order.
void FiringEngine::addConflicting(int32_t place, bool takers) {
    for (const ArcIndex::NodeUse& use : index_.usersOf(place)) {
        if (!enabledNode_[use.node] || conflictingNode_[use.node]) continue;
        if (!(takers ? use.hasInput : use.hasOutput)) continue;
        conflictingNode_[use.node] = 1;
        conflicting_.push_back(index_.nodeAt(use.node));
    }
}

void FiringEngine::markReturnInputPlaces(const Marking& marking) {
    returnInput_.assign(marking.placeCount(), 0);
    for (int32_t place = 0; place < marking.placeCount(); ++place) {
        returnInput_[place] = isReturnInputPlace(place, marking);
    }
}
