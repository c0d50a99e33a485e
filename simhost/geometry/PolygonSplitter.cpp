#include "simhost/geometry/PolygonSplitter.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "simhost/geometry/PolygonArea.h"

namespace simhost::geometry {
namespace {

constexpr double kPi = 3.14159265358979323846;

double cross(Point2 o, Point2 a, Point2 b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool onSegment(Point2 a, Point2 b, Point2 p) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

bool segmentsMeet(Point2 a, Point2 b, Point2 c, Point2 d) {
    double d1 = cross(c, d, a), d2 = cross(c, d, b), d3 = cross(a, b, c), d4 = cross(a, b, d);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
        return true;
    return (d1 == 0 && onSegment(c, d, a)) || (d2 == 0 && onSegment(c, d, b)) ||
           (d3 == 0 && onSegment(a, b, c)) || (d4 == 0 && onSegment(a, b, d));
}

bool insideTriangle(Point2 a, Point2 b, Point2 c, Point2 p) {
    return cross(a, b, p) >= 0 && cross(b, c, p) >= 0 && cross(c, a, p) >= 0;
}

}  // namespace

bool PolygonSplitter::isConvex(const std::vector<Point2>& polygon) {
    size_t n = polygon.size();
    if (n < 3) return false;
    bool left = false, right = false;
    double turning = 0;
    for (size_t i = 0; i < n; ++i) {
        const Point2& a = polygon[i];
        const Point2& b = polygon[(i + 1) % n];
        const Point2& c = polygon[(i + 2) % n];
        double turn = cross(a, b, c);
        if (turn > 0) left = true;
        if (turn < 0) right = true;
        double in = std::atan2(b.y - a.y, b.x - a.x), out = std::atan2(c.y - b.y, c.x - b.x);
        double angle = out - in;
        while (angle > kPi) angle -= 2 * kPi;
        while (angle < -kPi) angle += 2 * kPi;
        turning += angle;
    }
    return !(left && right) && std::fabs(std::fabs(turning) - 2 * kPi) < 1e-6;
}

bool PolygonSplitter::isSimple(const std::vector<Point2>& polygon) {
    size_t n = polygon.size();
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i + 1; j < n; ++j) {
            bool neighbours = j == i + 1 || (i == 0 && j == n - 1);
            if (neighbours) continue;
            if (segmentsMeet(polygon[i], polygon[(i + 1) % n], polygon[j], polygon[(j + 1) % n]))
                return false;
        }
    }
    return true;
}

std::vector<PolygonSplitter::Triangle> PolygonSplitter::triangles(std::vector<Point2> polygon) {
    double area = signedArea(polygon);
    if (polygon.size() < 3 || area == 0 || !isSimple(polygon)) return {};
    if (area < 0) std::reverse(polygon.begin(), polygon.end());
    std::vector<Triangle> result;
    while (polygon.size() > 3) {
        size_t n = polygon.size();
        bool clipped = false;
        for (size_t i = 0; i < n && !clipped; ++i) {
            Point2 a = polygon[(i + n - 1) % n], b = polygon[i], c = polygon[(i + 1) % n];
            if (cross(a, b, c) <= 0) continue;
            bool empty = true;
            for (size_t k = 0; k < n && empty; ++k) {
                if (k == i || k == (i + 1) % n || k == (i + n - 1) % n) continue;
                empty = !insideTriangle(a, b, c, polygon[k]);
            }
            if (!empty) continue;
            result.push_back({a, b, c});
            polygon.erase(polygon.begin() + static_cast<std::ptrdiff_t>(i));
            clipped = true;
        }
        if (!clipped) return {};
    }
    result.push_back({polygon[0], polygon[1], polygon[2]});
    return result;
}

}  // namespace simhost::geometry
