#include "simhost/geometry/OutlineSpecs.h"

#include <cmath>
#include <string>

#include "simhost/formula/Formula.h"
#include "simhost/geometry/Bounds.h"

namespace simhost::geometry {
namespace {

std::string number(double value) {
    return formula::formatNumber(value);
}

ShapeSpec& vertex(ShapeSpec& spec, size_t row, const std::string& x, const std::string& y) {
    const std::string n = std::to_string(row);
    return spec.cell("Geometry1.X" + n, x).cell("Geometry1.Y" + n, y);
}

ShapeSpec& component(ShapeSpec& spec) {
    return spec.withoutGeometry()
        .cell("Geometry1.NoFill", "FALSE")
        .cell("Geometry1.NoLine", "FALSE")
        .cell("Geometry1.NoShow", "FALSE")
        .cell("Geometry1.NoSnap", "FALSE");
}

}  // namespace

ShapeSpec OutlineSpecs::polyline(const std::vector<Point2>& points) {
    Point2 begin = points.empty() ? Point2() : points.front();
    Point2 end = points.empty() ? Point2() : points.back();
    ShapeSpec spec = ShapeSpec::line(begin.x, begin.y, end.x, end.y);
    component(spec);
    // The 1-D shape's own coordinates: x from the begin towards the end point, y
    // across to the left.
    double dx = end.x - begin.x, dy = end.y - begin.y;
    double length = std::hypot(dx, dy);
    if (length <= 0) return spec;
    double cs = dx / length, sn = dy / length;
    for (size_t i = 0; i < points.size(); ++i) {
        double px = points[i].x - begin.x, py = points[i].y - begin.y;
        double along = px * cs + py * sn, across = -px * sn + py * cs;
        vertex(spec, i + 1, "Width*" + number(along / length), number(across) + " in");
    }
    return spec;
}

ShapeSpec OutlineSpecs::polygon(const std::vector<Point2>& points) {
    Bounds box;
    for (const Point2& p : points) box.add(p);
    double width = box.right - box.left, height = box.top - box.bottom;
    ShapeSpec spec =
        ShapeSpec::box((box.left + box.right) / 2, (box.bottom + box.top) / 2, width, height);
    component(spec);
    auto fraction = [](double offset, double extent) {
        return extent > 0 ? number(offset / extent) : std::string("0");
    };
    size_t row = 1;
    for (const Point2& p : points) {
        vertex(spec, row++, "Width*" + fraction(p.x - box.left, width),
               "Height*" + fraction(p.y - box.bottom, height));
    }
    if (!points.empty()) vertex(spec, row, "Geometry1.X1", "Geometry1.Y1");
    return spec;
}

}  // namespace simhost::geometry
