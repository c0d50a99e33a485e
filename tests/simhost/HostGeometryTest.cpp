// The first geometry: spatial relations and neighbours of upright boxes, bounding boxes
// in the parent's coordinates, and the seam through which a better geometry comes in.
#include <gtest/gtest.h>

#include "platform/visio/VisioConstants.h"
#include "simhost/host/BoxGeometry.h"
#include "simhost/host/Host.h"

namespace simhost {
namespace {

using namespace visio;

class HostGeometryTest : public ::testing::Test {
protected:
    void SetUp() override {
        document = host.newDocument();
        page = document->page(1);
    }

    ComRef<Shape> box(double x, double y, double w, double h) {
        return host.addShape(*page, ShapeSpec::box(x, y, w, h));
    }

    static int16_t relation(const ComRef<Shape>& a, const ComRef<Shape>& b) {
        return a->SpatialRelation(ComRef<IVShape>(b.get()), 0.015, 0);
    }

    Host host;
    ComRef<Document> document;
    Page* page = nullptr;
};

TEST_F(HostGeometryTest, RelationsOfBoxes) {
    auto big = box(5, 5, 4, 4);
    auto small = box(5, 5, 1, 1);
    auto overlapping = box(7, 5, 2, 1);
    auto touching = box(8, 5, 2, 1);  // its left edge lies on big's right edge
    auto near = box(7.51, 5, 1, 1);   // 0.01 in right of big
    auto apart = box(12, 12, 1, 1);
    EXPECT_EQ(relation(big, small), visSpatialContain);
    EXPECT_EQ(relation(small, big), visSpatialContainedIn);
    EXPECT_EQ(relation(big, overlapping), visSpatialOverlap);
    EXPECT_EQ(relation(big, touching), visSpatialTouching);
    EXPECT_EQ(relation(big, near), visSpatialTouching);
    EXPECT_EQ(relation(big, apart), 0);
    EXPECT_EQ(relation(big, big), 0);

    // A connector ending on the edges of two boxes touches both.
    auto right = box(12, 5, 2, 2);
    auto arc = host.addShape(*page, ShapeSpec::line(7, 5, 11, 5));
    EXPECT_EQ(relation(arc, big), visSpatialTouching);
    EXPECT_EQ(relation(arc, right), visSpatialTouching);
}

TEST_F(HostGeometryTest, NeighboursFollowTheMaskAndTheRoot) {
    auto big = box(5, 5, 4, 4);
    auto small = box(5, 5, 1, 1);
    auto touching = box(8, 5, 2, 1);
    box(12, 12, 1, 1);
    ComRef<IVSelection> all = big->SpatialNeighbors(15, 0.015, 0, Variant());
    ASSERT_EQ(all->Count(), 2);
    EXPECT_EQ(all->Item(1)->ID(), small->ID());
    EXPECT_EQ(all->Item(2)->ID(), touching->ID());
    ComRef<IVSelection> touchingOnly =
        big->SpatialNeighbors(visSpatialTouching, 0.015, 0, Variant());
    ASSERT_EQ(touchingOnly->Count(), 1);
    EXPECT_EQ(touchingOnly->Item(1)->ID(), touching->ID());

    // Members of a group are found when the group is the root.
    auto group =
        host.addShape(*page, ShapeSpec::group(5, 5, 2, 2).member(ShapeSpec::box(1, 1, 0.5, 0.5)));
    ComRef<IVSelection> inside =
        small->SpatialNeighbors(15, 0.015, 0, Variant(ObjectRef(group.get())));
    ASSERT_EQ(inside->Count(), 1);
    EXPECT_EQ(inside->Item(1)->ContainingShape(), ComRef<IVShape>(group.get()));
}

TEST_F(HostGeometryTest, BoundingBoxesAreInTheParentsCoordinates) {
    auto turned = host.addShape(*page, ShapeSpec::box(4, 4, 2, 1).cell("Angle", "90 deg"));
    double left = 0, bottom = 0, right = 0, top = 0;
    turned->BoundingBox(visBBoxUprightWH, &left, &bottom, &right, &top);
    EXPECT_NEAR(left, 3.5, 1e-9);
    EXPECT_NEAR(right, 4.5, 1e-9);
    EXPECT_NEAR(bottom, 3, 1e-9);
    EXPECT_NEAR(top, 5, 1e-9);

    auto group =
        host.addShape(*page, ShapeSpec::group(10, 10, 4, 4).member(ShapeSpec::box(1, 1, 1, 1)));
    auto member = group->memberList().front();
    member->BoundingBox(visBBoxUprightWH, &left, &bottom, &right, &top);
    EXPECT_NEAR(left, 0.5, 1e-9);
    EXPECT_NEAR(top, 1.5, 1e-9);
}

// A geometry that answers one relation for every pair, standing in for a better one.
class FixedGeometry : public BoxGeometry {
public:
    int16_t spatialRelation(Shape&, Shape&, double, int16_t) override { return 16; }
    void glued(Connect&) override { ++glues; }
    int glues = 0;
};

TEST_F(HostGeometryTest, AnotherGeometryCanTakeOver) {
    auto geometry = std::make_unique<FixedGeometry>();
    FixedGeometry* fixed = geometry.get();
    host.application().setGeometry(std::move(geometry));
    auto a = box(1, 1, 1, 1);
    auto b = box(5, 5, 1, 1);
    EXPECT_EQ(relation(a, b), 16);
    auto arc = host.addShape(*page, ShapeSpec::line(1, 1, 5, 5));
    host.glueToShape(*arc, visBegin, *a);
    EXPECT_EQ(fixed->glues, 1);
}

}  // namespace
}  // namespace simhost
