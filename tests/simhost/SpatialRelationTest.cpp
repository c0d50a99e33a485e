// Visio's spatial relation of two shapes, worked out from their outlines: rectangles,
// ellipses and polylines, turned, flipped and inside groups, at the edge of the
// tolerance. Many of these pairs get another answer from their upright boxes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/visio/VisioConstants.h"
#include "simhost/geometry/OutlineSpecs.h"
#include "simhost/host/Host.h"
#include "simhost/stencil/StencilGeometry.h"

namespace simhost {
namespace {

using geometry::OutlineSpecs;
using visio::ComRef;

constexpr int16_t kNone = 0;
constexpr int16_t kOverlap = visio::visSpatialOverlap;
constexpr int16_t kContains = visio::visSpatialContain;
constexpr int16_t kContainedIn = visio::visSpatialContainedIn;
constexpr int16_t kTouching = visio::visSpatialTouching;

class SpatialRelationTest : public ::testing::Test {
protected:
    ComRef<Shape> add(const ShapeSpec& spec) {
        auto shape = host.addShape(*page, spec);
        stencil::finishEllipses(*shape.get());
        return shape;
    }
    ComRef<Shape> box(double x, double y, double w, double h, const std::string& angle = "0 deg") {
        return add(ShapeSpec::box(x, y, w, h).cell("Angle", angle));
    }
    ComRef<Shape> ellipse(double x, double y, double w, double h,
                          const std::string& angle = "0 deg") {
        return add(stencil::memberEllipse(x, y, w, h).cell("Angle", angle));
    }
    ComRef<Shape> line(double x1, double y1, double x2, double y2) {
        return add(ShapeSpec::line(x1, y1, x2, y2));
    }
    ComRef<Shape> polyline(const std::vector<Point2>& points) {
        return add(OutlineSpecs::polyline(points));
    }
    // The box with its lower left corner at (x, y).
    ComRef<Shape> cornerBox(double x, double y, double w, double h) {
        return box(x + w / 2, y + h / 2, w, h);
    }

    static int16_t relation(const ComRef<Shape>& a, const ComRef<Shape>& b,
                            double tolerance = 0.015, int16_t flags = 0) {
        return a->SpatialRelation(ComRef<visio::IVShape>(b.get()), tolerance, flags);
    }
    // Both ways round: contains on one side is contained in on the other.
    static void expectBoth(const ComRef<Shape>& a, const ComRef<Shape>& b, int16_t ab,
                           int line = __builtin_LINE()) {
        SCOPED_TRACE("line " + std::to_string(line));
        EXPECT_EQ(relation(a, b), ab);
        int16_t ba = ab == kContains ? kContainedIn : ab == kContainedIn ? kContains : ab;
        EXPECT_EQ(relation(b, a), ba);
    }

    Host host;
    ComRef<Document> document = host.newDocument();
    Page* page = document->page(1);
};

TEST_F(SpatialRelationTest, RectanglesAtTheEdgeOfTheTolerance) {
    auto a = cornerBox(0, 0, 2, 2);
    expectBoth(a, cornerBox(2.014, 0.5, 1, 1), kTouching);  // a gap within the tolerance
    expectBoth(a, cornerBox(2.016, 0.5, 1, 1), kNone);
    expectBoth(a, cornerBox(1.986, 0.5, 1, 1), kTouching);  // insides overlap within it
    expectBoth(a, cornerBox(1.984, 0.5, 1, 1), kOverlap);
    expectBoth(a, cornerBox(0.5, 0.5, 1, 1), kContains);
    expectBoth(a, cornerBox(1, 0, 1, 1), kContains);       // sharing two sides
    expectBoth(a, cornerBox(1.01, 0.5, 1, 1), kContains);  // out by 0.01
    expectBoth(a, cornerBox(1.02, 0.5, 1, 1), kOverlap);   // out by 0.02
    // Corners 0.012 apart on both axes are 0.017 apart.
    expectBoth(a, cornerBox(2.012, 2.012, 1, 1), kNone);
    expectBoth(a, cornerBox(2.01, 2.01, 1, 1), kTouching);
    // The same box twice: each is taken to contain the other.
    auto twin = cornerBox(0, 0, 2, 2);
    EXPECT_EQ(relation(a, twin), kContains);
    EXPECT_EQ(relation(twin, a), kContains);
    EXPECT_EQ(relation(a, a), kNone);
    // Without tolerance only shared boundaries touch.
    auto sharing = cornerBox(2, 0, 1, 1);
    auto near = cornerBox(2.001, 1.5, 1, 1);
    EXPECT_EQ(relation(a, sharing, 0), kTouching);
    EXPECT_EQ(relation(a, near, 0), kNone);
    EXPECT_EQ(relation(a, near, -1), kNone);  // a negative tolerance counts as none
}

TEST_F(SpatialRelationTest, TurnedRectanglesUseTheirTurnedOutlines) {
    // A square turned by 45 degrees: a diamond with corners at (+-1, 0), (0, +-1).
    auto diamond = box(0, 0, std::sqrt(2.0), std::sqrt(2.0), "45 deg");
    // Boxes in the diamond's upright box but off its side x + y = 1.
    expectBoth(diamond, cornerBox(0.55, 0.55, 1, 1), kNone);      // 0.071 off
    expectBoth(diamond, cornerBox(0.51, 0.51, 1, 1), kTouching);  // 0.014 off
    expectBoth(diamond, cornerBox(0.48, 0.48, 1, 1), kOverlap);   // 0.028 in
    expectBoth(diamond, cornerBox(-0.25, -0.25, 0.5, 0.5), kContains);
    // Two turned boxes side by side along their turned sides.
    auto left = box(0, 5, 2, 1, "30 deg");
    auto right = box(0 + 2 * std::cos(0.5235987755982988) + 0.01 * std::sin(0.5235987755982988),
                     5 + 2 * std::sin(0.5235987755982988) - 0.01 * std::cos(0.5235987755982988), 2,
                     1, "30 deg");
    expectBoth(left, right, kTouching);
}

TEST_F(SpatialRelationTest, EllipsesUseTheirCurves) {
    auto circle = ellipse(0, 0, 2, 2);
    expectBoth(circle, cornerBox(1.01, -0.5, 1, 1), kTouching);
    expectBoth(circle, cornerBox(1.02, -0.5, 1, 1), kNone);
    // Near the diagonal the circle's upright box overlaps the box, the circle does not.
    expectBoth(circle, cornerBox(0.72, 0.72, 1, 1), kNone);          // 0.018 off
    expectBoth(circle, cornerBox(0.71, 0.71, 1, 1), kTouching);      // 0.004 off
    expectBoth(circle, cornerBox(0.69, 0.69, 1, 1), kOverlap);       // 0.024 in
    expectBoth(circle, cornerBox(-0.7, -0.7, 1.4, 1.4), kContains);  // corners 0.01 out
    expectBoth(circle, cornerBox(-0.72, -0.72, 1.44, 1.44), kOverlap);
    expectBoth(circle, ellipse(0.3, 0, 1, 0.5), kContains);
    expectBoth(circle, ellipse(1.02, 0, 0.02, 2), kTouching);
    // A long ellipse turned upright: a box beside its unturned ends stays apart.
    auto tall = ellipse(10, 0, 6, 1, "90 deg");
    expectBoth(tall, cornerBox(11.5, -0.5, 1, 1), kNone);
    expectBoth(tall, cornerBox(10.505, -0.5, 1, 1), kTouching);
    expectBoth(tall, cornerBox(9.6, 2, 0.8, 0.4), kOverlap);
}

TEST_F(SpatialRelationTest, PolylinesAndLines) {
    auto zigzag = polyline({{0, 0}, {1, 1}, {2, 0}, {3, 1}});
    expectBoth(zigzag, cornerBox(0.5, 1.01, 1, 1), kTouching);  // over the peak
    expectBoth(zigzag, cornerBox(0.5, 1.02, 1, 1), kNone);
    // In the valley: inside the upright box of the polyline, apart from its sides.
    expectBoth(zigzag, cornerBox(1.8, 0.6, 0.4, 0.3), kNone);
    expectBoth(zigzag, cornerBox(1.6, -0.2, 0.8, 0.3), kTouching);  // across the bottom
    expectBoth(zigzag, cornerBox(-1, -1, 5, 3), kContainedIn);
    // Connectors touch where they cross or meet, and never overlap.
    expectBoth(zigzag, line(0, 1, 3, 0), kTouching);
    expectBoth(zigzag, line(3.01, 1, 5, 1), kTouching);
    expectBoth(zigzag, line(0, 2, 3, 2), kNone);
    // A line has no inside to overlap with: one that ends on a box's side, goes into
    // the box or across it, or runs along a side touches the box; one that lies in it
    // is contained, even with an end on its side.
    auto target = cornerBox(5, 0, 2, 2);
    expectBoth(line(4, 1, 5, 1), target, kTouching);
    expectBoth(line(4, 1, 5.01, 1), target, kTouching);
    expectBoth(line(4, 1, 5.5, 1), target, kTouching);
    expectBoth(line(4, 1, 8, 1.5), target, kTouching);
    expectBoth(line(5, 0.5, 5, 1.5), target, kTouching);
    expectBoth(line(5.5, 0.5, 6.5, 1.5), target, kContainedIn);
    expectBoth(line(5.5, 0.5, 7, 1.5), target, kContainedIn);
    expectBoth(line(4.99, 1, 5.9, 1.9), target, kContainedIn);  // out by 0.01
    expectBoth(line(4.98, 1, 5.9, 1.9), target, kTouching);     // out by 0.02
    expectBoth(line(3.5, 3.5, 4.8, 2.2), target, kNone);
    // A line ending on a circle's outline, away from any axis.
    auto circle = ellipse(10, 0, 2, 2);
    expectBoth(line(10 + std::cos(0.5), std::sin(0.5), 12, 2), circle, kTouching);
}

TEST_F(SpatialRelationTest, GroupsAreTheirMembersOutlines) {
    // A group turned by 90 degrees around its pin (5, 5): its members, two boxes at
    // the ends of its width, end up above and below the pin.
    auto group = add(ShapeSpec::group(5, 5, 4, 1)
                         .cell("Angle", "90 deg")
                         .member(ShapeSpec::box(0.5, 0.5, 1, 1))
                         .member(ShapeSpec::box(3.5, 0.5, 1, 1)));
    auto bottom = group->memberList()[0];
    auto top = group->memberList()[1];
    // In the gap between the members, inside the group's box: no relation.
    expectBoth(group, cornerBox(4.8, 4.8, 0.4, 0.4), kNone);
    expectBoth(group, cornerBox(5.5, 6.5, 1, 1), kTouching);  // beside the top member
    expectBoth(group, cornerBox(4, 3, 2, 4), kContainedIn);
    auto above = cornerBox(4.5, 7.005, 1, 1);
    expectBoth(ComRef<Shape>(top), above, kTouching);
    expectBoth(ComRef<Shape>(bottom), above, kNone);
    // A group inside a flipped group: the inner member lands on the other side.
    auto outer =
        add(ShapeSpec::group(10, 5, 4, 2)
                .cell("FlipX", "TRUE")
                .member(ShapeSpec::group(1, 1, 2, 2).member(ShapeSpec::box(0.5, 1, 1, 2))));
    auto inner = outer->memberList()[0]->memberList()[0];
    expectBoth(ComRef<Shape>(inner), cornerBox(11.5, 4, 0.5, 2), kContains);
    expectBoth(ComRef<Shape>(inner), cornerBox(8, 4, 0.5, 2), kNone);
    // Members of different groups relate by where they lie on the page.
    expectBoth(ComRef<Shape>(inner), ComRef<Shape>(top), kNone);
    // A polyline in a group turned upside down: its peak points down to (20, 4).
    auto bent = add(ShapeSpec::group(20, 5, 2, 2)
                        .cell("Angle", "180 deg")
                        .member(OutlineSpecs::polyline({{0, 0}, {1, 2}, {2, 0}})));
    expectBoth(bent, cornerBox(19.5, 3, 1, 0.99), kTouching);
    expectBoth(bent, cornerBox(19.5, 3, 1, 0.98), kNone);
    expectBoth(bent, cornerBox(19.8, 5.2, 0.4, 0.4), kNone);  // between its legs
}

TEST_F(SpatialRelationTest, PolygonsThatAreNotConvex) {
    // An L: the notch is the upper right square from (1, 1) to (3, 3).
    auto ell = add(OutlineSpecs::polygon({{0, 0}, {3, 0}, {3, 1}, {1, 1}, {1, 3}, {0, 3}}));
    expectBoth(ell, cornerBox(1.5, 1.5, 1, 1), kNone);
    expectBoth(ell, cornerBox(1.01, 1.01, 1, 1), kTouching);
    expectBoth(ell, cornerBox(0.2, 0.2, 0.6, 2.5), kContains);  // in the upright arm
    expectBoth(ell, cornerBox(0.2, 0.2, 2.5, 0.6), kContains);  // in the lying arm
    expectBoth(ell, cornerBox(0.2, 0.2, 2.5, 2.5), kOverlap);   // over the notch
    // Flipped left to right, the notch is on the left.
    auto flipped = add(OutlineSpecs::polygon({{10, 0}, {13, 0}, {13, 1}, {11, 1}, {11, 3}, {10, 3}})
                           .cell("FlipX", "TRUE"));
    expectBoth(flipped, cornerBox(11.5, 1.5, 1, 1), kOverlap);
    expectBoth(flipped, cornerBox(10.2, 1.5, 0.6, 1), kNone);
}

TEST_F(SpatialRelationTest, HiddenGeometryAndShapesWithoutGeometry) {
    auto hidden = add(ShapeSpec::box(1, 1, 2, 2).cell("Geometry1.NoShow", "TRUE"));
    auto inside = cornerBox(0.5, 0.5, 1, 1);
    EXPECT_EQ(relation(hidden, inside), kNone);
    EXPECT_EQ(relation(hidden, inside, 0.015, 0x10), kContains);  // visSpatialIncludeHidden
    // A text-only shape stands for its box, and so does a group of text-only members.
    auto label = add(ShapeSpec::box(5, 1, 2, 2).withoutGeometry().text("label"));
    expectBoth(label, cornerBox(4.5, 0.5, 1, 1), kContains);
    auto texts =
        add(ShapeSpec::group(9, 1, 2, 2).member(ShapeSpec::box(1, 1, 1, 1).withoutGeometry()));
    expectBoth(texts, cornerBox(10.005, 0, 1, 1), kTouching);
}

}  // namespace
}  // namespace simhost
