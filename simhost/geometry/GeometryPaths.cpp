#include "simhost/geometry/GeometryPaths.h"

#include <cmath>

#include "simhost/geometry/CurveSampler.h"
#include "simhost/host/Shape.h"

namespace simhost::geometry {
namespace {

constexpr int16_t kFirstGeometry = 10;
constexpr int16_t kLastGeometry = 239;
constexpr int16_t kNoShowCell = 2;
// Visio's geometry row types.
constexpr int16_t kMoveTo = 138;
constexpr int16_t kArcTo = 140;
constexpr int16_t kInfiniteLine = 141;
constexpr int16_t kEllipse = 143;
constexpr int16_t kEllipticalArcTo = 144;
// Cells of a vertex row: X, Y, A, B, C, D.
constexpr int16_t kX = 0, kA = 2, kC = 4;

bool samePoint(Point2 a, Point2 b) {
    return std::fabs(a.x - b.x) <= 1e-9 && std::fabs(a.y - b.y) <= 1e-9;
}

}  // namespace

bool GeometryPaths::isGeometrySection(int16_t section) {
    return section >= kFirstGeometry && section <= kLastGeometry;
}

bool GeometryPaths::isHidden(Shape& shape, int16_t section) {
    if (!shape.sheet().cell({section, 0, kNoShowCell})) return false;
    return shape.cellNumber({section, 0, kNoShowCell}) != 0;
}

Point2 GeometryPaths::cellPoint(Shape& shape, int16_t section, int16_t row, int16_t xCell) {
    return {shape.cellNumber({section, row, xCell}),
            shape.cellNumber({section, row, static_cast<int16_t>(xCell + 1)})};
}

void GeometryPaths::finish(LocalPath& path, std::vector<LocalPath>& paths) {
    if (path.points.size() >= 4 && samePoint(path.points.front(), path.points.back())) {
        path.points.pop_back();
        path.closed = true;
    }
    if (!path.points.empty()) paths.push_back(std::move(path));
    path = LocalPath();
}

std::vector<LocalPath> GeometryPaths::read(Shape& shape, int16_t section) {
    std::vector<LocalPath> paths;
    LocalPath current;
    const int16_t rows = shape.sheet().rowCount(section);
    for (int16_t r = 1; r < rows; ++r) {
        const SheetRow* row = shape.sheet().row(section, r);
        if (!row || row->tag == kInfiniteLine) continue;
        Point2 to = cellPoint(shape, section, r, kX);
        if (row->tag == kEllipse) {
            finish(current, paths);
            LocalPath ellipse;
            ellipse.points = CurveSampler::ellipse(to, cellPoint(shape, section, r, kA),
                                                   cellPoint(shape, section, r, kC));
            ellipse.closed = true;
            paths.push_back(std::move(ellipse));
            continue;
        }
        if (row->tag == kMoveTo || current.points.empty()) {
            finish(current, paths);
            current.points.push_back(to);
            continue;
        }
        Point2 from = current.points.back();
        std::vector<Point2> next;
        if (row->tag == kArcTo) {
            next = CurveSampler::arcWithBow(from, to, shape.cellNumber({section, r, kA}));
        } else if (row->tag == kEllipticalArcTo) {
            next = CurveSampler::arcThrough(from, cellPoint(shape, section, r, kA), to);
        } else {
            next = {to};
        }
        current.points.insert(current.points.end(), next.begin(), next.end());
    }
    finish(current, paths);
    return paths;
}

}  // namespace simhost::geometry
