// Shapes whose outlines the stand-in stencils do not draw: 1-D polylines through any
// points, and 2-D polygons (an L-shaped outline, say). Both keep their vertices as
// formulas of Width (and Height), so they stretch with the shape as Visio's do.
#pragma once

#include <vector>

#include "simhost/host/ShapeSpec.h"
#include "simhost/host/Transform.h"

namespace simhost::geometry {

class OutlineSpecs {
public:
    // A 1-D shape from the first point to the last, its first geometry section running
    // through every point in turn (one vertex row per point). Points in the coordinates
    // of the page or group the shape goes into; at least two, the first and last apart.
    static ShapeSpec polyline(const std::vector<Point2>& points);
    // A 2-D shape whose box is the points' bounds, its first geometry section the
    // closed path through the points.
    static ShapeSpec polygon(const std::vector<Point2>& points);
};

}  // namespace simhost::geometry
