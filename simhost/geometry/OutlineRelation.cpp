#include "simhost/geometry/OutlineRelation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace simhost::geometry {
namespace {

constexpr int16_t kOverlap = 1;
constexpr int16_t kContains = 2;
constexpr int16_t kContainedIn = 4;
constexpr int16_t kTouching = 8;
// The search along a segment stops at pieces this short (inches) or after this many
// looks, taking the segment for inside.
constexpr double kShortest = 1e-7;
constexpr int kMostLooks = 4096;

// How far p lies outside all the regions (negative inside one of them).
double outside(const std::vector<const ConvexPiece*>& regions, Point2 p) {
    double best = -std::numeric_limits<double>::infinity();
    for (const ConvexPiece* region : regions) best = std::max(best, region->signedDistance(p));
    return -best;
}

Point2 along(Point2 a, Point2 b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

}  // namespace

bool OutlineRelation::segmentLeaves(const std::vector<const ConvexPiece*>& regions, Point2 a,
                                    Point2 b, double tolerance) {
    // The distance outside changes no faster than the point moves, so a stretch whose
    // ends lie f0 and f1 outside can reach no farther out than (f0 + f1 + length) / 2:
    // stretches that cannot leave are dropped, the others halved.
    struct Stretch {
        double t0, t1, f0, f1;
    };
    const double total = std::hypot(b.x - a.x, b.y - a.y);
    Stretch whole{0, 1, outside(regions, a), outside(regions, b)};
    if (whole.f0 > tolerance || whole.f1 > tolerance) return true;
    std::vector<Stretch> open{whole};
    int looks = 2;
    while (!open.empty() && looks < kMostLooks) {
        Stretch s = open.back();
        open.pop_back();
        double length = (s.t1 - s.t0) * total;
        if ((s.f0 + s.f1 + length) / 2 <= tolerance || length < kShortest) continue;
        double tm = (s.t0 + s.t1) / 2;
        double fm = outside(regions, along(a, b, tm));
        ++looks;
        if (fm > tolerance) return true;
        open.push_back({s.t0, tm, s.f0, fm});
        open.push_back({tm, s.t1, fm, s.f1});
    }
    return false;
}

bool OutlineRelation::liesWithin(const Outline& inner, const Outline& outer, double tolerance) {
    if (inner.empty() || !outer.hasRegion()) return false;
    std::vector<const ConvexPiece*> regions;
    for (const ConvexPiece& piece : outer.pieces())
        if (piece.isRegion()) regions.push_back(&piece);
    for (const ConvexPiece& piece : inner.pieces()) {
        bool held = std::any_of(regions.begin(), regions.end(), [&](const ConvexPiece* r) {
            return r->bounds().near(piece.bounds(), tolerance) && r->holds(piece, tolerance);
        });
        if (held) continue;
        // Convex regions hold a piece exactly when they hold its corners; a piece that
        // spans several regions is followed along its sides.
        if (regions.size() == 1) return false;
        for (size_t i = 0; i < piece.edgeCount(); ++i) {
            Point2 a, b;
            piece.edge(i, &a, &b);
            if (segmentLeaves(regions, a, b, tolerance)) return false;
        }
    }
    return true;
}

int16_t OutlineRelation::of(const Outline& shape, const Outline& other, double tolerance) {
    if (shape.empty() || other.empty() || !shape.bounds().near(other.bounds(), tolerance)) return 0;
    double nearest = std::numeric_limits<double>::infinity();
    double deepest = 0;         // of a region into a region, or a curve into a region
    double deepestRegions = 0;  // of a region into a region
    for (const ConvexPiece& p : shape.pieces()) {
        for (const ConvexPiece& q : other.pieces()) {
            if (!p.bounds().near(q.bounds(), tolerance)) continue;
            PieceContact contact = ConvexPiece::contact(p, q, tolerance);
            nearest = std::min(nearest, contact.distance);
            deepest = std::max(deepest, contact.penetration);
            if (p.isRegion() && q.isRegion())
                deepestRegions = std::max(deepestRegions, contact.penetration);
        }
    }
    if (deepest > tolerance) {
        if (liesWithin(other, shape, tolerance)) return kContains;
        if (liesWithin(shape, other, tolerance)) return kContainedIn;
    }
    if (deepestRegions > tolerance) return kOverlap;
    return nearest <= tolerance ? kTouching : 0;
}

}  // namespace simhost::geometry
