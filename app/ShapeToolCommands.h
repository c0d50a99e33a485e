// The runner's commands for the shape action tools, as a user works with shapes:
//   action ID ROW|LABEL   picks a row of the shape's action menu (by number from 1, or
//                         by the text it shows)
//   subselect ID          clicks a member of a group (the group stays super-selected)
//   edit                  opens the selected shape's text for typing (Visio's 1214)
//   type [TEXT]           types the text into it (replacing what it held)
//   copy, paste, duplicate   the Edit menu's commands on the selection
//   prompts ID            the shape's text boxes: their text and character formats
//   modified              whether the drawing has unsaved changes
//   filecell FILE NAME    a document sheet cell as a drawing file stores it
#pragma once

namespace runner {

class Runner;

void addShapeToolCommands(Runner& runner);

}  // namespace runner
