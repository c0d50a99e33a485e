// Makes the first marking of a simulation run from the places of the net.
#pragma once

#include <memory>

class GEElementSet;
class Marking;

// Holds nothing: the simulator makes one when it enters a simulation and discards it.
class InitialMarkingBuilder {
public:
    // One entry per place of the set, in set order, with the place's own marking; the
    // recursion stack is empty. Every element of the set must be a GEPlace.
    std::unique_ptr<Marking> buildInitialMarking(GEElementSet* places) const;
};
