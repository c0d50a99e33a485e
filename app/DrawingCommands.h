// The runner's commands on drawings: open a drawing file, show what it holds and which
// cells changed, read and set a cell, save. Paths are taken as Runner::resolvePath says.
#pragma once

namespace runner {

class Runner;

void addDrawingCommands(Runner& runner);

}  // namespace runner
