// The layout command picked from a layout shape's action menu: which sides of its two
// partners its ends go to, which way it turns, which row it ticks, when it leaves things
// as they are; and the same over random placements, flips and rotations, with a second
// command that changes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "helpers/AddonConstants.h"
#include "platform/visio/VisioConstants.h"
#include "shapetools/ALATool.h"
#include "simhost/geometry/Glue.h"
#include "simhost/host/Connect.h"
#include "simhost/host/Connects.h"
#include "simhost/host/Document.h"
#include "simhost/host/Page.h"
#include "simhost/host/ShapeSpec.h"
#include "simhost/host/ToolbarItem.h"
#include "simhost/stencil/BlockStencil.h"
#include "tests/shapetools/ShapeToolsTestHost.h"

namespace shapetooltest {
namespace {

using simhost::Shape;

// A block diagram store, with the layout tables unless told otherwise.
struct Partner {
    Partner() = default;
    Partner(double atX, double atY, std::map<std::string, std::string> ownCells = {},
            bool innerPoints = false, bool withTables = true)
        : x(atX), y(atY), cells(std::move(ownCells)), inner(innerPoints), tables(withTables) {}

    double x = 0;
    double y = 0;
    std::map<std::string, std::string> cells;  // "FlipX", "Angle", ...
    bool inner = false;
    bool tables = true;
    double width = 1;
    double height = 0.75;
};

class ALAToolTest : public ::testing::Test {
protected:
    void SetUp() override { tools.startTools(); }

    ShapeRef partner(const Partner& p) {
        simhost::stencil::StencilOptions options = at(p.x, p.y);
        options.width = p.width;
        options.height = p.height;
        options.cells = p.cells;
        options.layoutTable = p.tables;
        options.innerTable = p.inner;
        ShapeRef shape = simhost::stencil::dropBlockPassive(tools.activePage(), options);
        tools.host.pump();
        return shape;
    }
    // An access arc with the layout menu from firstLayoutRow on, its ends glued to
    // connection points (from 1) of the two partners.
    ShapeRef connect(Shape& first, int firstRow, Shape& second, int secondRow,
                     int firstLayoutRow = 1) {
        simhost::stencil::StencilOptions options;
        options.layoutMenu = true;
        options.firstLayoutRow = firstLayoutRow;
        ShapeRef shape = simhost::stencil::dropAccessArrow(tools.activePage(), options);
        using simhost::geometry::Glue;
        EXPECT_TRUE(Glue::toPoint(tools.host, *shape, visio::visBegin, first, firstRow - 1));
        EXPECT_TRUE(Glue::toPoint(tools.host, *shape, visio::visEnd, second, secondRow - 1));
        tools.host.pump();
        return shape;
    }
    // The user picks action row `row` (from 0).
    void pick(Shape& shape, int16_t row) { ASSERT_TRUE(tools.host.runAction(shape, row)); }
    // "first:<point>" or "second:<point>" (from 1), "loose" or "elsewhere".
    static std::string glueOf(Shape& shape, int16_t end, Shape& first, Shape& second) {
        for (const auto& record : shape.connects().list()) {
            if (record->fromPart() != end) continue;
            const std::string point = std::to_string(record->toPart() - 99);
            if (record->to() == &first) return "first:" + point;
            return record->to() == &second ? "second:" + point : "elsewhere";
        }
        return "loose";
    }
    bool press(const std::string& tag) {
        visio::ComRef<simhost::ToolbarItem> button = tools.host.toolbarItem(tag);
        return button && tools.host.clickToolbarItem(*button);
    }

    ShapeToolsTestHost tools;
};

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
        // Flipped, the first's west point faces east; the turned partner's own side that
        // faces that way is its north.
        {"inner points flipped, partner turned",
         {2, 2, {{"FlipX", "1"}}, true},
         {2.2, 2.1, {{"Angle", "-90 deg"}}},
         4,
         1,
         "first:8",
         "second:1",
         false},
        // An angle off the quarter turns counts as the nearest one: W at 30 degrees is W.
        {"inner points at 30 degrees",
         {2, 2, {{"Angle", "30 deg"}}, true},
         {2.2, 2.1},
         4,
         1,
         "first:8",
         "second:4",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tools.newPage();
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
    tools.newPage();
    ShapeRef first = partner({2, 2});
    ShapeRef second = partner({2, 2});
    ShapeRef shape = connect(*first, 1, *second, 1);
    pick(*shape, 0);  // the parts the ends are glued at (100 both)
    ALATool& tool = *tools.layoutTool();
    const visio::VShape a(visio::ComRef<visio::IVShape>(first.get()));
    const visio::VShape b(visio::ComRef<visio::IVShape>(second.get()));
    EXPECT_EQ(tool.classifyShape(a, b), ALATool::Placement::Overlapping);
    tool.applyFlipX(a, b);
    EXPECT_EQ(tool.firstPointX() + " " + tool.secondPointX(), "Connections.X2 Connections.X4");
    tool.applyFlipY(a, b);
    EXPECT_EQ(tool.firstPointX() + " " + tool.secondPointX(), "Connections.X1 Connections.X3");
}

TEST_F(ALAToolTest, RowsFlagsAndMissingCells) {
    tools.newPage();
    ShapeRef first = partner({1, 2});
    ShapeRef second = partner({4, 2});
    // The rows the master names: 7 and 8.
    ShapeRef shape = connect(*first, 1, *second, 1, 7);
    pick(*shape, 6);
    EXPECT_EQ(shape->formula("Actions.Checked[7]"), "1");
    EXPECT_EQ(shape->formula("Actions.Checked[8]"), "0");
    EXPECT_EQ(glueOf(*shape, visio::visBegin, *first, *second), "first:2");
    // The flag inherits from the master as before.
    EXPECT_TRUE(visio::VShape(visio::ComRef<visio::IVShape>(shape.get()))
                    .CellsU("User.RecursionFlag")
                    .IsInherited());
    tools.takeMarkers();

    // Without "SCMIndex=" the shape is re-glued and no row ticked.
    const std::string id = " Sheet." + std::to_string(shape->id());
    tools.host.glue(*shape, visio::visBegin, *first, 0);
    shape->setCell("Actions.Checked[7]", "0");
    EXPECT_TRUE(tools.controller->offerCommand("SINK=ALA" + id));
    tools.host.pump();
    EXPECT_EQ(glueOf(*shape, visio::visBegin, *first, *second), "first:2");
    EXPECT_EQ(shape->formula("Actions.Checked[7]"), "0");
    // Nor with a row below 1, which would make the menu's first entry the vertical one.
    shape->setCell("Actions.Checked[1]", "1");
    EXPECT_TRUE(tools.controller->offerCommand("SINK=ALA" + id + " SCMIndex=x"));
    tools.host.pump();
    EXPECT_EQ(shape->formula("Actions.Checked[1]"), "1");
    tools.takeMarkers();
    // Without "Sheet." it is handled and nothing happens, not even the marker.
    EXPECT_TRUE(tools.controller->offerCommand("SINK=ALA SCMIndex=7"));
    tools.host.pump();
    EXPECT_TRUE(tools.takeMarkers().empty());

    // A flag other than 1: nothing changes, the marker still goes.
    tools.host.glue(*shape, visio::visBegin, *first, 0);
    shape->setCell("User.RecursionFlag", "0");
    pick(*shape, 6);
    EXPECT_EQ(glueOf(*shape, visio::visBegin, *first, *second), "first:1");
    EXPECT_EQ(shape->formula("User.RecursionFlag"), "0");
    EXPECT_EQ(tools.takeMarkers(), std::vector<std::string>{markerRecheckFinished});

    // A table naming a connection point the partner does not have leaves that end.
    for (const char* row : {"0", "9"}) {
        SCOPED_TRACE(row);
        first->setCell("User.E100", row);
        shape->setCell("User.RecursionFlag", "1");
        pick(*shape, 6);
        EXPECT_EQ(glueOf(*shape, visio::visBegin, *first, *second), "first:1");
        EXPECT_EQ(glueOf(*shape, visio::visEnd, *first, *second), "second:4");
    }
    tools.takeMarkers();

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

// A partner inside a turned or flipped group faces the page as the group turns it.
TEST_F(ALAToolTest, APartnerInATurnedGroupGivesTheSideThatFacesTheOther) {
    struct Case {
        const char* cell;
        const char* formula;
        std::string end;
    };
    // The store lies below: at 90 degrees its own east faces north, flipped upside down
    // its own south does.
    for (const Case& c : {Case{"Angle", "90 deg", "second:2"}, Case{"FlipY", "1", "second:3"}}) {
        SCOPED_TRACE(c.cell);
        simhost::Page& page = tools.newPage();
        ShapeRef first = partner({4, 6});
        ShapeRef second = partner({4, 3});
        ShapeRef group = tools.host.addShape(page, simhost::ShapeSpec::group(4, 3, 1, 0.75));
        page.moveIntoGroup(*second, *group);
        tools.host.setFormula(*group, c.cell, c.formula);
        ShapeRef shape = connect(*first, 2, *second, 1);
        pick(*shape, 0);
        EXPECT_EQ(glueOf(*shape, visio::visBegin, *first, *second), "first:3");
        EXPECT_EQ(glueOf(*shape, visio::visEnd, *first, *second), c.end);
    }
}

TEST_F(ALAToolTest, ARunningCheckLooksAtThePageOnceMore) {
    tools.host.openDocument("/drawings/layout.vsd");
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

// --- Random placements

constexpr double kPi = 3.14159265358979323846;

struct Bounds {
    double left, bottom, right, top;
    double centreX() const { return (left + right) / 2; }
    double centreY() const { return (bottom + top) / 2; }
};

// The upright box around a partner turned about its pin.
Bounds boundsOf(const Partner& p, double degrees) {
    const double c = std::cos(degrees * kPi / 180), s = std::sin(degrees * kPi / 180);
    Bounds b{1e9, 1e9, -1e9, -1e9};
    for (double dx : {-p.width / 2, p.width / 2}) {
        for (double dy : {-p.height / 2, p.height / 2}) {
            const double x = p.x + dx * c - dy * s, y = p.y + dx * s + dy * c;
            b = {std::min(b.left, x), std::min(b.bottom, y), std::max(b.right, x),
                 std::max(b.top, y)};
        }
    }
    return b;
}

// The row of a side in the partners' tables.
int rowOf(char side) {
    return static_cast<int>(std::string("NESW").find(side)) + 1;
}

struct Expected {
    std::string begin;  // "first:<row>", or empty for "stays"
    std::string end;
    bool vertical;
};

// The side of a partner's own frame that faces a page side: turned back by its
// rotation (to the nearest quarter turn), then mirrored by its flips.
char ownSide(char pageSide, double degrees, bool flipX, bool flipY) {
    const std::string turning = "NWSE";
    const int turns = (static_cast<int>(std::lround(degrees / 90)) % 4 + 4) % 4;
    char side =
        turning[static_cast<size_t>((static_cast<int>(turning.find(pageSide)) - turns + 4) % 4)];
    if (flipX && (side == 'E' || side == 'W')) side = side == 'E' ? 'W' : 'E';
    if (flipY && (side == 'N' || side == 'S')) side = side == 'N' ? 'S' : 'N';
    return side;
}

struct Pose {
    double degrees;
    bool flipX, flipY;
};

// The rules, restated: overlapping boxes keep the ends (no inner points) and turn the
// shape vertical; apart in x only, the east and west sides face each other; otherwise
// north and south; each partner takes the side of its own frame facing that way.
Expected expect(const Bounds& a, const Bounds& b, const Pose& pa, const Pose& pb) {
    const bool overlapX = std::max(a.left, b.left) <= std::min(a.right, b.right);
    const bool overlapY = std::max(a.bottom, b.bottom) <= std::min(a.top, b.top);
    if (overlapX && overlapY) return {"", "", true};
    auto ends = [&](char sideA, char sideB, bool vertical) {
        return Expected{
            "first:" + std::to_string(rowOf(ownSide(sideA, pa.degrees, pa.flipX, pa.flipY))),
            "second:" + std::to_string(rowOf(ownSide(sideB, pb.degrees, pb.flipX, pb.flipY))),
            vertical};
    };
    if (overlapY) {
        const bool right = a.centreX() > b.centreX();
        return ends(right ? 'W' : 'E', right ? 'E' : 'W', false);
    }
    const bool above = a.centreY() > b.centreY();
    return ends(above ? 'S' : 'N', above ? 'N' : 'S', true);
}

std::vector<std::string> formulasOf(simhost::Shape& shape) {
    std::vector<std::string> formulas;
    simhost::ShapeSheet& sheet = shape.sheet();
    for (int16_t section : sheet.sectionNumbers())
        for (int16_t r = 0; r < sheet.rowCount(section); ++r)
            if (const simhost::SheetRow* row = sheet.row(section, r))
                for (const auto& cell : row->cells) formulas.push_back(cell.formula);
    return formulas;
}

TEST_F(ALAToolTest, TheEndsGoToTheSidesTheRulesNameAndStayThere) {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> place(0, 6), size(0.4, 2);
    std::uniform_int_distribution<int> coin(0, 1), row(1, 4);
    const double angles[] = {0, 90, 180, 270, -90, 30};
    std::uniform_int_distribution<int> angle(0, 5);
    for (int round = 0; round < 120; ++round) {
        Partner a, b;
        for (Partner* p : {&a, &b}) {
            p->x = place(random);
            p->y = place(random);
            p->width = size(random);
            p->height = size(random);
        }
        const bool flips[4] = {coin(random) == 1, coin(random) == 1, coin(random) == 1,
                               coin(random) == 1};
        const double turns[2] = {angles[angle(random)], angles[angle(random)]};
        a.cells = {{"FlipX", flips[0] ? "1" : "0"},
                   {"FlipY", flips[1] ? "1" : "0"},
                   {"Angle", std::to_string(turns[0]) + " deg"}};
        b.cells = {{"FlipX", flips[2] ? "1" : "0"},
                   {"FlipY", flips[3] ? "1" : "0"},
                   {"Angle", std::to_string(turns[1]) + " deg"}};
        SCOPED_TRACE("round " + std::to_string(round));

        tools.newPage();
        ShapeRef first = partner(a), second = partner(b);
        ShapeRef shape = connect(*first, row(random), *second, row(random));
        const std::string beginBefore = glueOf(*shape, visio::visBegin, *first, *second);
        const std::string endBefore = glueOf(*shape, visio::visEnd, *first, *second);
        const Expected want =
            expect(boundsOf(a, turns[0]), boundsOf(b, turns[1]), {turns[0], flips[0], flips[1]},
                   {turns[1], flips[2], flips[3]});
        pick(*shape, 0);
        EXPECT_EQ(glueOf(*shape, visio::visBegin, *first, *second),
                  want.begin.empty() ? beginBefore : want.begin);
        EXPECT_EQ(glueOf(*shape, visio::visEnd, *first, *second),
                  want.end.empty() ? endBefore : want.end);
        EXPECT_EQ(shape->formula("Angle"), want.vertical ? "GUARD(90 deg)" : "GUARD(0 deg)");
        EXPECT_EQ(shape->formula("Actions.Checked[2]"), want.vertical ? "1" : "0");

        const std::vector<std::string> after = formulasOf(*shape);
        const std::string begin = glueOf(*shape, visio::visBegin, *first, *second);
        pick(*shape, 1);
        EXPECT_EQ(formulasOf(*shape), after);
        EXPECT_EQ(glueOf(*shape, visio::visBegin, *first, *second), begin);
        tools.host.closeDocument(*tools.activePage().document());
    }
}

}  // namespace
}  // namespace shapetooltest
