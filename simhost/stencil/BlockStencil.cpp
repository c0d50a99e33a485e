#include "simhost/stencil/BlockStencil.h"

#include "simhost/host/Shape.h"
#include "simhost/stencil/NotationSpec.h"
#include "simhost/stencil/StencilGeometry.h"

namespace simhost::stencil {
namespace {

constexpr char kBlockDiagram[] = "QAV-Block_diagram";

NotationSpec blockSpec(ShapeSpec outline, const StencilOptions& options, const char* type) {
    NotationSpec spec(std::move(outline), options);
    spec.notation(kBlockDiagram, type);
    return spec;
}

ShapeSpec textOutline(ShapeSpec outline, const StencilOptions& options) {
    return outline.text(options.text);
}

// The parts of a dots shape: a frame, then dots, then dashes.
void addDots(NotationSpec& spec, const StencilOptions& options) {
    const double w = options.width;
    const double h = options.height;
    const int count = options.dotSubShapes;
    const int dots = count >= 7 ? 3 : 2;
    if (count >= 1) spec.member(memberBox(w / 2, h / 2, w, h), GroupLook::Line);
    for (int i = 2; i <= count; ++i) {
        const double x = w * (i - 1) / count;
        if (i <= 1 + dots) {
            spec.member(memberEllipse(x, h / 2, w / 20, w / 20), GroupLook::Line);
        } else {
            spec.member(memberLine(x - w / (2 * count), h / 2, x, h / 2), GroupLook::Line);
        }
    }
}

ShapeSpec miscOutline(const StencilOptions& options) {
    if (options.miscType == "protocol_boundary") return lineOutline(options, false);
    if (options.miscType == "dots") return groupOutline(options);
    return textOutline(boxOutline(options), options);
}

}  // namespace

visio::ComRef<Shape> dropBlockActive(Page& page, const StencilOptions& options,
                                     std::string* problems) {
    if (!options.withSubShapes) {
        return blockSpec(textOutline(boxOutline(options), options), options, "active")
            .cell("User.QAV_Identifier_ID", "0")
            .cell("User.QAV_Outline_ID", "0")
            .cell("User.QAV_StickyMan", "0")
            .layoutTables()
            .drop(page, problems);
    }
    const double w = options.width;
    const double h = options.height;
    return blockSpec(textOutline(groupOutline(options), options), options, "active")
        .member(memberBox(w / 2, h / 2, w, h), GroupLook::Line)
        .member(memberBox(w / 8, h / 2, w / 8, h / 2), GroupLook::Line)
        .cell("User.QAV_Identifier_ID", "0")
        .cell("User.QAV_Outline_ID", "1")
        .cell("User.QAV_StickyMan", "2")
        .layoutTables(1)
        .drop(page, problems);
}

visio::ComRef<Shape> dropBlockPassive(Page& page, const StencilOptions& options,
                                      std::string* problems) {
    return blockSpec(textOutline(boxOutline(options), options), options, "passive")
        .cell("User.QAV_Identifier_ID", "0")
        .layoutTables()
        .drop(page, problems);
}

visio::ComRef<Shape> dropBlockConnection(Page& page, const StencilOptions& options,
                                         std::string* problems) {
    NotationSpec spec =
        blockSpec(textOutline(lineOutline(options, true), options), options, "connection");
    spec.cell("User.QAV_Identifier_ID", "0");
    if (options.layoutMenu) spec.layoutMenu();
    return spec.drop(page, problems);
}

visio::ComRef<Shape> dropAccessArrow(Page& page, const StencilOptions& options,
                                     std::string* problems) {
    NotationSpec spec =
        blockSpec(textOutline(lineOutline(options, true), options), options, "m_access");
    spec.cell("User.QAV_Identifier_ID", "0");
    if (options.layoutMenu) spec.layoutMenu();
    return spec.drop(page, problems);
}

visio::ComRef<Shape> dropChannel(Page& page, const StencilOptions& options, std::string* problems) {
    const double w = options.width;
    const double h = options.height;
    // The node's own character format is what channels of the older masters take theirs from.
    ShapeSpec node = memberEllipse(w / 2, h / 2, w * 0.3, h * 0.5);
    node.cell("Char.Color", "4");
    return blockSpec(textOutline(groupOutline(options), options), options, "com_channel")
        .member(memberLine(0, h / 2, w * 0.35, h / 2), GroupLook::Line)
        .member(std::move(node), GroupLook::Line)
        .member(memberLine(w * 0.65, h / 2, w, h / 2), GroupLook::Line)
        .member(memberLine(w * 0.35, h * 0.9, w * 0.65, h * 0.9).text("request"),
                GroupLook::LineAndText)
        .cell("User.QAV_Identifier_ID", "0")
        .cell("User.QAV_firstedge_id", "1")
        .cell("User.QAV_channel_id", "2")
        .cell("User.QAV_secondedge_id", "3")
        .cell("User.QAV_RequestArrow_ID", "4")
        .cell("User.QAV_RequestText_ID", "4")
        .drop(page, problems);
}

visio::ComRef<Shape> dropMisc(Page& page, const StencilOptions& options, std::string* problems) {
    NotationSpec spec = blockSpec(miscOutline(options), options, "misc");
    if (options.miscType == "dots") addDots(spec, options);
    return spec.cell("User.QAV_MiscType", NotationSpec::quoted(options.miscType))
        .drop(page, problems);
}

}  // namespace simhost::stencil
