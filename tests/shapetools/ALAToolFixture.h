// Partners and layout shapes for the layout command's tests: block diagram stores with
// the layout tables, and access arcs with the layout menu glued between them.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "platform/visio/VShape.h"
#include "simhost/host/Shape.h"
#include "tests/shapetools/ShapeToolsTestHost.h"

namespace shapetooltest {

struct Partner {
    Partner() = default;
    Partner(double atX, double atY, std::map<std::string, std::string> ownCells = {},
            bool innerPoints = false, bool withTables = true)
        : x(atX), y(atY), cells(std::move(ownCells)), inner(innerPoints), tables(withTables) {}

    double x = 0;
    double y = 0;
    // Local formulas ("FlipX", "Angle", ...).
    std::map<std::string, std::string> cells;
    bool inner = false;
    bool tables = true;
    double width = 1;
    double height = 0.75;
};

class ALAToolFixture : public ::testing::Test {
protected:
    void SetUp() override { tools.startTools(); }

    void newDrawing() { tools.newPage(); }
    void openDrawing(const std::string& fullName);
    ShapeRef partner(const Partner& p);
    // An access arc with the layout menu from its first row on, its begin glued to
    // connection point firstRow (from 1) of the first, its end to secondRow of the second.
    ShapeRef connect(simhost::Shape& first, int firstRow, simhost::Shape& second, int secondRow,
                     int firstLayoutRow = 1);
    // The user picks action row `row` (from 0) of the shape's menu.
    void pick(simhost::Shape& shape, int16_t row);
    // Where an end is glued: "first:<row>", "second:<row>" (connection point from 1),
    // "loose" or "elsewhere".
    static std::string glueOf(simhost::Shape& shape, int16_t end, simhost::Shape& first,
                              simhost::Shape& second);
    static visio::VShape wrap(simhost::Shape& shape);
    bool press(const std::string& tag);

    ShapeToolsTestHost tools;
};

}  // namespace shapetooltest
