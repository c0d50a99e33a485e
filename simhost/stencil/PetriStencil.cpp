#include "simhost/stencil/PetriStencil.h"

#include <cmath>

#include "simhost/host/Shape.h"
#include "simhost/stencil/NotationSpec.h"
#include "simhost/stencil/StencilGeometry.h"

namespace simhost::stencil {
namespace {

constexpr char kPetriNet[] = "QAV-Petri_net";

NotationSpec petriSpec(ShapeSpec outline, const StencilOptions& options, const char* type) {
    NotationSpec spec(std::move(outline), options);
    spec.notation(kPetriNet, type);
    return spec;
}

std::string capacityFormula(const StencilOptions& options) {
    return options.capacity.empty() ? "-1" : options.capacity;
}

// The marking lives in a cell that the place's action row toggles; the masters of the
// first stencils carried the row without the toggle.
NotationSpec& markingCell(NotationSpec& spec, const StencilOptions& options) {
    spec.cell("User.QAV_marking", options.marking).cell("Actions.Menu", "\"Marked\"");
    if (options.version == "2.0.0" || options.version == "2.0.1") return spec;
    return spec.cell("Actions.Action", "SETF(GetRef(User.QAV_marking),NOT(User.QAV_marking))")
        .cell("Actions.Checked", "User.QAV_marking")
        .cell("Actions.Disabled", "LockCrop");
}

visio::ComRef<Shape> dropPlaceWithCells(Page& page, const StencilOptions& options,
                                        std::string* problems) {
    NotationSpec spec = petriSpec(ellipseOutline(options).text(options.text), options, "passive");
    spec.cell("User.QAV_Identifier_ID", "0").cell("User.QAV_capacity", capacityFormula(options));
    return markingCell(spec, options).layoutTables().drop(page, problems);
}

visio::ComRef<Shape> dropPlaceWithTextBoxes(Page& page, const StencilOptions& options,
                                            std::string* problems) {
    const double w = options.width;
    const double h = options.height;
    const bool markingBox = options.markingIn == ValueIn::TextBox;
    const bool capacityBox = options.capacityIn == ValueIn::TextBox;
    NotationSpec spec = petriSpec(groupOutline(options), options, "passive");
    spec.member(memberEllipse(w / 2, h / 2, w, h), GroupLook::Line)
        .member(memberLabel(w / 2, h * 1.2, w, h / 4).text(options.text), GroupLook::Text)
        .member(memberLabel(w / 2, h / 2, w / 2, h / 4).text(markingBox ? options.marking : ""),
                GroupLook::Text)
        .member(
            memberLabel(w * 0.9, h * 0.9, w / 4, h / 4).text(capacityBox ? options.capacity : ""),
            GroupLook::Text)
        .cell("User.QAV_Identifier_ID", "2")
        .cell("User.TIA_NumberOfTextBoxes", "3")
        .textBox(1, 2, "Name")
        .textBox(2, 3, "Tokens")
        .textBox(3, 4, "Capacity");
    if (markingBox) {
        spec.cell("User.QAV_marking_id", "3");
    } else {
        markingCell(spec, options);
    }
    if (capacityBox) {
        spec.cell("User.QAV_capacity_id", "4");
    } else {
        spec.cell("User.QAV_capacity", capacityFormula(options));
    }
    // The boxes' own rows follow the marking row, when the place has one.
    const int firstEditRow = markingBox ? 1 : 2;
    spec.editBoxAction(firstEditRow, 2, "Edit name")
        .editBoxAction(firstEditRow + 1, 3, "Edit tokens")
        .editBoxAction(firstEditRow + 2, 4, "Edit capacity");
    return spec.layoutTables(1).drop(page, problems);
}

// The edges of start/end and connection places point the way tokens flow: into the
// place, and out of it.
ShapeSpec edgeInto(ShapeSpec edge, const StencilOptions& options) {
    edge.cell("BeginArrow", options.beginArrow).cell("EndArrow", options.endArrow);
    return edge;
}

// The arrow spans the arc and its labels stay at its middle however its ends move
// later: the parts take the group's length, as a master's parts refer to their group.
void followArcLength(Shape& arc) {
    const std::string length = "Sheet." + std::to_string(arc.id()) + "!Width";
    const auto& parts = arc.memberList();
    if (parts.size() < 3) return;
    parts[0]->setCell("EndX", length);
    parts[1]->setCell("PinX", length + "*0.5");
    parts[2]->setCell("PinX", length + "*0.5");
}

}  // namespace

visio::ComRef<Shape> dropTransition(Page& page, const StencilOptions& options,
                                    std::string* problems) {
    return petriSpec(boxOutline(options).text(options.text), options, "active")
        .cell("User.QAV_Identifier_ID", "0")
        .layoutTables()
        .drop(page, problems);
}

visio::ComRef<Shape> dropPlace(Page& page, const StencilOptions& options, std::string* problems) {
    if (options.markingIn == ValueIn::Cell && options.capacityIn == ValueIn::Cell) {
        return dropPlaceWithCells(page, options, problems);
    }
    return dropPlaceWithTextBoxes(page, options, problems);
}

visio::ComRef<Shape> dropArc(Page& page, const StencilOptions& options, std::string* problems) {
    const double length =
        std::hypot(options.end.x - options.begin.x, options.end.y - options.begin.y);
    ShapeSpec arrow = memberLine(0, 0, length, 0);
    arrow.cell("BeginArrow", options.beginArrow).cell("EndArrow", options.endArrow);
    visio::ComRef<Shape> arc =
        petriSpec(lineGroupOutline(options), options, "connection")
            .member(std::move(arrow), GroupLook::Line)
            .member(memberLabel(length / 2, 0.15, 0.3, 0.2).text(options.weight), GroupLook::Text)
            .member(memberLabel(length / 2, -0.15, 0.6, 0.2).text(options.text), GroupLook::Text)
            .cell("User.QAV_Identifier_ID", "3")
            .cell("User.QAV_arrow_id", "1")
            .cell("User.QAV_ARCWEIGHT_id", "2")
            .cell("User.TIA_NumberOfTextBoxes", "1")
            .textBox(1, 2, "Weight")
            .editBoxAction(1, 2, "Edit weight")
            .drop(page, problems);
    if (arc) followArcLength(*arc.get());
    return arc;
}

visio::ComRef<Shape> dropStartEndPlace(Page& page, const StencilOptions& options,
                                       std::string* problems) {
    const double w = options.width;
    const double h = options.height;
    NotationSpec spec =
        petriSpec(groupOutline(options).text(options.text), options, "start_end_place");
    spec.member(edgeInto(memberLine(0, h / 2, w * 0.4, h / 2), options), GroupLook::Line)
        .member(memberEllipse(w * 0.7, h / 2, w * 0.6, h), GroupLook::Line)
        .cell("User.QAV_Identifier_ID", "0")
        .cell("User.QAV_firstedge_id", "1")
        .cell("User.QAV_place_id", "2")
        .cell("User.QAV_capacity", "1");
    return markingCell(spec, options).drop(page, problems);
}

visio::ComRef<Shape> dropConnectionPlace(Page& page, const StencilOptions& options,
                                         std::string* problems) {
    const double w = options.width;
    const double h = options.height;
    NotationSpec spec =
        petriSpec(groupOutline(options).text(options.text), options, "connection_place");
    spec.member(edgeInto(memberLine(0, h / 2, w * 0.3, h / 2), options), GroupLook::Line)
        .member(memberEllipse(w / 2, h / 2, w * 0.4, h), GroupLook::Line)
        .member(edgeInto(memberLine(w * 0.7, h / 2, w, h / 2), options), GroupLook::Line)
        .cell("User.QAV_Identifier_ID", "0")
        .cell("User.QAV_firstedge_id", "1")
        .cell("User.QAV_place_id", "2")
        .cell("User.QAV_secondedge_id", "3")
        .cell("User.QAV_capacity", "1");
    return markingCell(spec, options).drop(page, problems);
}

visio::ComRef<Shape> dropStackPlace(Page& page, const StencilOptions& options,
                                    std::string* problems) {
    const double w = options.width;
    const double h = options.height;
    const std::string capacity = capacityFormula(options);
    const bool onGroup = capacity == "1";
    return petriSpec(groupOutline(options).text(onGroup ? options.text : ""), options,
                     "stack_place")
        .member(memberBox(w / 2, h / 2, w, h), GroupLook::Line)
        .member(memberLabel(w / 2, h * 1.2, w, h / 4).text(onGroup ? "" : options.text),
                GroupLook::Text)
        .cell("User.QAV_Identifier_ID", onGroup ? "0" : "2")
        .cell("User.QAV_capacity", capacity)
        .layoutTables(1)
        .drop(page, problems);
}

}  // namespace simhost::stencil
