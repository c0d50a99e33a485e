// The signed area of a polygon: positive when its points run counter-clockwise.
#pragma once

#include <vector>

#include "simhost/host/Transform.h"

namespace simhost::geometry {

inline double signedArea(const std::vector<Point2>& polygon) {
    double twice = 0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const Point2& a = polygon[i];
        const Point2& b = polygon[(i + 1) % polygon.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2;
}

}  // namespace simhost::geometry
