// Glue as Visio keeps it: gluing an end puts it on its target with PAR(PNT(...))
// formulas and it follows the target from then on; formulas that name another point
// re-glue it; other formulas, ungluing and deleting the target leave the end where it
// was. Connectors glue to connectors too, at their ends or along their paths.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/visio/VisioConstants.h"
#include "simhost/geometry/Glue.h"
#include "simhost/geometry/OutlineSpecs.h"
#include "simhost/host/Connect.h"
#include "simhost/host/Connects.h"
#include "simhost/host/Host.h"
#include "simhost/stencil/StencilGeometry.h"

namespace simhost {
namespace {

using geometry::Glue;
using visio::ComRef;
using visio::visBegin;
using visio::visEnd;

class GlueFollowTest : public ::testing::Test {
protected:
    // A box with connection points N, E, S, W (rows 0 to 3).
    ComRef<Shape> target(double x, double y, double w = 1, double h = 1) {
        ShapeSpec spec = ShapeSpec::box(x, y, w, h);
        return host.addShape(*page, stencil::addConnectionPoints(spec, false));
    }
    ComRef<Shape> line(double x1, double y1, double x2, double y2) {
        return host.addShape(*page, ShapeSpec::line(x1, y1, x2, y2));
    }
    static std::string sheet(const ComRef<Shape>& shape) {
        return "Sheet." + std::to_string(shape->id());
    }
    static Point2 begin(const ComRef<Shape>& s) {
        return {s->number("BeginX"), s->number("BeginY")};
    }
    static Point2 end(const ComRef<Shape>& s) { return {s->number("EndX"), s->number("EndY")}; }
    static void expectAt(Point2 p, double x, double y, int line = __builtin_LINE()) {
        SCOPED_TRACE("line " + std::to_string(line));
        EXPECT_NEAR(p.x, x, 1e-9);
        EXPECT_NEAR(p.y, y, 1e-9);
    }
    // The record of a connector's end: its target and part, or none.
    static std::pair<Shape*, int16_t> gluedTo(const ComRef<Shape>& connector, int16_t endPart) {
        for (const auto& record : connector->connects().list())
            if (record->fromPart() == endPart) return {record->to(), record->toPart()};
        return {nullptr, 0};
    }

    Host host;
    ComRef<Document> document = host.newDocument();
    Page* page = document->page(1);
};

TEST_F(GlueFollowTest, AGluedEndGoesToItsPointAndFollowsIt) {
    auto a = target(1, 1);
    auto b = target(5, 1);
    auto arc = line(2, 3, 3, 4);
    ASSERT_TRUE(Glue::toPoint(host, *arc.get(), visBegin, *a.get(), 1));  // a's east point
    ASSERT_TRUE(Glue::toPoint(host, *arc.get(), visEnd, *b.get(), 3));    // b's west point
    const std::string formula =
        "PAR(PNT(" + sheet(a) + "!Connections.X2," + sheet(a) + "!Connections.Y2))";
    EXPECT_EQ(arc->formula("BeginX"), formula);
    EXPECT_EQ(arc->formula("BeginY"), formula);
    EXPECT_EQ(gluedTo(arc, visBegin), std::make_pair(a.get(), int16_t{101}));
    EXPECT_EQ(gluedTo(arc, visEnd), std::make_pair(b.get(), int16_t{103}));
    expectAt(begin(arc), 1.5, 1);
    expectAt(end(arc), 4.5, 1);

    // The target moves, turns, grows: the end stays on its point.
    host.setFormula(*b.get(), "PinY", "3 in");
    expectAt(end(arc), 4.5, 3);
    host.setFormula(*b.get(), "Angle", "90 deg");  // its west point turns to the south
    expectAt(end(arc), 5, 2.5);
    host.setFormula(*a.get(), "Width", "3 in");
    expectAt(begin(arc), 2.5, 1);
    // A target inside a group follows the group.
    auto group = host.addShape(*page, ShapeSpec::group(10, 10, 2, 2));
    ShapeSpec memberSpec = ShapeSpec::box(1, 1, 1, 1);
    auto member =
        host.addShapeToGroup(*group.get(), stencil::addConnectionPoints(memberSpec, false));
    ASSERT_TRUE(Glue::toPoint(host, *arc.get(), visEnd, *member.get(), 0));
    expectAt(end(arc), 10, 10.5);
    host.setFormula(*group.get(), "PinX", "12 in");
    expectAt(end(arc), 12, 10.5);
    EXPECT_EQ(gluedTo(arc, visEnd), std::make_pair(member.get(), int16_t{100}));
    EXPECT_EQ(b->fromConnects().Count(), 0);
}

TEST_F(GlueFollowTest, FormulasThatNameAnotherPointReglue) {
    auto a = target(1, 1);
    auto b = target(5, 1);
    auto arc = line(2, 3, 3, 4);
    ASSERT_TRUE(Glue::toPoint(host, *arc.get(), visEnd, *a.get(), 0));
    // As the layout command writes them, Y first and with its own spelling.
    const std::string formula =
        "PAR(PNT(" + sheet(b) + "!Connections.X3, " + sheet(b) + "!Connections.Y3))";
    host.setFormula(*arc.get(), "EndY", formula);
    host.setFormula(*arc.get(), "EndX", formula);
    EXPECT_EQ(arc->formula("EndX"), formula);
    EXPECT_EQ(gluedTo(arc, visEnd), std::make_pair(b.get(), int16_t{102}));
    EXPECT_EQ(a->fromConnects().Count(), 0);
    EXPECT_EQ(b->fromConnects().Count(), 1);
    expectAt(end(arc), 5, 0.5);
    // Such formulas glue an end that was not glued.
    host.setFormula(*arc.get(), "BeginX",
                    "PAR(PNT(" + sheet(a) + "!Connections.X1," + sheet(a) + "!Connections.Y1))");
    EXPECT_EQ(gluedTo(arc, visBegin).first, nullptr);  // Y does not name the point yet
    host.setFormula(*arc.get(), "BeginY",
                    "PAR(PNT(" + sheet(a) + "!Connections.X1," + sheet(a) + "!Connections.Y1))");
    EXPECT_EQ(gluedTo(arc, visBegin), std::make_pair(a.get(), int16_t{100}));
    // Anything else written into a glued end unglues it.
    host.setFormula(*arc.get(), "EndX", "7 in");
    EXPECT_EQ(gluedTo(arc, visEnd).first, nullptr);
    EXPECT_EQ(b->fromConnects().Count(), 0);
    expectAt(end(arc), 7, 0.5);
}

TEST_F(GlueFollowTest, AnEndWhoseGlueGoesStaysWhereItWas) {
    auto a = target(1, 1);
    auto b = target(5, 1);
    auto arc = line(2, 3, 3, 4);
    ASSERT_TRUE(Glue::toPoint(host, *arc.get(), visBegin, *a.get(), 1));
    ASSERT_TRUE(Glue::toPoint(host, *arc.get(), visEnd, *b.get(), 3));
    host.unglue(*arc.get(), visBegin);
    host.setFormula(*a.get(), "PinX", "-3 in");
    expectAt(begin(arc), 1.5, 1);
    EXPECT_EQ(arc->formula("BeginX"), "1.5 in");
    host.deleteShape(*b.get());
    EXPECT_EQ(arc->connects().Count(), 0);
    expectAt(end(arc), 4.5, 1);
    // Deleting the connector itself leaves its targets alone.
    ASSERT_TRUE(Glue::toPoint(host, *arc.get(), visBegin, *a.get(), 0));
    host.deleteShape(*arc.get());
    EXPECT_EQ(a->fromConnects().Count(), 0);
    expectAt({a->number("PinX"), a->number("PinY")}, -3, 1);
}

TEST_F(GlueFollowTest, VisiosOwnWaysOfGluingMoveTheEndToo) {
    auto a = target(1, 1);
    auto arc = line(2, 3, 3, 4);
    arc->CellsU("BeginX")->GlueTo(a->CellsU("Connections.X3"));
    EXPECT_EQ(gluedTo(arc, visBegin), std::make_pair(a.get(), int16_t{102}));
    expectAt(begin(arc), 1, 0.5);
    // Glued to the whole shape, the end lands where the line from the pin towards the
    // other end leaves the outline: on the circle, here.
    auto circle = host.addShape(*page, stencil::memberEllipse(6, 3, 2, 2));
    stencil::finishEllipses(*circle.get());
    host.glueToShape(*arc.get(), visEnd, *circle.get());
    EXPECT_EQ(gluedTo(arc, visEnd), std::make_pair(circle.get(), int16_t{3}));
    Point2 e = end(arc);
    EXPECT_NEAR(std::hypot(e.x - 6, e.y - 3), 1, 1e-3);
    EXPECT_LT(e.x, 6);
    EXPECT_EQ(arc->SpatialRelation(ComRef<visio::IVShape>(circle.get()), 0.015, 0),
              visio::visSpatialTouching);
    host.setFormula(*circle.get(), "PinY", "5 in");
    EXPECT_NEAR(end(arc).y - e.y, 2, 1e-9);
}

TEST_F(GlueFollowTest, ConnectorsGlueToConnectors) {
    auto a = target(1, 1);
    auto first = line(1.5, 1, 3, 1);
    ASSERT_TRUE(Glue::toPoint(host, *first.get(), visBegin, *a.get(), 1));
    // A connector without connection points gets one at the end it is glued to.
    auto second = line(4, 4, 5, 5);
    ASSERT_TRUE(Glue::toConnectorEnd(host, *second.get(), visBegin, *first.get(), visEnd));
    EXPECT_EQ(gluedTo(second, visBegin), std::make_pair(first.get(), int16_t{100}));
    expectAt(begin(second), 3, 1);
    host.setFormula(*first.get(), "EndY", "2 in");
    expectAt(begin(second), 3, 2);
    // Gluing to its begin as well reuses nothing that is not there, and finds what is.
    auto third = line(7, 7, 8, 8);
    ASSERT_TRUE(Glue::toConnectorEnd(host, *third.get(), visEnd, *first.get(), visBegin));
    ASSERT_TRUE(Glue::toConnectorEnd(host, *line(6, 6, 7, 6).get(), visEnd, *first.get(), visEnd));
    EXPECT_EQ(first->sheet().rowCount(7), 2);
    expectAt(end(third), 1.5, 1);
    // Onto the middle of a polyline: the end follows the path when the polyline moves.
    auto path = host.addShape(*page, geometry::OutlineSpecs::polyline({{0, 5}, {2, 7}, {4, 5}}));
    auto fourth = line(9, 9, 9, 10);
    ASSERT_TRUE(Glue::toPath(host, *fourth.get(), visEnd, *path.get(), 0.75));
    expectAt(end(fourth), 3, 6);
    host.setFormula(*path.get(), "EndX", "8 in");  // the polyline stretches to x = 8
    expectAt(end(fourth), 6, 6);
    EXPECT_EQ(fourth->SpatialRelation(ComRef<visio::IVShape>(path.get()), 0.015, 0),
              visio::visSpatialTouching);
}

TEST_F(GlueFollowTest, ALongChainOfConnectorsIsReadInTimeLinearInItsLength) {
    // Each connector's begin is glued to the end of the one before, so where a connector
    // lies depends on every connector before it; reading the last begin reads each cell
    // of the chain once, not once per path through the references.
    constexpr int kPieces = 40;
    std::vector<ComRef<Shape>> chain{line(0, 0, 1, 0)};
    for (int i = 1; i < kPieces; ++i) {
        chain.push_back(line(i, 1, i + 1, 1));
        ASSERT_TRUE(
            Glue::toConnectorEnd(host, *chain.back().get(), visBegin, *chain[i - 1].get(), visEnd));
    }
    host.setFormula(*chain.front().get(), "BeginY", "3 in");
    const uint64_t before = host.counters().evaluations;
    expectAt(begin(chain.back()), kPieces - 1, 1);
    EXPECT_LT(host.counters().evaluations - before, 100u * kPieces);
}

TEST_F(GlueFollowTest, WhatCannotBeGluedIsRefusedAndChangesNothing) {
    auto a = target(1, 1);
    auto arc = line(2, 3, 3, 4);
    auto other = host.addPage(*document.get());
    auto elsewhere = host.addShape(*other.get(), ShapeSpec::box(1, 1, 1, 1));
    auto guarded = host.addShape(*page, ShapeSpec::line(2, 2, 3, 3).cell("BeginX", "GUARD(2 in)"));
    auto curved = host.addShape(*page, stencil::memberEllipse(8, 8, 1, 1));
    stencil::finishEllipses(*curved.get());
    std::string error;
    auto refused = [&](bool done, const std::string& expected) {
        EXPECT_FALSE(done);
        EXPECT_NE(error.find(expected), std::string::npos) << error;
        error.clear();
    };
    refused(Glue::toPoint(host, *a.get(), visBegin, *arc.get(), 0, &error), "not a 1-D shape");
    refused(Glue::toPoint(host, *arc.get(), 3, *a.get(), 0, &error), "must be 9 (begin)");
    refused(Glue::toPoint(host, *arc.get(), visBegin, *a.get(), 4, &error),
            "no connection point 5");
    refused(Glue::toPoint(host, *arc.get(), visBegin, *arc.get(), 0, &error), "itself");
    refused(Glue::toPoint(host, *arc.get(), visBegin, *elsewhere.get(), 0, &error),
            "does not lie on the connector's page");
    refused(Glue::toPoint(host, *guarded.get(), visBegin, *a.get(), 0, &error), "is guarded");
    refused(Glue::toConnectorEnd(host, *arc.get(), visBegin, *a.get(), visEnd, &error),
            "is not a connector");
    refused(Glue::toPath(host, *arc.get(), visBegin, *curved.get(), 0.5, &error), "curved");
    refused(Glue::toPath(host, *arc.get(), visBegin, *guarded.get(), 1.5, &error), "from 0 to 1");
    EXPECT_EQ(arc->connects().Count(), 0);
    EXPECT_EQ(arc->formula("BeginX"), "2 in");
    EXPECT_EQ(curved->sheet().rowCount(7), 0);
    // The host's own glue of a guarded end is not kept either: the end cannot move.
    host.glue(*guarded.get(), visBegin, *a.get(), 0);
    EXPECT_EQ(guarded->connects().Count(), 0);
    EXPECT_EQ(guarded->formula("BeginX"), "GUARD(2 in)");
}

}  // namespace
}  // namespace simhost
