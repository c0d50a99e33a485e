// The runner's commands that change the shown drawing as its user does while the add-on
// runs:
//   drop KIND X Y [OPTION=VALUE...]          a 2-D master of the notation, its pin at X Y
//   drop KIND X1 Y1 X2 Y2 [OPTION=VALUE...]  a 1-D master from X1 Y1 to X2 Y2 (inches)
//   delete ID                                a shape (a group with its members)
//   move ID X Y                              a shape's pin to X Y (a member's in its
//                                            group; a 1-D shape's ends come loose and
//                                            move with it)
//   glue ID begin|end TARGET POINT           a connector's end to a connection point
//                                            (from 1) of the target
//   unglue ID begin|end                      a connector's end off what holds it
//   text ID [TEXT]                           a shape's text (the rest of the line)
//   addpage [NAME]                           a new page at the end, then shown
//   page NAME|N                              show a page of the drawing
// The options of drop: text, width, height (2-D), marking and capacity (in the place's
// cells) or marking-box and capacity-box (in its text boxes), weight (an arc's weight
// box) and type (a misc shape's kind); a value is one word.
#pragma once

namespace runner {

class Runner;

void addEditCommands(Runner& runner);

}  // namespace runner
