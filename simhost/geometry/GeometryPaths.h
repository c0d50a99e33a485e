// The paths a geometry section draws, in the shape's own coordinates, read from its
// rows as Visio draws them: MoveTo and LineTo corners (rows without a type are taken
// for them), arcs, and whole ellipses.
#pragma once

#include <cstdint>
#include <vector>

#include "simhost/host/Transform.h"

namespace simhost {
class Shape;
}

namespace simhost::geometry {

struct LocalPath {
    std::vector<Point2> points;
    bool closed = false;  // the last point is the first again (not repeated in points)
};

class GeometryPaths {
public:
    static bool isGeometrySection(int16_t section);
    // The section's NoShow is set: Visio does not draw it.
    static bool isHidden(Shape& shape, int16_t section);
    static std::vector<LocalPath> read(Shape& shape, int16_t section);

private:
    static Point2 cellPoint(Shape& shape, int16_t section, int16_t row, int16_t xCell);
    static void finish(LocalPath& path, std::vector<LocalPath>& paths);
};

}  // namespace simhost::geometry
