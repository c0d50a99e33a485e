#include "simhost/geometry/OutlineGeometry.h"

#include <algorithm>

#include "simhost/geometry/OutlineReader.h"
#include "simhost/geometry/OutlineRelation.h"
#include "simhost/host/Application.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Shapes.h"
#include "simhost/host/Transform.h"

namespace simhost::geometry {
namespace {

// Visio's flags: hidden geometry takes part (visSpatialIncludeHidden,
// visBBoxIncludeHidden); the box around the outline (visBBoxExtents).
constexpr int16_t kIncludeHidden = 0x10;
constexpr int16_t kExtents = 0x4;

bool includesHidden(int16_t flags) {
    return (flags & kIncludeHidden) != 0;
}

Box boxOf(const Bounds& bounds) {
    if (bounds.empty) return Box();
    return Box{bounds.left, bounds.bottom, bounds.right, bounds.top};
}

}  // namespace

int16_t OutlineGeometry::spatialRelation(Shape& shape, Shape& other, double tolerance,
                                         int16_t flags) {
    if (&shape == &other || shape.isSheetOnly() || other.isSheetOnly() || !shape.application())
        return 0;
    cache_.refresh(*shape.application());
    const Outline& own = cache_.pageOutline(shape, includesHidden(flags));
    const Outline& theirs = cache_.pageOutline(other, includesHidden(flags));
    return OutlineRelation::of(own, theirs, std::max(tolerance, 0.0));
}

Shapes* OutlineGeometry::searchedShapes(Shape& shape, const visio::Variant& resultRoot) {
    if (const visio::ObjectRef* object = std::get_if<visio::ObjectRef>(&resultRoot)) {
        auto group = visio::query<visio::IVShape>(*object);
        if (auto* s = static_cast<Shape*>(group.get()); s && !s->isDeleted()) return &s->members();
        auto page = visio::query<visio::IVPage>(*object);
        if (auto* p = static_cast<Page*>(page.get()); p && !p->isDeleted())
            return &p->shapeCollection();
    }
    return shape.page() ? &shape.page()->shapeCollection() : nullptr;
}

std::vector<visio::ComRef<Shape>> OutlineGeometry::spatialNeighbors(
    Shape& shape, int16_t relations, double tolerance, int16_t flags,
    const visio::Variant& resultRoot) {
    std::vector<visio::ComRef<Shape>> found;
    Shapes* searched = searchedShapes(shape, resultRoot);
    if (shape.isSheetOnly() || !shape.application() || !searched) return found;
    cache_.refresh(*shape.application());
    for (const auto& [other, relation] :
         cache_.related(shape, *searched, includesHidden(flags), std::max(tolerance, 0.0))) {
        if (relation & relations) found.push_back(other);
    }
    return found;
}

Box OutlineGeometry::boundingBox(Shape& shape, int16_t flags) {
    if (shape.isSheetOnly()) return Box();
    Affine toParent = ShapeTransform::localToParent(shape);
    if (flags & kExtents)
        return boxOf(OutlineReader::read(shape, toParent, includesHidden(flags)).bounds());
    Point2 size = ShapeTransform::localSize(shape);
    Bounds bounds;
    for (Point2 corner : {Point2{0, 0}, Point2{size.x, 0}, size, Point2{0, size.y}})
        bounds.add(toParent.apply(corner));
    return boxOf(bounds);
}

}  // namespace simhost::geometry
