#include "simhost/geometry/OutlineReader.h"

#include <vector>

#include "simhost/geometry/GeometryPaths.h"
#include "simhost/host/Shape.h"

namespace simhost::geometry {
namespace {

const CellAddress kLocPinY{1, 1, 5};

std::vector<Point2> mapped(const std::vector<Point2>& points, const Affine& t) {
    std::vector<Point2> result;
    result.reserve(points.size());
    for (const Point2& p : points) result.push_back(t.apply(p));
    return result;
}

}  // namespace

Outline OutlineReader::read(Shape& shape, const Affine& toTarget, bool includeHidden) {
    Outline outline;
    if (shape.isSheetOnly() || shape.isDeleted()) return outline;
    if (!addGeometry(shape, toTarget, includeHidden, outline)) addBox(shape, toTarget, outline);
    return outline;
}

Outline OutlineReader::onPage(Shape& shape, bool includeHidden) {
    return read(shape, ShapeTransform::localToPage(shape), includeHidden);
}

bool OutlineReader::addGeometry(Shape& shape, const Affine& toTarget, bool includeHidden,
                                Outline& outline) {
    bool any = false;
    for (int16_t section : shape.sheet().sectionNumbers()) {
        if (!GeometryPaths::isGeometrySection(section)) continue;
        any = true;
        if (!includeHidden && GeometryPaths::isHidden(shape, section)) continue;
        for (const LocalPath& path : GeometryPaths::read(shape, section)) {
            if (path.closed) {
                outline.addClosedPath(mapped(path.points, toTarget));
            } else {
                outline.addOpenPath(mapped(path.points, toTarget));
            }
        }
    }
    for (const auto& member : shape.memberList()) {
        Affine memberToTarget = ShapeTransform::localToParent(*member).then(toTarget);
        any = addGeometry(*member, memberToTarget, includeHidden, outline) || any;
    }
    return any;
}

void OutlineReader::addBox(Shape& shape, const Affine& toTarget, Outline& outline) {
    Point2 size = ShapeTransform::localSize(shape);
    if (shape.isOneDShape()) {
        double y = shape.cellNumber(kLocPinY);
        outline.addOpenPath({toTarget.apply({0, y}), toTarget.apply({size.x, y})});
        return;
    }
    outline.addClosedPath(mapped({{0, 0}, {size.x, 0}, {size.x, size.y}, {0, size.y}}, toTarget));
}

}  // namespace simhost::geometry
