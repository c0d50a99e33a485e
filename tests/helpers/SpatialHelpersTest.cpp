#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "helpers/ShapeHelpers.h"
#include "helpers/SpatialHelpers.h"
#include "tests/support/HostFixture.h"

namespace {

using simhost::ShapeSpec;

class SpatialHelpersTest : public HostFixture {};

TEST_F(SpatialHelpersTest, ALinesEndPointsComeFromItsFirstAndLastVertex) {
    auto line = add(ShapeSpec::line(1, 2, 4, 3));
    const PagePoint begin = getGeometryBeginPoint(wrap(line));
    const PagePoint end = getGeometryEndPoint(wrap(line));
    EXPECT_NEAR(begin.x, 1, 1e-9);
    EXPECT_NEAR(begin.y, 2, 1e-9);
    EXPECT_NEAR(end.x, 4, 1e-9);
    EXPECT_NEAR(end.y, 3, 1e-9);
}

TEST_F(SpatialHelpersTest, AClosedOutlineEndsWhereItBegins) {
    auto box = add(ShapeSpec::box(5, 5, 2, 1));
    const PagePoint begin = getGeometryBeginPoint(wrap(box));
    const PagePoint end = getGeometryEndPoint(wrap(box));
    EXPECT_NEAR(begin.x, 4, 1e-9);
    EXPECT_NEAR(begin.y, 4.5, 1e-9);
    EXPECT_NEAR(end.x, begin.x, 1e-9);
    EXPECT_NEAR(end.y, begin.y, 1e-9);
}

TEST_F(SpatialHelpersTest, NoGeometryGivesTheOrigin) {
    auto bare = add(ShapeSpec::box(5, 5, 2, 1).withoutGeometry());
    for (const PagePoint& p :
         {getGeometryBeginPoint(wrap(bare)), getGeometryEndPoint(wrap(bare)),
          getGeometryBeginPoint(visio::VShape()), getGeometryEndPoint(visio::VShape())}) {
        EXPECT_EQ(p.x, 0);
        EXPECT_EQ(p.y, 0);
    }
}

TEST_F(SpatialHelpersTest, AShapeInAGroupHasItsNeighboursAskedOfTheGroup) {
    auto group = add(ShapeSpec::group(2, 2, 2, 2)
                         .member(ShapeSpec::box(0.5, 1, 1, 2))
                         .member(ShapeSpec::box(1.5, 1, 1, 2)));
    auto neighbour = add(ShapeSpec::box(3.5, 2, 1, 1));  // touches the group's right side
    auto far = add(ShapeSpec::box(10, 10, 1, 1));
    const visio::VShape member = getShapeByIndex(wrap(group).Shapes(), 1);
    const std::vector<int32_t> ids = collectShapeIDs(member, visio::Variant());
    ASSERT_FALSE(ids.empty());
    EXPECT_EQ(ids.front(), group->id());
    EXPECT_NE(std::find(ids.begin(), ids.end(), neighbour->id()), ids.end());
    EXPECT_EQ(std::find(ids.begin(), ids.end(), far->id()), ids.end());
}

TEST_F(SpatialHelpersTest, ATopLevelShapeAsksForItself) {
    auto shape = add(ShapeSpec::box(2, 2, 2, 2));
    auto inside = add(ShapeSpec::box(2, 2, 0.5, 0.5));
    add(ShapeSpec::box(10, 10, 1, 1));
    EXPECT_EQ(collectShapeIDs(wrap(shape), visio::Variant()), std::vector<int32_t>{inside->id()});
    EXPECT_TRUE(collectShapeIDs(visio::VShape(), visio::Variant()).empty());
}

TEST_F(SpatialHelpersTest, SpatialRelationAsVisioReportsIt) {
    auto outer = add(ShapeSpec::box(2, 2, 2, 2));
    auto inner = add(ShapeSpec::box(2, 2, 0.5, 0.5));
    auto far = add(ShapeSpec::box(10, 10, 1, 1));
    EXPECT_EQ(getSpatialRelation(wrap(inner), wrap(outer)), 4);
    EXPECT_EQ(getSpatialRelation(wrap(outer), wrap(inner)), 2);
    EXPECT_EQ(getSpatialRelation(wrap(outer), wrap(far)), 0);
}

}  // namespace
