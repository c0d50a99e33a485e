// Stand-in masters of the block diagram stencil: active element (with outline and
// sticky man, or a plain box), passive element, connection, access arrow, communication
// channel and the misc shapes.
//
// Sub-shape layout (indexes from 1):
//   active:  1 outline, 2 sticky man (identifier on the group itself)
//   channel: 1 first edge, 2 channel node, 3 second edge, 4 request arrow with the
//            request text (identifier on the group itself)
//   dots:    1 frame, then the dots (2 and 3, or 2 to 4 with seven sub-shapes), then
//            the edges between them
#pragma once

#include <string>

#include "platform/visio/ComRef.h"
#include "simhost/stencil/StencilOptions.h"

namespace simhost {
class Page;
class Shape;
}  // namespace simhost

namespace simhost::stencil {

visio::ComRef<Shape> dropBlockActive(Page& page, const StencilOptions& options = {},
                                     std::string* problems = nullptr);
visio::ComRef<Shape> dropBlockPassive(Page& page, const StencilOptions& options = {},
                                      std::string* problems = nullptr);
// 1-D, with the options' arrowheads.
visio::ComRef<Shape> dropBlockConnection(Page& page, const StencilOptions& options = {},
                                         std::string* problems = nullptr);
visio::ComRef<Shape> dropAccessArrow(Page& page, const StencilOptions& options = {},
                                     std::string* problems = nullptr);
visio::ComRef<Shape> dropChannel(Page& page, const StencilOptions& options = {},
                                 std::string* problems = nullptr);
// The kind is options.miscType; a dots shape has options.dotSubShapes sub-shapes.
visio::ComRef<Shape> dropMisc(Page& page, const StencilOptions& options = {},
                              std::string* problems = nullptr);

}  // namespace simhost::stencil
