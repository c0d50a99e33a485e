// The runner's commands that drive the add-on as Visio and its user would: loading the
// library, pressing its toolbar buttons, run requests, idle time, the selection, the
// answers to message boxes, the toolbar, the events seen, and the regional separators.
#pragma once

namespace runner {

class Runner;

void addAddonCommands(Runner& runner);

}  // namespace runner
