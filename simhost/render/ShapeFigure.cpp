#include "simhost/render/ShapeFigure.h"

#include <cmath>
#include <optional>

#include "simhost/geometry/GeometryPaths.h"
#include "simhost/host/Shape.h"

namespace simhost::render {
namespace {

const CellAddress kLocPinY{1, 1, 5};
// The first row of a geometry section: NoFill, NoLine.
constexpr int16_t kNoFill = 0, kNoLine = 1;

// Arrowhead lengths of Visio's sizes 0 (very small) to 6 (colossal) on a thin line;
// they grow with the line's weight, and are a little narrower than long.
constexpr double kArrowLengths[] = {0.05, 0.075, 0.1, 0.14, 0.2, 0.3, 0.45};
constexpr double kArrowGrowthPerWeight = 3;
constexpr double kArrowWidthRatio = 0.7;

bool finite(Point2 p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

bool sectionFlag(Shape& shape, int16_t section, int16_t cell) {
    if (!shape.sheet().cell({section, 0, cell})) return false;
    return shape.cellNumber({section, 0, cell}) != 0;
}

// The unit vector from `from` to `to`; none when they coincide.
std::optional<Point2> direction(Point2 from, Point2 to) {
    double dx = to.x - from.x, dy = to.y - from.y;
    double length = std::hypot(dx, dy);
    if (!(length > 1e-9) || !std::isfinite(length)) return std::nullopt;
    return Point2{dx / length, dy / length};
}

// The direction in which the line arrives at its first point (walking backwards from
// the second point on).
std::optional<Point2> arrivalAtFirst(const std::vector<Point2>& points) {
    for (size_t i = 1; i < points.size(); ++i) {
        if (auto d = direction(points[i], points.front())) return d;
    }
    return std::nullopt;
}

std::optional<Point2> arrivalAtLast(const std::vector<Point2>& points) {
    for (size_t i = points.size() - 1; i-- > 0;) {
        if (auto d = direction(points[i], points.back())) return d;
    }
    return std::nullopt;
}

// The shape's line from its begin to its end point, for a 1-D shape without geometry.
std::vector<Point2> baseLine(Shape& shape, const Affine& toPage) {
    double y = shape.cellNumber(kLocPinY);
    double length = ShapeTransform::localSize(shape).x;
    return {toPage.apply({0, y}), toPage.apply({length, y})};
}

void addArrow(std::vector<Arrowhead>& arrows, Point2 tip, std::optional<Point2> way, int size,
              double lineWeight) {
    if (!way || !finite(tip)) return;
    Arrowhead head;
    head.tip = tip;
    head.direction = *way;
    head.length = ShapeFigure::arrowLength(size, lineWeight);
    head.width = head.length * kArrowWidthRatio;
    arrows.push_back(head);
}

}  // namespace

std::vector<ScenePath> ShapeFigure::paths(Shape& shape, const Affine& toPage) {
    std::vector<ScenePath> result;
    for (int16_t section : shape.sheet().sectionNumbers()) {
        if (!geometry::GeometryPaths::isGeometrySection(section)) continue;
        if (geometry::GeometryPaths::isHidden(shape, section)) continue;
        bool fill = !sectionFlag(shape, section, kNoFill);
        bool line = !sectionFlag(shape, section, kNoLine);
        for (const geometry::LocalPath& local : geometry::GeometryPaths::read(shape, section)) {
            ScenePath path;
            path.closed = local.closed;
            path.fill = fill;
            path.line = line;
            bool usable = true;
            for (const Point2& p : local.points) {
                path.points.push_back(toPage.apply(p));
                usable = usable && finite(path.points.back());
            }
            if (usable && path.points.size() >= 2) result.push_back(std::move(path));
        }
    }
    return result;
}

std::vector<Arrowhead> ShapeFigure::arrowheads(Shape& shape, const Affine& toPage,
                                               const std::vector<ScenePath>& paths,
                                               const ArrowEnds& ends, double lineWeight) {
    std::vector<Arrowhead> arrows;
    if (!shape.isOneDShape() || (!ends.begin && !ends.end)) return arrows;
    std::vector<Point2> first = paths.empty() ? baseLine(shape, toPage) : paths.front().points;
    std::vector<Point2> last = paths.empty() ? first : paths.back().points;
    if (ends.begin) {
        addArrow(arrows, first.front(), arrivalAtFirst(first), ends.beginSize, lineWeight);
    }
    if (ends.end) addArrow(arrows, last.back(), arrivalAtLast(last), ends.endSize, lineWeight);
    return arrows;
}

double ShapeFigure::arrowLength(int size, double lineWeight) {
    constexpr int kSizes = static_cast<int>(sizeof(kArrowLengths) / sizeof(kArrowLengths[0]));
    int index = size < 0 ? 0 : (size >= kSizes ? kSizes - 1 : size);
    return kArrowLengths[index] + kArrowGrowthPerWeight * lineWeight;
}

}  // namespace simhost::render
