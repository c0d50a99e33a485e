// One convex part of an outline: a region (a convex polygon with its inside) or a curve
// (a line segment). An outline is a union of such pieces, so every question about two
// outlines comes down to questions about pairs of convex pieces, which the
// separating-axis test answers exactly.
#pragma once

#include <cstddef>
#include <vector>

#include "simhost/geometry/Bounds.h"

namespace simhost::geometry {

// How two pieces lie: their distance (0 when they meet) and how deep they overlap (the
// shortest move that separates them; 0 when they do not overlap or both are curves).
struct PieceContact {
    double distance = 0;
    double penetration = 0;
};

class ConvexPiece {
public:
    // The convex hull of the points, counter-clockwise. Points without area give the
    // segment between the outermost two.
    static ConvexPiece region(const std::vector<Point2>& points);
    static ConvexPiece segment(Point2 a, Point2 b);

    bool isRegion() const { return region_; }
    const std::vector<Point2>& points() const { return points_; }
    const Bounds& bounds() const { return bounds_; }
    // The sides of a region in order, or the segment itself.
    size_t edgeCount() const;
    void edge(size_t index, Point2* a, Point2* b) const;

    // The depth of a point inside a region (its distance to the boundary); otherwise
    // minus its distance to the piece.
    double signedDistance(Point2 p) const;
    // Every point of the other piece lies in this region or within the tolerance of it.
    bool holds(const ConvexPiece& other, double tolerance) const;

    // The distance is exact up to limit; beyond it, some value greater than limit.
    static PieceContact contact(const ConvexPiece& a, const ConvexPiece& b, double limit);

private:
    ConvexPiece() = default;
    void finish();
    void project(Point2 axis, double* low, double* high) const;
    double distanceToEdges(Point2 p) const;
    static double vertexEdgeDistance(const ConvexPiece& a, const ConvexPiece& b);

    bool region_ = false;
    std::vector<Point2> points_;
    std::vector<Point2> axes_;  // the unit directions the separating-axis test projects on
    Bounds bounds_;
};

}  // namespace simhost::geometry
