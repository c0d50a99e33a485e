#include "simhost/stencil/LayoutStencil.h"

#include "simhost/host/Shape.h"
#include "simhost/stencil/NotationSpec.h"
#include "simhost/stencil/StencilGeometry.h"

namespace simhost::stencil {

visio::ComRef<Shape> dropLayoutShape(Page& page, const StencilOptions& options,
                                     std::string* problems) {
    NotationSpec spec(lineOutline(options, false).text(options.text), options);
    return spec.layoutMenu().drop(page, problems);
}

}  // namespace simhost::stencil
