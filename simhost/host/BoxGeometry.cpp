#include "simhost/host/BoxGeometry.h"

#include <algorithm>

#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Shapes.h"
#include "simhost/host/Transform.h"

namespace simhost {
namespace {

Box boxThrough(const Affine& t, Point2 size) {
    Point2 corners[] = {{0, 0}, {size.x, 0}, {size.x, size.y}, {0, size.y}};
    Point2 first = t.apply(corners[0]);
    Box box{first.x, first.y, first.x, first.y};
    for (const Point2& corner : corners) {
        Point2 p = t.apply(corner);
        box.left = std::min(box.left, p.x);
        box.right = std::max(box.right, p.x);
        box.bottom = std::min(box.bottom, p.y);
        box.top = std::max(box.top, p.y);
    }
    return box;
}

bool inside(const Box& inner, const Box& outer, double tolerance) {
    return inner.left >= outer.left - tolerance && inner.right <= outer.right + tolerance &&
           inner.bottom >= outer.bottom - tolerance && inner.top <= outer.top + tolerance;
}

// The shapes a neighbour search looks at: the members of the group or page the result
// root names, else the top-level shapes of the shape's page.
std::vector<visio::ComRef<Shape>> candidates(Shape& shape, const visio::Variant& root) {
    if (const visio::ObjectRef* object = std::get_if<visio::ObjectRef>(&root)) {
        auto group = visio::query<visio::IVShape>(*object);
        if (auto* s = static_cast<Shape*>(group.get()); s && !s->isDeleted())
            return s->memberList();
        auto page = visio::query<visio::IVPage>(*object);
        if (auto* p = static_cast<Page*>(page.get()); p && !p->isDeleted())
            return p->shapeCollection().list();
    }
    if (!shape.page()) return {};
    return shape.page()->shapeCollection().list();
}

}  // namespace

Box BoxGeometry::pageBox(Shape& shape) {
    return boxThrough(ShapeTransform::localToPage(shape), ShapeTransform::localSize(shape));
}

int16_t BoxGeometry::relationOf(const Box& a, const Box& b, double tolerance) {
    double overlapX = std::min(a.right, b.right) - std::max(a.left, b.left);
    double overlapY = std::min(a.top, b.top) - std::max(a.bottom, b.bottom);
    if (overlapX < -tolerance || overlapY < -tolerance) return 0;
    if (inside(b, a, tolerance)) return 2;
    if (inside(a, b, tolerance)) return 4;
    if (overlapX > tolerance && overlapY > tolerance) return 1;
    return 8;
}

int16_t BoxGeometry::spatialRelation(Shape& shape, Shape& other, double tolerance, int16_t) {
    if (&shape == &other || shape.isSheetOnly() || other.isSheetOnly()) return 0;
    return relationOf(pageBox(shape), pageBox(other), tolerance);
}

std::vector<visio::ComRef<Shape>> BoxGeometry::spatialNeighbors(Shape& shape, int16_t relations,
                                                                double tolerance, int16_t flags,
                                                                const visio::Variant& root) {
    std::vector<visio::ComRef<Shape>> found;
    if (shape.isSheetOnly()) return found;
    for (const auto& other : candidates(shape, root)) {
        if (shape.isInside(*other) || other->isInside(shape)) continue;
        if (spatialRelation(shape, *other, tolerance, flags) & relations) found.push_back(other);
    }
    return found;
}

Box BoxGeometry::boundingBox(Shape& shape, int16_t) {
    if (shape.isSheetOnly()) return Box();
    return boxThrough(ShapeTransform::localToParent(shape), ShapeTransform::localSize(shape));
}

}  // namespace simhost
