// Where a shape lies: the union of the convex pieces its geometry makes, in one set of
// coordinates (the page's, for the spatial queries).
#pragma once

#include <optional>
#include <vector>

#include "simhost/geometry/ConvexPiece.h"

namespace simhost::geometry {

class Outline {
public:
    // A closed path (its first point not repeated): one region when it is convex, else
    // the triangles it splits into; a path whose sides cross keeps only its sides.
    void addClosedPath(std::vector<Point2> points);
    // An open path: its segments.
    void addOpenPath(const std::vector<Point2>& points);
    void addPiece(ConvexPiece piece);
    void append(const Outline& other);

    bool empty() const { return pieces_.empty(); }
    bool hasRegion() const { return regions_ > 0; }
    const std::vector<ConvexPiece>& pieces() const { return pieces_; }
    const Bounds& bounds() const { return bounds_; }

    // The largest t at which origin + t * direction (t >= 0) lies on a side of a
    // region or on a curve; none when the ray meets neither.
    std::optional<double> lastCrossing(Point2 origin, Point2 direction) const;

private:
    std::vector<ConvexPiece> pieces_;
    size_t regions_ = 0;
    Bounds bounds_;
};

}  // namespace simhost::geometry
