// Bounding boxes in the parent's coordinates: around the width-height box (flags 1, what
// the layout command asks) or around the outline itself (flags 4).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/visio/VisioConstants.h"
#include "simhost/geometry/OutlineSpecs.h"
#include "simhost/host/Host.h"
#include "simhost/stencil/StencilGeometry.h"

namespace simhost {
namespace {

using visio::ComRef;

constexpr int16_t kWidthHeight = visio::visBBoxUprightWH;
constexpr int16_t kExtents = 4;  // visBBoxExtents
constexpr int16_t kIncludeHidden = 0x10;

struct Corners {
    double left = 0, bottom = 0, right = 0, top = 0;
};

Corners boxOf(Shape& shape, int16_t flags) {
    Corners c;
    shape.BoundingBox(flags, &c.left, &c.bottom, &c.right, &c.top);
    return c;
}

void expectBox(const Corners& c, double left, double bottom, double right, double top,
               double precision = 1e-9, int line = __builtin_LINE()) {
    SCOPED_TRACE("line " + std::to_string(line));
    EXPECT_NEAR(c.left, left, precision);
    EXPECT_NEAR(c.bottom, bottom, precision);
    EXPECT_NEAR(c.right, right, precision);
    EXPECT_NEAR(c.top, top, precision);
}

class GeometryBoundingBoxTest : public ::testing::Test {
protected:
    ComRef<Shape> add(const ShapeSpec& spec) {
        auto shape = host.addShape(*page, spec);
        stencil::finishEllipses(*shape.get());
        return shape;
    }

    Host host;
    ComRef<Document> document = host.newDocument();
    Page* page = document->page(1);
};

TEST_F(GeometryBoundingBoxTest, AroundTheWidthAndHeight) {
    const double half = std::sqrt(2.0) / 2;
    auto turned = add(ShapeSpec::box(4, 4, 1, 1).cell("Angle", "45 deg"));
    expectBox(boxOf(*turned.get(), kWidthHeight), 4 - half, 4 - half, 4 + half, 4 + half);
    auto flipped = add(ShapeSpec::box(4, 4, 2, 1).cell("LocPinX", "0 in").cell("FlipX", "TRUE"));
    expectBox(boxOf(*flipped.get(), kWidthHeight), 2, 3.5, 4, 4.5);
    auto line = add(ShapeSpec::line(3, 1, 1, 2));
    expectBox(boxOf(*line.get(), kWidthHeight), 1, 1, 3, 2);
    // A member's box is in its group's coordinates; the group's page conversion takes
    // its corners to the page, as the layout command does.
    auto group = add(ShapeSpec::group(10, 10, 4, 2).member(ShapeSpec::box(3, 1, 1, 1)));
    Shape& member = *group->memberList()[0].get();
    Corners inGroup = boxOf(member, kWidthHeight);
    expectBox(inGroup, 2.5, 0.5, 3.5, 1.5);
    double x = 0, y = 0;
    group->XYToPage(inGroup.left, inGroup.bottom, &x, &y);
    EXPECT_NEAR(x, 10.5, 1e-9);
    EXPECT_NEAR(y, 9.5, 1e-9);
    expectBox(boxOf(*page->pageSheet(), kWidthHeight), 0, 0, 0, 0);
}

TEST_F(GeometryBoundingBoxTest, AroundTheOutline) {
    // A long ellipse turned by 45 degrees: far narrower than its turned box.
    auto ellipse = add(stencil::memberEllipse(5, 5, 4, 1).cell("Angle", "45 deg"));
    Corners wide = boxOf(*ellipse.get(), kWidthHeight);
    Corners tight = boxOf(*ellipse.get(), kExtents);
    const double reach = std::sqrt((4.0 + 0.25) / 2);  // sqrt(a^2 cos^2 + b^2 sin^2)
    expectBox(tight, 5 - reach, 5 - reach, 5 + reach, 5 + reach, 1e-3);
    EXPECT_GT(tight.left, wide.left + 0.1);
    // A polyline bulges beyond its begin and end.
    auto path = add(geometry::OutlineSpecs::polyline({{0, 0}, {1, 2}, {3, -1}, {4, 0}}));
    expectBox(boxOf(*path.get(), kExtents), 0, -1, 4, 2);
    expectBox(boxOf(*path.get(), kWidthHeight), 0, 0, 4, 0);
    // A group's outline is its members', including what sticks out of its box.
    auto group = add(ShapeSpec::group(10, 10, 2, 2)
                         .member(ShapeSpec::box(1, 1, 1, 1))
                         .member(ShapeSpec::box(2.5, 1, 1, 0.5)));
    expectBox(boxOf(*group.get(), kExtents), 9.5, 9.5, 12, 10.5);
    // Hidden geometry counts only when asked.
    auto hidden = add(ShapeSpec::group(20, 10, 2, 2)
                          .member(ShapeSpec::box(1, 1, 1, 1))
                          .member(ShapeSpec::box(3, 1, 1, 1).cell("Geometry1.NoShow", "TRUE")));
    expectBox(boxOf(*hidden.get(), kExtents), 19.5, 9.5, 20.5, 10.5);
    expectBox(boxOf(*hidden.get(), kExtents | kIncludeHidden), 19.5, 9.5, 22.5, 10.5);
}

}  // namespace
}  // namespace simhost
