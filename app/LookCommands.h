// The runner's command that shows how the shown page's shapes look:
//   looks   every shape whose line or first character row holds a guarded formula, with
//           its line colour, weight and pattern and its character colour and style
// (what the consistency checker colours), or that none does.
#pragma once

namespace runner {

class Runner;

void addLookCommands(Runner& runner);

}  // namespace runner
