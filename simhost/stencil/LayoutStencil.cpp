#include "simhost/stencil/LayoutStencil.h"

#include "simhost/host/Shape.h"
#include "simhost/stencil/NotationSpec.h"
#include "simhost/stencil/StencilGeometry.h"

namespace simhost::stencil {

visio::ComRef<Shape> dropLayoutShape(Page& page, const StencilOptions& options,
                                     std::string* problems) {
    const int first = options.firstLayoutRow;
    const std::string argument =
        std::string("SINK=ALA Sheet.") + NotationSpec::ownId + " SCMIndex=" + std::to_string(first);
    NotationSpec spec(lineOutline(options, false).text(options.text), options);
    spec.cell("User.RecursionFlag", options.recursionFlag);
    for (int row = 1; row < first; ++row) spec.cell(NotationSpec::actionCell("Menu", row), "\"\"");
    const char* const menus[2] = {"Horizontal", "Vertical"};
    for (int i = 0; i < 2; ++i) {
        spec.cell(NotationSpec::actionCell("Action", first + i), NotationSpec::runAddon(argument))
            .cell(NotationSpec::actionCell("Menu", first + i), NotationSpec::quoted(menus[i]))
            .cell(NotationSpec::actionCell("Checked", first + i), "0");
    }
    return spec.drop(page, problems);
}

}  // namespace simhost::stencil
