#include <gtest/gtest.h>

#include "helpers/ConnectorHelpers.h"
#include "helpers/ShapeHelpers.h"
#include "platform/visio/VConnects.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/host/Connect.h"
#include "tests/support/HostFixture.h"

namespace {

using simhost::ShapeSpec;
constexpr int16_t kBegin = visio::visBegin;
constexpr int16_t kEnd = visio::visEnd;

class ConnectorHelpersTest : public HostFixture {
protected:
    visio::ComRef<simhost::Shape> box(double x) { return add(ShapeSpec::box(x, 1, 1, 1)); }

    // A composite arc: a group around its arrow line, the group glued by its ends.
    visio::ComRef<simhost::Shape> arcGroup(double height, const char* endArrow) {
        return add(ShapeSpec::group(3, 3, 2, height)
                       .cell("EndArrow", endArrow)
                       .member(ShapeSpec::line(0, 0, 2, height)));
    }
    static visio::VShape arrowOf(const visio::ComRef<simhost::Shape>& group) {
        return getShapeByIndex(wrap(group).Shapes(), 1);
    }
};

TEST_F(ConnectorHelpersTest, CountsTheGluedEnds) {
    auto a = box(1);
    auto b = box(5);
    auto both = add(ShapeSpec::line(1.5, 1, 4.5, 1));
    auto beginOnly = add(ShapeSpec::line(1.5, 1, 3, 3));
    auto loose = add(ShapeSpec::line(7, 7, 8, 8));
    host_.glue(*both.get(), kBegin, *a.get(), 0);
    host_.glue(*both.get(), kEnd, *b.get(), 0);
    host_.glue(*beginOnly.get(), kBegin, *a.get(), 1);
    EXPECT_EQ(getGluedEndPart(wrap(both)), 2);
    EXPECT_EQ(getGluedEndPart(wrap(beginOnly)), 1);
    EXPECT_EQ(getGluedEndPart(wrap(loose)), 0);
    EXPECT_EQ(getGluedEndPart(visio::VShape()), 0);
}

TEST_F(ConnectorHelpersTest, GlueRecordsOfOtherPartsDoNotCount) {
    auto a = box(1);
    auto b = box(5);
    auto shape = add(ShapeSpec::line(1.5, 1, 4.5, 1));
    host_.glue(*shape.get(), kEnd, *b.get(), 0);
    simhost::Connect::glue(*shape.get(), 3, *a.get(), 100);
    ASSERT_EQ(wrap(shape).Connects().Count(), 2);
    EXPECT_EQ(getGluedEndPart(wrap(shape)), 1);
}

TEST_F(ConnectorHelpersTest, TheFirstGlueRecordTellsWhichEndIsGlued) {
    auto a = box(1);
    auto atEnd = add(ShapeSpec::line(3, 3, 1.5, 1));
    auto atBegin = add(ShapeSpec::line(1.5, 1, 3, 3));
    auto loose = add(ShapeSpec::line(7, 7, 8, 8));
    auto other = add(ShapeSpec::line(1.5, 1.5, 8, 8));
    host_.glue(*atEnd.get(), kEnd, *a.get(), 0);
    host_.glue(*atBegin.get(), kBegin, *a.get(), 0);
    simhost::Connect::glue(*other.get(), 3, *a.get(), 100);
    EXPECT_EQ(getConnectPart(wrap(atEnd)), 1);
    EXPECT_EQ(getConnectPart(wrap(atBegin)), 0);
    EXPECT_EQ(getConnectPart(wrap(loose)), -1);
    EXPECT_EQ(getConnectPart(wrap(other)), -1);
}

TEST_F(ConnectorHelpersTest, ConnectedShapeByRecordNumber) {
    auto a = box(1);
    auto b = box(5);
    auto line = add(ShapeSpec::line(1.5, 1, 4.5, 1));
    host_.glue(*line.get(), kBegin, *a.get(), 0);
    host_.glue(*line.get(), kEnd, *b.get(), 0);
    EXPECT_EQ(getConnectedShape(wrap(line), 1).ID(), a->id());
    EXPECT_EQ(getConnectedShape(wrap(line), 2).ID(), b->id());
    EXPECT_TRUE(getConnectedShape(wrap(line), 3).isEmpty());
}

TEST_F(ConnectorHelpersTest, ArcEndPartWithTwoRecordsFollowsArrowAndExtent) {
    auto target = box(1);
    auto source = box(5);
    auto forward = arcGroup(1, "4");
    auto noArrow = arcGroup(1, "0");
    for (auto* g : {&forward, &noArrow}) {
        host_.glue(*g->get(), kBegin, *target.get(), 1);  // record 1: point 101
        host_.glue(*g->get(), kEnd, *source.get(), 0);    // record 2: point 100
    }
    EXPECT_EQ(getArcEndPart(arrowOf(forward), ArcEndRule::First), 100);
    EXPECT_EQ(getArcEndPart(arrowOf(forward), ArcEndRule::Second), 101);
    EXPECT_EQ(getArcEndPart(arrowOf(noArrow), ArcEndRule::First), 101);
    EXPECT_EQ(getArcEndPart(arrowOf(noArrow), ArcEndRule::Second), 100);
}

TEST_F(ConnectorHelpersTest, ArcEndPartTakesTheWidthWhenTheHeightIsZero) {
    auto target = box(1);
    auto source = box(5);
    auto flat = arcGroup(0, "4");
    host_.glue(*flat.get(), kBegin, *target.get(), 1);
    host_.glue(*flat.get(), kEnd, *source.get(), 0);
    EXPECT_EQ(getArcEndPart(arrowOf(flat), ArcEndRule::First), 100);
    EXPECT_EQ(getArcEndPart(arrowOf(flat), ArcEndRule::Second), 101);
}

TEST_F(ConnectorHelpersTest, ArcEndPartWithOneRecordOrOtherCounts) {
    auto target = box(1);
    auto one = arcGroup(1, "4");
    host_.glue(*one.get(), kEnd, *target.get(), 1);
    EXPECT_EQ(getArcEndPart(arrowOf(one), ArcEndRule::First), 101);
    EXPECT_EQ(getArcEndPart(arrowOf(one), ArcEndRule::Second), 101);

    auto none = arcGroup(1, "4");
    EXPECT_EQ(getArcEndPart(arrowOf(none), ArcEndRule::First), 0);

    auto three = arcGroup(1, "4");
    host_.glue(*three.get(), kBegin, *target.get(), 1);
    host_.glue(*three.get(), kEnd, *target.get(), 0);
    simhost::Connect::glue(*three.get(), 3, *target.get(), 102);
    EXPECT_EQ(getArcEndPart(arrowOf(three), ArcEndRule::First), 0);

    // A connector outside any group has no parent to read.
    auto line = add(ShapeSpec::line(1.5, 1, 4.5, 1));
    host_.glue(*line.get(), kBegin, *target.get(), 1);
    EXPECT_EQ(getArcEndPart(wrap(line), ArcEndRule::First), 0);
}

TEST_F(ConnectorHelpersTest, ArcTargetCombinesTheGluedPointWithTheOtherArrow) {
    auto target = box(1);
    auto at101 = arcGroup(1, "0");
    auto at100 = arcGroup(1, "0");
    host_.glue(*at101.get(), kBegin, *target.get(), 1);
    host_.glue(*at100.get(), kBegin, *target.get(), 0);
    auto plainD = add(ShapeSpec::line(0, 5, 4, 5).cell("EndArrow", "0"));
    auto arrowD = add(ShapeSpec::line(0, 6, 4, 6).cell("EndArrow", "13"));

    EXPECT_TRUE(getArcTarget(arrowOf(at101), wrap(plainD), true));
    EXPECT_FALSE(getArcTarget(arrowOf(at101), wrap(arrowD), true));
    EXPECT_FALSE(getArcTarget(arrowOf(at100), wrap(plainD), false));
    EXPECT_TRUE(getArcTarget(arrowOf(at100), wrap(arrowD), false));

    auto at102 = arcGroup(1, "0");
    host_.glue(*at102.get(), kBegin, *target.get(), 2);
    EXPECT_FALSE(getArcTarget(arrowOf(at102), wrap(plainD), true));
    EXPECT_FALSE(getArcTarget(arrowOf(at102), wrap(arrowD), true));
}

}  // namespace
