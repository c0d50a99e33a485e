// Turns the curved rows of a geometry section into points: ellipses and circular arcs
// become polygons whose sides stay within a hundredth of a millimetre of the curve,
// far inside the tolerances spatial queries use.
#pragma once

#include <vector>

#include "simhost/host/Transform.h"

namespace simhost::geometry {

class CurveSampler {
public:
    // The closed polygon of the ellipse through centre + cos(t)*(a - centre) +
    // sin(t)*(b - centre) (a and b end its two axes), without repeating its first point.
    static std::vector<Point2> ellipse(Point2 centre, Point2 a, Point2 b);
    // The points after `from` of the circular arc from `from` through `middle` to `to`
    // (a straight line when the three are collinear), ending with `to`.
    static std::vector<Point2> arcThrough(Point2 from, Point2 middle, Point2 to);
    // The same for an arc given by its bow: the distance from the middle of the chord
    // to the middle of the arc, to the right of the way from `from` to `to` when
    // positive.
    static std::vector<Point2> arcWithBow(Point2 from, Point2 to, double bow);

private:
    // How many sides a polygon around a circle of that radius needs, per full turn.
    static int sidesFor(double radius);
};

}  // namespace simhost::geometry
