// Stand-in masters of the Petri net stencil: transition, place, arc, start/end place,
// connection place and stack place.
//
// Sub-shape layout (indexes from 1):
//   place with text boxes: 1 outline, 2 name (the identifier), 3 marking box,
//            4 capacity box; text input boxes 1 to 3 are sub-shapes 2 to 4
//   place with cells only: no sub-shapes (identifier on the shape)
//   arc:     a 1-D group: 1 arrow (carrying the arrowheads), 2 weight box (text input
//            box 1), 3 identifier
//   start/end place: 1 edge, 2 place (identifier on the group)
//   connection place: 1 first edge, 2 place, 3 second edge (identifier on the group)
//   stack place: 1 outline, 2 name; the identifier is on the group for capacity 1 and
//            in the name for any other capacity
#pragma once

#include <string>

#include "platform/visio/ComRef.h"
#include "simhost/stencil/StencilOptions.h"

namespace simhost {
class Page;
class Shape;
}  // namespace simhost

namespace simhost::stencil {

visio::ComRef<Shape> dropTransition(Page& page, const StencilOptions& options = {},
                                    std::string* problems = nullptr);
// Marking and capacity in cells or text boxes as the options say.
visio::ComRef<Shape> dropPlace(Page& page, const StencilOptions& options = {},
                               std::string* problems = nullptr);
// A 1-D group from the options' begin to end point; the arrowheads go on the arrow.
visio::ComRef<Shape> dropArc(Page& page, const StencilOptions& options = {},
                             std::string* problems = nullptr);
visio::ComRef<Shape> dropStartEndPlace(Page& page, const StencilOptions& options = {},
                                       std::string* problems = nullptr);
visio::ComRef<Shape> dropConnectionPlace(Page& page, const StencilOptions& options = {},
                                         std::string* problems = nullptr);
// The capacity is a cell ("-1" when the options give none).
visio::ComRef<Shape> dropStackPlace(Page& page, const StencilOptions& options = {},
                                    std::string* problems = nullptr);

}  // namespace simhost::stencil
