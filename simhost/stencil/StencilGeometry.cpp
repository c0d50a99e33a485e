#include "simhost/stencil/StencilGeometry.h"

#include "simhost/host/Shape.h"
#include "simhost/sheet/ShapeSheet.h"

namespace simhost::stencil {
namespace {

constexpr int16_t kGeometry1 = 10;
constexpr int16_t kEllipseTag = 143;  // Visio's visTagEllipse
// The cell that only an ellipse row fills among the stand-in outlines.
constexpr int16_t kEllipseMarkerCell = 2;  // A

// An ellipse row: centre, the end of one axis, the end of the other.
ShapeSpec& addEllipse(ShapeSpec& spec) {
    return spec.withoutGeometry()
        .cell("Geometry1.NoFill", "FALSE")
        .cell("Geometry1.NoLine", "FALSE")
        .cell("Geometry1.NoShow", "FALSE")
        .cell("Geometry1.NoSnap", "FALSE")
        .cell("Geometry1.X1", "Width*0.5")
        .cell("Geometry1.Y1", "Height*0.5")
        .cell("Geometry1.A1", "Width*1")
        .cell("Geometry1.B1", "Height*0.5")
        .cell("Geometry1.C1", "Width*0.5")
        .cell("Geometry1.D1", "Height*1");
}

void addPoint(ShapeSpec& spec, int row, const std::string& x, const std::string& y) {
    const std::string number = std::to_string(row);
    spec.cell("Connections.X" + number, x).cell("Connections.Y" + number, y);
}

}  // namespace

ShapeSpec boxOutline(const StencilOptions& options) {
    ShapeSpec spec = ShapeSpec::box(options.pin.x, options.pin.y, options.width, options.height);
    return addConnectionPoints(spec, options.innerTable);
}

ShapeSpec ellipseOutline(const StencilOptions& options) {
    ShapeSpec spec = ShapeSpec::box(options.pin.x, options.pin.y, options.width, options.height);
    addEllipse(spec);
    return addConnectionPoints(spec, options.innerTable);
}

ShapeSpec groupOutline(const StencilOptions& options) {
    ShapeSpec spec = ShapeSpec::group(options.pin.x, options.pin.y, options.width, options.height);
    return addConnectionPoints(spec, options.innerTable);
}

ShapeSpec lineOutline(const StencilOptions& options, bool connector) {
    ShapeSpec spec =
        ShapeSpec::line(options.begin.x, options.begin.y, options.end.x, options.end.y);
    spec.cell("BeginArrow", options.beginArrow).cell("EndArrow", options.endArrow);
    if (connector) {
        addPoint(spec, 1, "Width*0", "Height*0.5");
        addPoint(spec, 2, "Width*1", "Height*0.5");
    }
    return spec;
}

ShapeSpec lineGroupOutline(const StencilOptions& options) {
    ShapeSpec spec =
        ShapeSpec::lineGroup(options.begin.x, options.begin.y, options.end.x, options.end.y);
    addPoint(spec, 1, "Width*0", "Height*0.5");
    addPoint(spec, 2, "Width*1", "Height*0.5");
    return spec;
}

ShapeSpec memberBox(double pinX, double pinY, double width, double height) {
    return ShapeSpec::box(pinX, pinY, width, height);
}

ShapeSpec memberEllipse(double pinX, double pinY, double width, double height) {
    ShapeSpec spec = ShapeSpec::box(pinX, pinY, width, height);
    return addEllipse(spec);
}

ShapeSpec memberLine(double beginX, double beginY, double endX, double endY) {
    return ShapeSpec::line(beginX, beginY, endX, endY);
}

ShapeSpec memberLabel(double pinX, double pinY, double width, double height) {
    return ShapeSpec::box(pinX, pinY, width, height).withoutGeometry();
}

ShapeSpec& addConnectionPoints(ShapeSpec& spec, bool inner) {
    addPoint(spec, 1, "Width*0.5", "Height*1");
    addPoint(spec, 2, "Width*1", "Height*0.5");
    addPoint(spec, 3, "Width*0.5", "Height*0");
    addPoint(spec, 4, "Width*0", "Height*0.5");
    if (inner) {
        addPoint(spec, innerPointRow(0), "Width*0.5", "Height*0.9");
        addPoint(spec, innerPointRow(1), "Width*0.9", "Height*0.5");
        addPoint(spec, innerPointRow(2), "Width*0.5", "Height*0.1");
        addPoint(spec, innerPointRow(3), "Width*0.1", "Height*0.5");
    }
    return spec;
}

int innerPointRow(int point) {
    return 5 + point;
}

void finishEllipses(Shape& shape) {
    ShapeSheet& sheet = shape.sheet();
    const SheetCell* marker = sheet.cell({kGeometry1, 1, kEllipseMarkerCell});
    if (marker && !marker->formula.empty()) {
        if (SheetRow* row = sheet.row(kGeometry1, 1)) row->tag = kEllipseTag;
    }
    for (const auto& member : shape.memberList()) finishEllipses(*member.get());
}

}  // namespace simhost::stencil
