// One simulation run of a Petri net: the history of its markings and, for the current
// marking, what may fire, what is in conflict and why, and the firing itself.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "simulator/ArcIndex.h"
#include "simulator/Marking.h"

class GEElementSet;
class GEGraphElement;
class GEPlace;

// The engine reads the net's arcs and transitions (the diagram model keeps them) and
// owns its markings: the initial one first, the current one last. Every change of the
// current marking clears what was computed for it; the queries compute again on demand,
// once per marking.
//
// A transition is enabled when, for every place it touches, the place holds what all
// its arcs from the place take together, and a place it gives tokens to does not end up
// above its capacity once the same firing has taken its tokens (a place read and
// written back by one transition is one exchange). A place without a capacity has the
// largest count a page can show (2,147,483,647) as one: a count never wraps. Conflicts
// are judged so that the enabled transitions outside any conflict can always fire
// together, and a set accepted by canFireTogether can too: no firing the engine
// approves leaves a place with fewer than no tokens or above its capacity.
//
// Stack places model calls: each arc that puts tokens into a stack place pushes it on
// the marking's recursion stack. A return place is an ordinary place whose first
// enabled taker also takes from a stack place. Where enabled transitions compete for a
// return place, only those that take from the stack place on top of the recursion
// stack stay enabled; each arc taking from a return place pops the stack.
class FiringEngine {
public:
    // Neither set is the engine's; both stay as they are for the whole run.
    FiringEngine(GEElementSet* arcs, GEElementSet* transitions);
    ~FiringEngine();
    FiringEngine(const FiringEngine&) = delete;
    FiringEngine& operator=(const FiringEngine&) = delete;

    // The history. The engine takes the marking; a pushed marking is never changed.
    void pushMarking(std::unique_ptr<Marking> marking);
    // Null before the first push.
    const Marking* getCurrentMarking() const;
    const Marking* getInitialMarking() const;
    int32_t getHistorySize() const { return static_cast<int32_t>(history_.size()); }
    bool isAtInitialMarking() const { return history_.size() == 1; }
    // Drops the current marking unless it is the initial one; answers the current one.
    const Marking* stepBack();
    // Drops every marking after the initial one; answers it.
    const Marking* restartSimulation();
    // Drops the whole history and what was computed.
    void clear();

    // The enabled transitions in transition-set order.
    std::vector<GEGraphElement*> getEnabledTransitions();
    // The enabled transitions in conflict, each once.
    std::vector<GEGraphElement*> getConflictTransitions();
    std::vector<GEGraphElement*> getConflictFreeTransitions();
    // At least one conflict-free transition and at least two enabled.
    bool hasConcurrency();
    // The places whose tokens or free capacity do not suffice for all enabled
    // transitions that take from or give to them, each once.
    std::vector<GEPlace*> getConflictPlaces();
    // Whether the transitions (each counted once) may fire in one step, as far as the
    // conflict places of the current marking decide.
    bool canFireTogether(const std::vector<GEGraphElement*>& transitions);
    // Fires the transitions, the last first, into a new current marking and answers it;
    // a transition listed twice fires twice, and an empty list makes a step that
    // changes nothing. Nothing is tested: callers fire what the queries allow.
    const Marking* fireTransitions(const std::vector<GEGraphElement*>& transitions);

    // The identifiers of the current recursion stack, bottom first.
    std::vector<std::string> getRecursionStackNames() const;
    bool usesStackPlaces() const;

private:
    void clearResults();
    void computeIfNeeded();
    void computeEnabled(const Marking& marking);
    bool isEnabled(int32_t node, const Marking& marking) const;
    void computeConflicts(const Marking& marking);
    void collectCandidates(const Marking& marking, std::vector<int32_t>& forward,
                           std::vector<int32_t>& backward) const;
    bool isReturnInputPlace(int32_t place, const Marking& marking) const;
    void restrictReturns(int32_t place, const Marking& marking);
    void dropRestrictedTransitions();
    // What the chosen nodes (flags by node) take from the place, and give to it beyond
    // what they take.
    int64_t demandOf(int32_t place, const std::vector<char>& chosen) const;
    int64_t excessOf(int32_t place, const std::vector<char>& chosen) const;
    void addConflicting(int32_t place, bool takers);
    void markReturnInputPlaces(const Marking& marking);

    GEElementSet* arcs_;
    GEElementSet* transitions_;
    std::vector<std::unique_ptr<Marking>> history_;
    std::vector<GEGraphElement*> enabled_;
    std::vector<GEGraphElement*> conflicting_;
    std::vector<GEPlace*> forwardConflictPlaces_;
    std::vector<GEPlace*> backwardConflictPlaces_;
    bool computed_ = false;

    // What the computation keeps beside the lists, by node and by place position.
    ArcIndex index_;
    std::vector<char> enabledNode_;
    std::vector<char> conflictingNode_;
    std::vector<char> returnInput_;
};
