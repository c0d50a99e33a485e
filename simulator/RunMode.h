// How a simulation advances: by hand, or on every idle tick semi-automatically or
// automatically. The controls dialog holds the run mode; each mode but the holding one
// names the kind of step the simulator takes.
#pragma once

#include <cstdint>

enum class RunMode : int32_t {
    // The user fires: One Step Forward, or a selection in a conflict.
    ByHand = 0,
    // Fires the conflict-free transitions each tick; the user decides the conflicts.
    SemiAutomatic = 1,
    // Semi-automatic, waiting on one conflict place for the user's choice.
    SemiAutomaticHolding = 2,
    // Decides conflicts and concurrency by chance each tick.
    Automatic = 3,
};
