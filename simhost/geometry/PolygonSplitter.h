// Splits a simple polygon that is not convex into triangles (ear clipping), so that an
// outline can hold it as convex pieces.
#pragma once

#include <array>
#include <vector>

#include "simhost/host/Transform.h"

namespace simhost::geometry {

class PolygonSplitter {
public:
    using Triangle = std::array<Point2, 3>;

    // The polygon (without its first point repeated) as triangles; none when its sides
    // cross each other or it has no area.
    static std::vector<Triangle> triangles(std::vector<Point2> polygon);
    // No two sides turn different ways and the sides go round once.
    static bool isConvex(const std::vector<Point2>& polygon);
    // No two sides that do not follow each other meet.
    static bool isSimple(const std::vector<Point2>& polygon);
};

}  // namespace simhost::geometry
