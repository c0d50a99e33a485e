// Every command of qavhost, for the program and for the tests that play sessions as a
// user types them.
#pragma once

namespace runner {

class Runner;

void addAllCommands(Runner& runner);

}  // namespace runner
