// Where a shape's local coordinates lie in its parent's and its page's coordinates: the
// transform Visio builds from PinX, PinY, LocPinX, LocPinY, Angle, FlipX and FlipY (for
// 1-D shapes from BeginX..EndY), composed through every containing group. PAR/PNT,
// XYToPage/XYFromPage and the spatial queries all use it.
#pragma once

namespace simhost {

class Shape;

struct Point2 {
    double x = 0;
    double y = 0;
};

// x' = a*x + c*y + e, y' = b*x + d*y + f.
struct Affine {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    Point2 apply(Point2 p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
    // This transform followed by outer.
    Affine then(const Affine& outer) const;
    // The identity when the transform cannot be inverted (a shape of zero size).
    Affine inverse() const;
};

class ShapeTransform {
public:
    // From the shape's local coordinates to its parent's (group or page).
    static Affine localToParent(Shape& shape);
    static Affine localToPage(Shape& shape);
    static Affine pageToLocal(Shape& shape);
    // The shape's extent in its own coordinates: Width and Height (for a 1-D shape the
    // distance from its begin to its end point, and Height).
    static Point2 localSize(Shape& shape);
    // The derived values of a 1-D shape's transform cells.
    static double oneDLength(Shape& shape);
    static double oneDAngle(Shape& shape);
};

}  // namespace simhost
