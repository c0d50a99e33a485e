#include "simhost/host/Transform.h"

#include <cmath>

#include "simhost/host/Shape.h"

namespace simhost {
namespace {

const CellAddress kPinX{1, 1, 0}, kPinY{1, 1, 1}, kWidth{1, 1, 2}, kHeight{1, 1, 3};
const CellAddress kLocPinX{1, 1, 4}, kLocPinY{1, 1, 5}, kAngle{1, 1, 6};
const CellAddress kFlipX{1, 1, 7}, kFlipY{1, 1, 8};
const CellAddress kBeginX{1, 4, 0}, kBeginY{1, 4, 1}, kEndX{1, 4, 2}, kEndY{1, 4, 3};

Affine rotationAbout(double angle, Point2 origin, Point2 scale, Point2 locPin) {
    double cs = std::cos(angle), sn = std::sin(angle);
    Affine t;
    t.a = cs * scale.x;
    t.b = sn * scale.x;
    t.c = -sn * scale.y;
    t.d = cs * scale.y;
    t.e = origin.x - (t.a * locPin.x + t.c * locPin.y);
    t.f = origin.y - (t.b * locPin.x + t.d * locPin.y);
    return t;
}

Affine oneDToParent(Shape& shape) {
    Point2 begin{shape.cellNumber(kBeginX), shape.cellNumber(kBeginY)};
    Point2 end{shape.cellNumber(kEndX), shape.cellNumber(kEndY)};
    double angle = std::atan2(end.y - begin.y, end.x - begin.x);
    // Local x runs from the begin point (0) to the end point (the length); the begin
    // point lies at LocPinY across the line.
    return rotationAbout(angle, begin, {1, 1}, {0, shape.cellNumber(kLocPinY)});
}

Affine twoDToParent(Shape& shape) {
    Point2 pin{shape.cellNumber(kPinX), shape.cellNumber(kPinY)};
    Point2 locPin{shape.cellNumber(kLocPinX), shape.cellNumber(kLocPinY)};
    Point2 scale{shape.cellNumber(kFlipX) != 0 ? -1.0 : 1.0,
                 shape.cellNumber(kFlipY) != 0 ? -1.0 : 1.0};
    return rotationAbout(shape.cellNumber(kAngle), pin, scale, locPin);
}

}  // namespace

Affine Affine::then(const Affine& o) const {
    Affine r;
    r.a = o.a * a + o.c * b;
    r.b = o.b * a + o.d * b;
    r.c = o.a * c + o.c * d;
    r.d = o.b * c + o.d * d;
    r.e = o.a * e + o.c * f + o.e;
    r.f = o.b * e + o.d * f + o.f;
    return r;
}

Affine Affine::inverse() const {
    double det = a * d - b * c;
    if (std::fabs(det) < 1e-300) return Affine();
    Affine r;
    r.a = d / det;
    r.b = -b / det;
    r.c = -c / det;
    r.d = a / det;
    r.e = -(r.a * e + r.c * f);
    r.f = -(r.b * e + r.d * f);
    return r;
}

Affine ShapeTransform::localToParent(Shape& shape) {
    if (shape.isSheetOnly()) return Affine();
    return shape.isOneDShape() ? oneDToParent(shape) : twoDToParent(shape);
}

Affine ShapeTransform::localToPage(Shape& shape) {
    Affine t = localToParent(shape);
    for (Shape* group = shape.group(); group; group = group->group())
        t = t.then(localToParent(*group));
    return t;
}

Affine ShapeTransform::pageToLocal(Shape& shape) {
    return localToPage(shape).inverse();
}

Point2 ShapeTransform::localSize(Shape& shape) {
    if (shape.isOneDShape()) return {oneDLength(shape), shape.cellNumber(kHeight)};
    return {shape.cellNumber(kWidth), shape.cellNumber(kHeight)};
}

double ShapeTransform::oneDLength(Shape& shape) {
    return std::hypot(shape.cellNumber(kEndX) - shape.cellNumber(kBeginX),
                      shape.cellNumber(kEndY) - shape.cellNumber(kBeginY));
}

double ShapeTransform::oneDAngle(Shape& shape) {
    return std::atan2(shape.cellNumber(kEndY) - shape.cellNumber(kBeginY),
                      shape.cellNumber(kEndX) - shape.cellNumber(kBeginX));
}

}  // namespace simhost
