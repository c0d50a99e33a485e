#include "simhost/geometry/CurveSampler.h"

#include <algorithm>
#include <cmath>

namespace simhost::geometry {
namespace {

constexpr double kPi = 3.14159265358979323846;
// How far (inches) the sides may stray from the curve, either way.
constexpr double kDeviation = 2e-4;
constexpr int kMinSides = 16;
constexpr int kMaxSides = 720;

double length(Point2 v) {
    return std::hypot(v.x, v.y);
}

}  // namespace

int CurveSampler::sidesFor(double radius) {
    if (radius <= kDeviation) return kMinSides;
    // The sides reach out as far beyond the curve as their middles stay inside, so
    // each may cut a sagitta of twice the deviation.
    double step = 2 * std::acos(std::max(-1.0, 1 - 2 * kDeviation / radius));
    int sides = static_cast<int>(std::ceil(2 * kPi / step));
    sides = std::clamp(sides, kMinSides, kMaxSides);
    return (sides + 3) / 4 * 4;  // the ends of both axes stay among the vertices' angles
}

std::vector<Point2> CurveSampler::ellipse(Point2 centre, Point2 a, Point2 b) {
    Point2 u{a.x - centre.x, a.y - centre.y};
    Point2 v{b.x - centre.x, b.y - centre.y};
    int sides = sidesFor(std::max(length(u), length(v)));
    // Vertices just outside the curve and side middles just inside it halve the error
    // of an inscribed polygon.
    double scale = 2 / (1 + std::cos(kPi / sides));
    std::vector<Point2> points;
    points.reserve(static_cast<size_t>(sides));
    for (int i = 0; i < sides; ++i) {
        double t = 2 * kPi * i / sides;
        double c = std::cos(t) * scale, s = std::sin(t) * scale;
        points.push_back({centre.x + c * u.x + s * v.x, centre.y + c * u.y + s * v.y});
    }
    return points;
}

std::vector<Point2> CurveSampler::arcThrough(Point2 from, Point2 middle, Point2 to) {
    double ax = middle.x - from.x, ay = middle.y - from.y;
    double bx = to.x - from.x, by = to.y - from.y;
    double d = 2 * (ax * by - ay * bx);
    double chord = std::hypot(bx, by);
    if (std::fabs(d) <= 1e-12 * std::max(1.0, chord * chord)) return {middle, to};
    // The centre, relative to `from`.
    double a2 = ax * ax + ay * ay, b2 = bx * bx + by * by;
    Point2 c{(by * a2 - ay * b2) / d, (ax * b2 - bx * a2) / d};
    double radius = length(c);
    double start = std::atan2(-c.y, -c.x);
    // Turn the way that passes the middle point: counter-clockwise when the three
    // points turn left.
    double sweep = std::atan2(by - c.y, bx - c.x) - start;
    if (d > 0 && sweep < 0) sweep += 2 * kPi;
    if (d < 0 && sweep > 0) sweep -= 2 * kPi;
    int sides =
        std::max(2, static_cast<int>(std::ceil(sidesFor(radius) * std::fabs(sweep) / (2 * kPi))));
    std::vector<Point2> points;
    for (int i = 1; i < sides; ++i) {
        double t = start + sweep * i / sides;
        points.push_back(
            {from.x + c.x + radius * std::cos(t), from.y + c.y + radius * std::sin(t)});
    }
    points.push_back(to);
    return points;
}

std::vector<Point2> CurveSampler::arcWithBow(Point2 from, Point2 to, double bow) {
    double dx = to.x - from.x, dy = to.y - from.y;
    double chord = std::hypot(dx, dy);
    if (chord <= 0 || bow == 0) return {to};
    Point2 middle{(from.x + to.x) / 2 + bow * dy / chord, (from.y + to.y) / 2 - bow * dx / chord};
    return arcThrough(from, middle, to);
}

}  // namespace simhost::geometry
