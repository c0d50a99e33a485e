#include "simhost/stencil/ERStencil.h"

#include "simhost/host/Shape.h"
#include "simhost/stencil/NotationSpec.h"
#include "simhost/stencil/StencilGeometry.h"

namespace simhost::stencil {
namespace {

constexpr char kERDiagram[] = "QAV-ER_diagram";
constexpr int kLabelCount = 6;

NotationSpec erSpec(ShapeSpec outline, const StencilOptions& options, const char* type) {
    NotationSpec spec(std::move(outline), options);
    spec.notation(kERDiagram, type);
    return spec;
}

}  // namespace

visio::ComRef<Shape> dropERActive(Page& page, const StencilOptions& options,
                                  std::string* problems) {
    return erSpec(boxOutline(options).text(options.text), options, "active")
        .cell("User.QAV_Identifier_ID", "0")
        .layoutTables()
        .drop(page, problems);
}

visio::ComRef<Shape> dropERPassive(Page& page, const StencilOptions& options,
                                   std::string* problems) {
    return erSpec(ellipseOutline(options).text(options.text), options, "passive")
        .cell("User.QAV_Identifier_ID", "0")
        .layoutTables()
        .drop(page, problems);
}

visio::ComRef<Shape> dropERConnection(Page& page, const StencilOptions& options,
                                      std::string* problems) {
    NotationSpec spec =
        erSpec(lineOutline(options, true).text(options.text), options, "connection");
    spec.cell("User.QAV_Identifier_ID", "0");
    if (options.layoutMenu) spec.layoutMenu();
    return spec.drop(page, problems);
}

visio::ComRef<Shape> dropBinaryRelationship(Page& page, const StencilOptions& options,
                                            std::string* problems) {
    const double w = options.width;
    const double h = options.height;
    NotationSpec spec = erSpec(groupOutline(options), options, "bin_relationship");
    spec.member(memberLine(0, h / 2, w * 0.3, h / 2), GroupLook::Line)
        .member(memberLine(w * 0.7, h / 2, w, h / 2), GroupLook::Line);
    for (int label = 0; label < kLabelCount; ++label) {
        const double x = label < kLabelCount / 2 ? w * 0.15 : w * 0.85;
        spec.member(memberLabel(x, h * (0.6 + 0.1 * (label % 3)), w * 0.1, h * 0.1),
                    GroupLook::Text);
    }
    spec.member(memberBox(w / 2, h / 2, w * 0.4, h).text(options.text), GroupLook::LineAndText)
        .cell("User.QAV_Identifier_ID", "9")
        .cell("User.QAV_firstedge_id", "1")
        .cell("User.QAV_relation_id", "9")
        .cell("User.QAV_secondedge_id", "2");
    // The name in the middle, then the labels at each end: role, minimum and maximum.
    const char* const labels[3] = {"Role", "Min", "Max"};
    spec.cell("User.TIA_NumberOfTextBoxes", std::to_string(1 + kLabelCount)).textBox(1, 9, "Name");
    for (int label = 0; label < kLabelCount; ++label)
        spec.textBox(2 + label, 3 + label, labels[label % 3]);
    return spec.editBoxAction(1, 9, "Edit name").drop(page, problems);
}

}  // namespace simhost::stencil
