#include "simhost/geometry/ConvexPiece.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "simhost/geometry/PolygonArea.h"

namespace simhost::geometry {
namespace {

// Below this area (square inches) a polygon is taken for a line.
constexpr double kNoArea = 1e-12;

double cross(Point2 o, Point2 a, Point2 b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

double length(Point2 a, Point2 b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

double pointSegmentDistance(Point2 p, Point2 a, Point2 b) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Andrew's monotone chain: counter-clockwise, without collinear points.
std::vector<Point2> convexHull(std::vector<Point2> points) {
    std::sort(points.begin(), points.end(),
              [](Point2 a, Point2 b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    points.erase(std::unique(points.begin(), points.end(),
                             [](Point2 a, Point2 b) { return a.x == b.x && a.y == b.y; }),
                 points.end());
    if (points.size() < 3) return points;
    std::vector<Point2> hull(2 * points.size());
    size_t k = 0;
    for (const Point2& p : points) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], p) <= 0) --k;
        hull[k++] = p;
    }
    for (size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
        hull[k++] = points[i];
    }
    hull.resize(k - 1);
    return hull;
}

// The two points of a thin polygon that lie farthest apart.
void farthestPair(const std::vector<Point2>& points, Point2* a, Point2* b) {
    double best = -1;
    for (size_t i = 0; i < points.size(); ++i) {
        for (size_t j = i + 1; j < points.size(); ++j) {
            double d = length(points[i], points[j]);
            if (d > best) {
                best = d;
                *a = points[i];
                *b = points[j];
            }
        }
    }
}

}  // namespace

ConvexPiece ConvexPiece::region(const std::vector<Point2>& points) {
    std::vector<Point2> hull = convexHull(points);
    if (hull.empty()) return segment(Point2(), Point2());
    if (hull.size() < 3 || signedArea(hull) <= kNoArea) {
        Point2 a = hull.front(), b = hull.front();
        farthestPair(hull, &a, &b);
        return segment(a, b);
    }
    ConvexPiece piece;
    piece.region_ = true;
    piece.points_ = std::move(hull);
    piece.finish();
    return piece;
}

ConvexPiece ConvexPiece::segment(Point2 a, Point2 b) {
    ConvexPiece piece;
    piece.points_ = {a, b};
    piece.finish();
    return piece;
}

void ConvexPiece::finish() {
    for (const Point2& p : points_) bounds_.add(p);
    for (size_t i = 0; i < edgeCount(); ++i) {
        Point2 a, b;
        edge(i, &a, &b);
        double d = length(a, b);
        if (d <= 0) continue;
        // The outward normal of a counter-clockwise side; for a segment its normal.
        axes_.push_back({(b.y - a.y) / d, (a.x - b.x) / d});
        // A segment is a region without width: its direction separates too.
        if (!region_) axes_.push_back({(b.x - a.x) / d, (b.y - a.y) / d});
    }
    if (axes_.empty()) axes_ = {{1, 0}, {0, 1}};
}

size_t ConvexPiece::edgeCount() const {
    return region_ ? points_.size() : 1;
}

void ConvexPiece::edge(size_t index, Point2* a, Point2* b) const {
    *a = points_[index];
    *b = points_[(index + 1) % points_.size()];
}

void ConvexPiece::project(Point2 axis, double* low, double* high) const {
    *low = std::numeric_limits<double>::infinity();
    *high = -*low;
    for (const Point2& p : points_) {
        double v = p.x * axis.x + p.y * axis.y;
        *low = std::min(*low, v);
        *high = std::max(*high, v);
    }
}

double ConvexPiece::distanceToEdges(Point2 p) const {
    double best = std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < edgeCount(); ++i) {
        Point2 a, b;
        edge(i, &a, &b);
        best = std::min(best, pointSegmentDistance(p, a, b));
    }
    return best;
}

double ConvexPiece::signedDistance(Point2 p) const {
    if (!region_) return -distanceToEdges(p);
    double depth = std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < points_.size(); ++i) {
        Point2 a, b;
        edge(i, &a, &b);
        double side = cross(a, b, p) / length(a, b);
        if (side < 0) return -distanceToEdges(p);
        depth = std::min(depth, side);
    }
    return depth;
}

bool ConvexPiece::holds(const ConvexPiece& other, double tolerance) const {
    if (!region_) return false;
    for (const Point2& p : other.points_)
        if (signedDistance(p) < -tolerance) return false;
    return true;
}

double ConvexPiece::vertexEdgeDistance(const ConvexPiece& a, const ConvexPiece& b) {
    double best = std::numeric_limits<double>::infinity();
    for (const Point2& p : a.points_) best = std::min(best, b.distanceToEdges(p));
    for (const Point2& p : b.points_) best = std::min(best, a.distanceToEdges(p));
    return best;
}

PieceContact ConvexPiece::contact(const ConvexPiece& a, const ConvexPiece& b, double limit) {
    double widestGap = -std::numeric_limits<double>::infinity();
    for (const ConvexPiece* owner : {&a, &b}) {
        for (const Point2& axis : owner->axes_) {
            double aLow, aHigh, bLow, bHigh;
            a.project(axis, &aLow, &aHigh);
            b.project(axis, &bLow, &bHigh);
            double gap = std::max(bLow - aHigh, aLow - bHigh);
            if (gap > limit) return {gap, 0};
            widestGap = std::max(widestGap, gap);
        }
    }
    if (widestGap <= 0) {
        // No axis separates them: they meet, and the narrowest overlap is the shortest
        // move apart.
        bool overlapping = a.region_ || b.region_;
        return {0, overlapping ? -widestGap : 0};
    }
    return {vertexEdgeDistance(a, b), 0};
}

}  // namespace simhost::geometry
