#include "simhost/geometry/Outline.h"

#include <cmath>
#include <utility>

#include "simhost/geometry/PolygonSplitter.h"

namespace simhost::geometry {
namespace {

// Points closer than this (inches) are one point.
constexpr double kSamePoint = 1e-9;

bool samePoint(Point2 a, Point2 b) {
    return std::fabs(a.x - b.x) <= kSamePoint && std::fabs(a.y - b.y) <= kSamePoint;
}

// Drops repeated points and the points in the middle of straight runs.
std::vector<Point2> cleaned(std::vector<Point2> points) {
    std::vector<Point2> kept;
    for (const Point2& p : points)
        if (kept.empty() || !samePoint(kept.back(), p)) kept.push_back(p);
    while (kept.size() > 1 && samePoint(kept.front(), kept.back())) kept.pop_back();
    bool changed = true;
    while (changed && kept.size() > 3) {
        changed = false;
        for (size_t i = 0; i < kept.size(); ++i) {
            const Point2& a = kept[(i + kept.size() - 1) % kept.size()];
            const Point2& b = kept[i];
            const Point2& c = kept[(i + 1) % kept.size()];
            double turn = (b.x - a.x) * (c.y - b.y) - (b.y - a.y) * (c.x - b.x);
            double forward = (b.x - a.x) * (c.x - b.x) + (b.y - a.y) * (c.y - b.y);
            if (std::fabs(turn) <= 1e-15 && forward > 0) {
                kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(i));
                changed = true;
                break;
            }
        }
    }
    return kept;
}

// Where the ray origin + t * d meets the segment ab; none when it does not.
std::optional<double> crossing(Point2 origin, Point2 d, Point2 a, Point2 b) {
    Point2 e{b.x - a.x, b.y - a.y};
    double denominator = d.x * e.y - d.y * e.x;
    if (std::fabs(denominator) < 1e-15) return std::nullopt;
    Point2 w{a.x - origin.x, a.y - origin.y};
    double t = (w.x * e.y - w.y * e.x) / denominator;
    double s = (w.x * d.y - w.y * d.x) / denominator;
    if (t < 0 || s < -1e-12 || s > 1 + 1e-12) return std::nullopt;
    return t;
}

}  // namespace

void Outline::addPiece(ConvexPiece piece) {
    bounds_.merge(piece.bounds());
    if (piece.isRegion()) ++regions_;
    pieces_.push_back(std::move(piece));
}

void Outline::addClosedPath(std::vector<Point2> points) {
    std::vector<Point2> polygon = cleaned(std::move(points));
    if (polygon.size() < 3) {
        addOpenPath(polygon);
        return;
    }
    if (PolygonSplitter::isConvex(polygon)) {
        addPiece(ConvexPiece::region(polygon));
        return;
    }
    auto triangles = PolygonSplitter::triangles(polygon);
    if (!triangles.empty()) {
        for (const auto& t : triangles) addPiece(ConvexPiece::region({t[0], t[1], t[2]}));
        return;
    }
    polygon.push_back(polygon.front());
    addOpenPath(polygon);
}

void Outline::addOpenPath(const std::vector<Point2>& points) {
    if (points.size() == 1) addPiece(ConvexPiece::segment(points[0], points[0]));
    for (size_t i = 1; i < points.size(); ++i) {
        if (samePoint(points[i - 1], points[i]) && points.size() > 2) continue;
        addPiece(ConvexPiece::segment(points[i - 1], points[i]));
    }
}

void Outline::append(const Outline& other) {
    for (const ConvexPiece& piece : other.pieces_) addPiece(piece);
}

std::optional<double> Outline::lastCrossing(Point2 origin, Point2 direction) const {
    std::optional<double> last;
    for (const ConvexPiece& piece : pieces_) {
        for (size_t i = 0; i < piece.edgeCount(); ++i) {
            Point2 a, b;
            piece.edge(i, &a, &b);
            auto t = crossing(origin, direction, a, b);
            if (t && (!last || *t > *last)) last = t;
        }
    }
    return last;
}

}  // namespace simhost::geometry
