// A running simulation as its controls dialog sees it: the steps it asks for and what it
// shows of the run. The simulator tool is one; the dialog knows no more of it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "simulator/RunMode.h"

class SimulationRun {
public:
    virtual ~SimulationRun() = default;

    // A step of the mode's kind (the holding mode takes none).
    virtual void stepByMode(RunMode mode) = 0;
    virtual void reset() = 0;
    virtual void stepBack() = 0;

    virtual bool hasEnabledTransitions() const = 0;
    virtual bool hasConflicts() const = 0;
    virtual bool hasSingleConflictPlace() const = 0;
    // More than one conflict-free transition when more is set, else at least one.
    virtual bool hasConflictFreeTransitions(bool more) const = 0;
    virtual bool canStepBack() const = 0;
    virtual int32_t stepNumber() const = 0;
    // Bottom first.
    virtual std::vector<std::string> recursionStackNames() const = 0;
    virtual int32_t enabledTransitionCount() const = 0;
    virtual int32_t conflictPlaceCount() const = 0;
    // The run is to end once the dialog's tick has returned: its wait stops early.
    virtual bool hasPendingLeave() const = 0;
};
