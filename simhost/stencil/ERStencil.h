// Stand-in masters of the ER diagram stencil: active and passive elements, connection
// and binary relationship.
//
// Sub-shape layout of the binary relationship (indexes from 1): 1 first edge, 2 second
// edge, 3 to 8 the cardinality labels, 9 the relation (which carries the identifier).
#pragma once

#include <string>

#include "platform/visio/ComRef.h"
#include "simhost/stencil/StencilOptions.h"

namespace simhost {
class Page;
class Shape;
}  // namespace simhost

namespace simhost::stencil {

visio::ComRef<Shape> dropERActive(Page& page, const StencilOptions& options = {},
                                  std::string* problems = nullptr);
visio::ComRef<Shape> dropERPassive(Page& page, const StencilOptions& options = {},
                                   std::string* problems = nullptr);
visio::ComRef<Shape> dropERConnection(Page& page, const StencilOptions& options = {},
                                      std::string* problems = nullptr);
visio::ComRef<Shape> dropBinaryRelationship(Page& page, const StencilOptions& options = {},
                                            std::string* problems = nullptr);

}  // namespace simhost::stencil
