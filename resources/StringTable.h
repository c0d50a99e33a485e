// The add-on's string table, one row per string: X(id, text). The resource script
// compiles the rows into the library's string table, and code reads the same rows, so
// the texts have one definition. Macros only: the resource compiler reads this file too.
#pragma once

// The hints of the simulator's toolbar buttons, under the buttons' command ids; the
// controls dialog's status bar shows them while the mouse is over a button.
#define QAV_STRING_TABLE(X)                                         \
    X(40015, "Reset - return to initial marking")                   \
    X(40017, "SemiAutoSim - Holds on conflicts and on concurrency") \
    X(40018, "One Step Back")                                       \
    X(40020, "One Step Forward")                                    \
    X(40021, "AutoSim - conflicts/concurrencies are decided automatically")
