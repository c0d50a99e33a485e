// The layout command picked from a layout shape's action menu: which sides of its two
// partners its ends go to, which way it turns, which row it ticks, and when it leaves
// things as they are.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "helpers/AddonConstants.h"
#include "platform/visio/VisioConstants.h"
#include "shapetools/ALATool.h"
#include "simhost/host/Shape.h"
#include "tests/shapetools/ALAToolFixture.h"

namespace shapetooltest {
namespace {

using simhost::Shape;

class ALAToolTest : public ALAToolFixture {};

// The side rows of the partners' tables: N 1, E 2, S 3, W 4; inner points from 5.
TEST_F(ALAToolTest, TheEndsGoToTheSidesThePartnersFace) {
    struct Case {
        const char* what;
        Partner first;
        Partner second;
        int firstRow;  // connection point the ends are glued to before, from 1
        int secondRow;
        std::string begin;  // "first:<row>" after the command, or "unchanged"
        std::string end;
        bool vertical;
    };
    const std::vector<Case> cases = {
        {"side by side", {1, 2}, {4, 2}, 1, 1, "first:2", "second:4", false},
        {"apart on both axes", {1, 1}, {4, 4}, 2, 2, "first:1", "second:3", true},
        {"flipped left of its partner",
         {1, 2, {{"FlipX", "1"}}},
         {4, 2},
         1,
         1,
         "first:4",
         "second:4",
         false},
        {"flipped above its partner",
         {1, 4, {{"FlipY", "1"}}},
         {1, 1},
         2,
         2,
         "first:1",
         "second:1",
         true},
        // Touching boxes overlap; neither has inner points: the ends stay.
        {"touching", {1, 2}, {2, 2}, 1, 1, "unchanged", "unchanged", true},
        // The first's west point (its own frame) faces south at 90 degrees.
        {"inner points at 90 degrees",
         {2, 2, {{"Angle", "90 deg"}}, true},
         {2.2, 2.1},
         4,
         1,
         "first:8",
         "second:3",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        newDrawing();
        ShapeRef first = partner(c.first);
        ShapeRef second = partner(c.second);
        ShapeRef shape = connect(*first, c.firstRow, *second, c.secondRow);
        const std::string before = glueOf(*shape, visio::visBegin, *first, *second);
        const std::string beforeEnd = glueOf(*shape, visio::visEnd, *first, *second);
        pick(*shape, 0);
        const std::string begin = glueOf(*shape, visio::visBegin, *first, *second);
        const std::string end = glueOf(*shape, visio::visEnd, *first, *second);
        EXPECT_EQ(begin, c.begin == "unchanged" ? before : c.begin);
        EXPECT_EQ(end, c.end == "unchanged" ? beforeEnd : c.end);
        EXPECT_EQ(shape->formula("Angle"), c.vertical ? "GUARD(90 deg)" : "GUARD(0 deg)");
        EXPECT_EQ(shape->formula("Actions.Checked[1]"), c.vertical ? "0" : "1");
        EXPECT_EQ(shape->formula("Actions.Checked[2]"), c.vertical ? "1" : "0");
        EXPECT_EQ(shape->formula("User.RecursionFlag"), "TRUE");
        EXPECT_EQ(tools.takeMarkers(), std::vector<std::string>{markerRecheckFinished});
    }
}

TEST_F(ALAToolTest, EqualCentresGiveTheFirstPartnerTheEastAndTheNorth) {
    newDrawing();
    ShapeRef first = partner({2, 2});
    ShapeRef second = partner({2, 2});
    ShapeRef shape = connect(*first, 1, *second, 1);
    pick(*shape, 0);  // the parts the ends are glued at (100 both)
    ALATool& tool = *tools.layoutTool();
    const visio::VShape a = wrap(*first), b = wrap(*second);
    EXPECT_EQ(tool.classifyShape(a, b), ALATool::Placement::Overlapping);
    tool.applyFlipX(a, b);
    EXPECT_EQ(tool.firstPointX() + " " + tool.secondPointX(), "Connections.X2 Connections.X4");
    tool.applyFlipY(a, b);
    EXPECT_EQ(tool.firstPointX() + " " + tool.secondPointX(), "Connections.X1 Connections.X3");
}

TEST_F(ALAToolTest, RowsFlagsAndMissingCells) {
    newDrawing();
    ShapeRef first = partner({1, 2});
    ShapeRef second = partner({4, 2});
    // The rows the master names: 7 and 8.
    ShapeRef shape = connect(*first, 1, *second, 1, 7);
    pick(*shape, 6);
    EXPECT_EQ(shape->formula("Actions.Checked[7]"), "1");
    EXPECT_EQ(shape->formula("Actions.Checked[8]"), "0");
    EXPECT_EQ(glueOf(*shape, visio::visBegin, *first, *second), "first:2");
    tools.takeMarkers();

    // Without "SCMIndex=" the shape is re-glued and no row ticked.
    const std::string id = " Sheet." + std::to_string(shape->id());
    tools.host.glue(*shape, visio::visBegin, *first, 0);
    shape->setCell("Actions.Checked[7]", "0");
    EXPECT_TRUE(tools.controller->offerCommand("SINK=ALA" + id));
    tools.host.pump();
    EXPECT_EQ(glueOf(*shape, visio::visBegin, *first, *second), "first:2");
    EXPECT_EQ(shape->formula("Actions.Checked[7]"), "0");
    // Without "Sheet." it is handled and nothing happens, not even the marker.
    EXPECT_TRUE(tools.controller->offerCommand("SINK=ALA SCMIndex=7"));
    tools.host.pump();
    EXPECT_EQ(tools.takeMarkers(), std::vector<std::string>{markerRecheckFinished});

    // A flag other than 1: nothing changes, the marker still goes.
    tools.host.glue(*shape, visio::visBegin, *first, 0);
    shape->setCell("User.RecursionFlag", "0");
    pick(*shape, 6);
    EXPECT_EQ(glueOf(*shape, visio::visBegin, *first, *second), "first:1");
    EXPECT_EQ(shape->formula("User.RecursionFlag"), "0");
    EXPECT_EQ(tools.takeMarkers(), std::vector<std::string>{markerRecheckFinished});

    // Partners without tables give no points: the ends stay, whatever the command before
    // chose for other shapes.
    ShapeRef bare = partner({1, 5, {}, false, false});
    ShapeRef other = partner({4, 5, {}, false, false});
    ShapeRef loose = connect(*bare, 1, *other, 1);
    pick(*loose, 0);
    EXPECT_EQ(glueOf(*loose, visio::visBegin, *bare, *other), "first:1");
    EXPECT_EQ(glueOf(*loose, visio::visEnd, *bare, *other), "second:1");
    EXPECT_EQ(loose->formula("Angle"), "GUARD(0 deg)");
}

TEST_F(ALAToolTest, ARunningCheckLooksAtThePageOnceMore) {
    openDrawing("/drawings/layout.vsd");
    ShapeRef first = partner({1, 2});
    ShapeRef second = partner({4, 2});
    ShapeRef shape = connect(*first, 1, *second, 1);
    ASSERT_TRUE(press("CCStartButton"));
    auto batches = [&] { return tools.host.counters().batchWrites; };
    uint64_t before = batches();
    tools.host.application().QueueMarkerEvent(markerRecheckFinished);
    tools.host.pump();
    const uint64_t oneCheck = batches() - before;
    ASSERT_GT(oneCheck, 0u);
    // With its flag off the command changes no cell: only its marker makes the check.
    shape->setCell("User.RecursionFlag", "0");
    tools.host.pump();
    before = batches();
    pick(*shape, 0);
    EXPECT_EQ(batches() - before, oneCheck);
    ASSERT_TRUE(press("CCStopButton"));
}

}  // namespace
}  // namespace shapetooltest
