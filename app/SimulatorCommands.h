// The runner's command for the Petri net simulator's controls dialog, as its user works
// it: pressing its toolbar buttons, resting the mouse on them, reading what it shows
// (the run mode as the toolbar shows it, the step, the counters, the hint and the
// recursion stack) and closing it.
#pragma once

namespace runner {

class Runner;

void addSimulatorCommands(Runner& runner);

}  // namespace runner
