// The stand-in of a master that the layout command serves: a 1-D shape with
// "User.RecursionFlag" and two action rows, horizontal then vertical, both sending
// "ALA" with the shape's ID and the number of the first row.
#pragma once

#include <string>

#include "platform/visio/ComRef.h"
#include "simhost/stencil/StencilOptions.h"

namespace simhost {
class Page;
class Shape;
}  // namespace simhost

namespace simhost::stencil {

// From the options' begin to end point; the rows are options.firstLayoutRow and the
// one after it (earlier rows stay empty).
visio::ComRef<Shape> dropLayoutShape(Page& page, const StencilOptions& options = {},
                                     std::string* problems = nullptr);

}  // namespace simhost::stencil
