// The connection and geometry helpers on notation shapes in the stand-in host, glued as
// a user glues them: glue records and their parts, the arc rules that read them, the
// spatial relations and neighbours the host reports, and geometry end points on the page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "helpers/ConnectorHelpers.h"
#include "helpers/ShapeHelpers.h"
#include "helpers/SpatialHelpers.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/geometry/Glue.h"
#include "simhost/geometry/OutlineSpecs.h"
#include "simhost/stencil/PetriStencil.h"
#include "tests/support/HostFixture.h"

namespace {

using simhost::ShapeSpec;
using simhost::geometry::Glue;
using simhost::stencil::StencilOptions;
using simhost::stencil::ValueIn;
constexpr int16_t kBegin = visio::visBegin;
constexpr int16_t kEnd = visio::visEnd;
// Connection point rows of the stand-in masters: N, E, S, W.
constexpr int16_t kNorth = 0, kEast = 1, kWest = 3;

class ConnectorHelpersOnHostTest : public HostFixture {
protected:
    using ShapeRef = visio::ComRef<simhost::Shape>;

    ShapeRef place(double x, double y, ValueIn values = ValueIn::Cell) {
        StencilOptions options;
        options.pin = {x, y};
        options.markingIn = values;
        return simhost::stencil::dropPlace(page(), options);
    }
    ShapeRef transition(double x, double y, double w = 0.5, double h = 1) {
        StencilOptions options;
        options.pin = {x, y};
        options.width = w;
        options.height = h;
        return simhost::stencil::dropTransition(page(), options);
    }
    // A Petri net arc: a 1-D group whose first member is the arrow. Its members keep
    // their size, so arcs meant to be glued are drawn where their ends will go.
    ShapeRef arc(const std::string& endArrow = "0", simhost::stencil::Point from = {6, 6},
                 simhost::stencil::Point to = {7, 7}) {
        StencilOptions options;
        options.begin = from;
        options.end = to;
        options.cells["EndArrow"] = endArrow;
        return simhost::stencil::dropArc(page(), options);
    }
    ShapeRef connector(double x1, double y1, double x2, double y2) {
        return add(ShapeSpec::line(x1, y1, x2, y2));
    }
    void glue(const ShapeRef& connector, int16_t end, const ShapeRef& target, int16_t row) {
        std::string error;
        ASSERT_TRUE(Glue::toPoint(host_, *connector.get(), end, *target.get(), row, &error))
            << error;
    }
    static visio::VShape arrowOf(const ShapeRef& arcGroup) {
        return getShapeByIndex(wrap(arcGroup).Shapes(), 1);
    }
    static void expectAt(PagePoint p, double x, double y, int line = __builtin_LINE()) {
        SCOPED_TRACE("line " + std::to_string(line));
        EXPECT_NEAR(p.x, x, 1e-9);
        EXPECT_NEAR(p.y, y, 1e-9);
    }
};

TEST_F(ConnectorHelpersOnHostTest, GluedEndsConnectPartsAndConnectedShapes) {
    auto p = place(1, 1);
    auto t = transition(4, 1);
    auto both = arc();
    glue(both, kBegin, p, kEast);
    glue(both, kEnd, t, kWest);
    auto endFirst = arc();
    glue(endFirst, kEnd, t, kNorth);
    auto loose = arc();
    EXPECT_EQ(getGluedEndPart(wrap(both)), 2);
    EXPECT_EQ(getGluedEndPart(wrap(endFirst)), 1);
    EXPECT_EQ(getGluedEndPart(wrap(loose)), 0);
    EXPECT_EQ(getConnectPart(wrap(both)), 0);
    EXPECT_EQ(getConnectPart(wrap(endFirst)), 1);
    EXPECT_EQ(getConnectPart(wrap(loose)), -1);
    EXPECT_EQ(getConnectedShape(wrap(both), 1).ID(), p->id());
    EXPECT_EQ(getConnectedShape(wrap(both), 2).ID(), t->id());
    EXPECT_TRUE(getConnectedShape(wrap(endFirst), 2).isEmpty());
    // Re-gluing an end keeps one record for it, now the last one.
    glue(both, kBegin, t, kNorth);
    EXPECT_EQ(getGluedEndPart(wrap(both)), 2);
    EXPECT_EQ(getConnectPart(wrap(both)), 1);
    EXPECT_EQ(getConnectedShape(wrap(both), 2).ID(), t->id());
}

TEST_F(ConnectorHelpersOnHostTest, ArcEndPartFollowsTheArcsArrowAndItsRecords) {
    auto p = place(1, 1);
    auto t = transition(4, 1);
    // Records: 1 the begin at the place's east point (101), 2 the end at the
    // transition's west point (103). A 1-D arc has no height, so its length decides.
    auto withArrow = arc("4");
    auto withoutArrow = arc("0");
    for (const ShapeRef* a : {&withArrow, &withoutArrow}) {
        glue(*a, kBegin, p, kEast);
        glue(*a, kEnd, t, kWest);
    }
    EXPECT_EQ(getArcEndPart(arrowOf(withArrow), ArcEndRule::First), 103);
    EXPECT_EQ(getArcEndPart(arrowOf(withArrow), ArcEndRule::Second), 101);
    EXPECT_EQ(getArcEndPart(arrowOf(withoutArrow), ArcEndRule::First), 101);
    EXPECT_EQ(getArcEndPart(arrowOf(withoutArrow), ArcEndRule::Second), 103);
    // The end a record glues counts, not the order the ends were glued in.
    auto endFirst = arc("4");
    glue(endFirst, kEnd, t, kWest);
    glue(endFirst, kBegin, p, kEast);
    EXPECT_EQ(getArcEndPart(arrowOf(endFirst), ArcEndRule::First), 103);
    EXPECT_EQ(getArcEndPart(arrowOf(endFirst), ArcEndRule::Second), 101);
    // One record serves both rules; none gives 0.
    auto half = arc("4");
    glue(half, kEnd, t, kNorth);
    EXPECT_EQ(getArcEndPart(arrowOf(half), ArcEndRule::First), 100);
    EXPECT_EQ(getArcEndPart(arrowOf(half), ArcEndRule::Second), 100);
    EXPECT_EQ(getArcEndPart(arrowOf(arc()), ArcEndRule::First), 0);
}

TEST_F(ConnectorHelpersOnHostTest, ArcTargetOfAnArcGluedOntoAnotherArc) {
    auto p = place(1, 1);
    auto t = transition(6, 1);
    auto plain = arc("0");     // d without an end arrow
    auto pointed = arc("13");  // d with one
    for (const ShapeRef* d : {&plain, &pointed}) {
        glue(*d, kBegin, p, kEast);
        glue(*d, kEnd, t, kWest);
    }
    // c runs from the place onto d's end point (101), c2 onto d's begin point (100).
    auto atEnd = arc();
    auto atBegin = arc();
    for (const ShapeRef* c : {&atEnd, &atBegin}) glue(*c, kBegin, p, kNorth);
    std::string error;
    ASSERT_TRUE(Glue::toConnectorEnd(host_, *atEnd.get(), kEnd, *plain.get(), kEnd, &error))
        << error;
    ASSERT_TRUE(Glue::toConnectorEnd(host_, *atBegin.get(), kEnd, *plain.get(), kBegin, &error))
        << error;
    EXPECT_EQ(getArcEndPart(arrowOf(atEnd), ArcEndRule::Second), 101);
    EXPECT_TRUE(getArcTarget(arrowOf(atEnd), wrap(plain), false));
    EXPECT_FALSE(getArcTarget(arrowOf(atEnd), wrap(pointed), false));
    EXPECT_EQ(getArcEndPart(arrowOf(atBegin), ArcEndRule::Second), 100);
    EXPECT_FALSE(getArcTarget(arrowOf(atBegin), wrap(plain), false));
    EXPECT_TRUE(getArcTarget(arrowOf(atBegin), wrap(pointed), false));
    // At the begin the first rule reads record 1: the place's north point, part 100.
    EXPECT_FALSE(getArcTarget(arrowOf(atEnd), wrap(plain), true));
    EXPECT_TRUE(getArcTarget(arrowOf(atEnd), wrap(pointed), true));
    // The glued ends lie where the other arc's ends lie.
    expectAt({atEnd->number("EndX"), atEnd->number("EndY")}, plain->number("EndX"),
             plain->number("EndY"));
    expectAt({atBegin->number("EndX"), atBegin->number("EndY")}, plain->number("BeginX"),
             plain->number("BeginY"));
}

TEST_F(ConnectorHelpersOnHostTest, SpatialRelationCodesOfNotationShapes) {
    auto p = place(1, 1);  // an ellipse of 1 by 0.75
    auto t = transition(4, 1);
    auto a = arc("0", {1.5, 1}, {3.75, 1});
    glue(a, kBegin, p, kEast);
    glue(a, kEnd, t, kWest);
    EXPECT_EQ(getSpatialRelation(wrap(a), wrap(p)), 8);
    EXPECT_EQ(getSpatialRelation(wrap(t), wrap(a)), 8);
    EXPECT_EQ(getSpatialRelation(wrap(p), wrap(t)), 0);
    // Near the place's corner: inside its upright box, off its ellipse.
    auto corner = transition(1.65, 1.5, 0.2, 0.2);
    EXPECT_EQ(getSpatialRelation(wrap(p), wrap(corner)), 0);
    auto inside = transition(1, 1, 0.2, 0.2);
    EXPECT_EQ(getSpatialRelation(wrap(p), wrap(inside)), 2);
    EXPECT_EQ(getSpatialRelation(wrap(inside), wrap(p)), 4);
    auto across = transition(1.5, 1, 0.4, 0.2);
    EXPECT_EQ(getSpatialRelation(wrap(across), wrap(p)), 1);
    // A connector glued between them follows the transition and keeps touching both.
    auto c = connector(5, 5, 6, 6);
    glue(c, kBegin, p, kEast);
    glue(c, kEnd, t, kWest);
    host_.setFormula(*t.get(), "PinY", "3 in");
    EXPECT_EQ(getSpatialRelation(wrap(t), wrap(c)), 8);
    EXPECT_EQ(getSpatialRelation(wrap(c), wrap(p)), 8);
    EXPECT_EQ(getSpatialRelation(wrap(c), wrap(a)), 8);  // it starts where the arc does
}

TEST_F(ConnectorHelpersOnHostTest, CollectShapeIDsAsksTheGroupOfAMember) {
    auto p = place(1, 1, ValueIn::TextBox);  // a group: outline, name, marking, capacity
    auto t = transition(4, 1);
    auto a = arc("0", {1.5, 1}, {3.75, 1});
    glue(a, kBegin, p, kEast);
    glue(a, kEnd, t, kWest);
    auto far = transition(9, 9);
    const visio::VShape outline = getShapeByIndex(wrap(p).Shapes(), 1);
    const std::vector<int32_t> ids = collectShapeIDs(outline, visio::Variant());
    EXPECT_EQ(ids, (std::vector<int32_t>{p->id(), a->id()}));
    // A shape on the page asks for itself; the answer comes in order of shape ID.
    auto above = transition(4, 1.5 + 0.5 + 0.005);
    EXPECT_EQ(collectShapeIDs(wrap(t), visio::Variant()),
              (std::vector<int32_t>{a->id(), above->id()}));
    EXPECT_TRUE(collectShapeIDs(wrap(far), visio::Variant()).empty());
}

TEST_F(ConnectorHelpersOnHostTest, GeometryEndPointsOnThePage) {
    auto p = place(1, 1);
    auto t = transition(4, 1);
    auto a = arc("0", {1.5, 1}, {3.75, 1});
    glue(a, kBegin, p, kEast);
    glue(a, kEnd, t, kWest);
    // The arrow lies inside the arc's group; its vertices come out on the page.
    expectAt(getGeometryBeginPoint(arrowOf(a)), 1.5, 1);
    expectAt(getGeometryEndPoint(arrowOf(a)), 3.75, 1);
    // A glued connector's vertices follow its target.
    auto c = connector(5, 5, 6, 6);
    glue(c, kBegin, p, kEast);
    glue(c, kEnd, t, kWest);
    host_.setFormula(*t.get(), "PinY", "2 in");
    expectAt(getGeometryBeginPoint(wrap(c)), 1.5, 1);
    expectAt(getGeometryEndPoint(wrap(c)), 3.75, 2);
    // A turned box: its outline begins and ends at its first corner.
    auto turned = add(ShapeSpec::box(8, 8, 2, 1).cell("Angle", "90 deg"));
    expectAt(getGeometryBeginPoint(wrap(turned)), 8.5, 7);
    expectAt(getGeometryEndPoint(wrap(turned)), 8.5, 7);
    // A polyline: its first and its last vertex.
    auto path = add(simhost::geometry::OutlineSpecs::polyline({{0, 5}, {2, 7}, {4, 5}, {5, 6}}));
    expectAt(getGeometryBeginPoint(wrap(path)), 0, 5);
    expectAt(getGeometryEndPoint(wrap(path)), 5, 6);
}

}  // namespace
