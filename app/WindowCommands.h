// The runner's commands that act on the add-on's windows as a user would: listing them,
// clicking, ticking, typing, choosing, sliding, closing, a property sheet's OK, Cancel
// and Apply, Escape for the next message box; and looking at the settings file and
// setting Visio's help path.
//
// A DIALOG is named by its template id (a number) or its caption; a caption with blanks
// is written in double quotes.
#pragma once

namespace runner {

class Runner;

void addWindowCommands(Runner& runner);

}  // namespace runner
