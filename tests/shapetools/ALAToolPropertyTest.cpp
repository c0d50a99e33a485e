// The layout command over random placements, flips and rotations of two partners: the
// shape's ends end up glued (by the host's glue) to the connection points of the sides
// the rules name, it turns as the partners lie, and a second command changes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Connect.h"
#include "simhost/host/Connects.h"
#include "simhost/host/Document.h"
#include "simhost/host/Page.h"
#include "tests/shapetools/ALAToolFixture.h"

namespace shapetooltest {
namespace {

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

// The rules, restated: overlapping boxes keep the ends (no inner points) and turn the
// shape vertical; apart in x only, the flips decide east and west; otherwise north
// and south.
Expected expect(const Bounds& a, const Bounds& b, bool flipAX, bool flipAY, bool flipBX,
                bool flipBY) {
    const bool overlapX = std::max(a.left, b.left) <= std::min(a.right, b.right);
    const bool overlapY = std::max(a.bottom, b.bottom) <= std::min(a.top, b.top);
    if (overlapX && overlapY) return {"", "", true};
    if (overlapY) {
        const bool right = a.centreX() > b.centreX(), left = a.centreX() < b.centreX();
        const char sideA = (right && !flipAX) || (left && flipAX) ? 'W' : 'E';
        const char sideB = (right && !flipBX) || (left && flipBX) ? 'E' : 'W';
        return {"first:" + std::to_string(rowOf(sideA)), "second:" + std::to_string(rowOf(sideB)),
                false};
    }
    const bool above = a.centreY() > b.centreY(), below = a.centreY() < b.centreY();
    const char sideA = (above && !flipAY) || (below && flipAY) ? 'S' : 'N';
    const char sideB = (above && !flipBY) || (below && flipBY) ? 'N' : 'S';
    return {"first:" + std::to_string(rowOf(sideA)), "second:" + std::to_string(rowOf(sideB)),
            true};
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

class ALAToolPropertyTest : public ALAToolFixture {};

TEST_F(ALAToolPropertyTest, TheEndsGoToTheSidesTheRulesNameAndStayThere) {
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

        newDrawing();
        ShapeRef first = partner(a), second = partner(b);
        ShapeRef shape = connect(*first, row(random), *second, row(random));
        const std::string beginBefore = glueOf(*shape, visio::visBegin, *first, *second);
        const std::string endBefore = glueOf(*shape, visio::visEnd, *first, *second);
        const Expected want = expect(boundsOf(a, turns[0]), boundsOf(b, turns[1]), flips[0],
                                     flips[1], flips[2], flips[3]);
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
        tools.host.closeDocument(*tools.page().document());
    }
}

}  // namespace
}  // namespace shapetooltest
