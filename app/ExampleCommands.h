// The runner's command that writes the example drawings:
//   generate KIND FILE [SIZE]   (SIZE: the elements of a large Petri net)
// examples/sessions/generate.qav writes every example of examples/drawings/ this way.
#pragma once

namespace runner {

class Runner;

void addExampleCommands(Runner& runner);

}  // namespace runner
