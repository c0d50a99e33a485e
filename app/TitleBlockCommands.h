// The runner's commands for what the title block component serves: pages renamed, made
// background pages and put behind others, the document's properties, the rows of a
// shortcut menu listed and picked, the answer of the picture import dialog, and the date
// the calendar shows.
#pragma once

namespace runner {

class Runner;

void addTitleBlockCommands(Runner& runner);

}  // namespace runner
