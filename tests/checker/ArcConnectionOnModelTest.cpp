// Arcs drawn on pages of the three kinds must join an active and a passive element and
// be attached to both.
#include <gtest/gtest.h>

#include "simhost/stencil/BlockStencil.h"
#include "simhost/stencil/ERStencil.h"
#include "simhost/stencil/PetriStencil.h"
#include "tests/checker/ModelPage.h"

namespace {

using namespace simhost::stencil;

class ArcConnectionOnModel : public ModelPage {
protected:
    // An arc from the element's east point to a point that nothing lies at.
    ShapeRef leaving(Master master, const Element& from, Point to) {
        ShapeRef arc = draw(master, pointOf(from, east), to);
        glue(*arc, visio::visBegin, *from, east);
        return arc;
    }
    // An arc from a point that nothing lies at to the element's west point.
    ShapeRef arriving(Master master, Point from, const Element& to) {
        ShapeRef arc = draw(master, from, pointOf(to, west));
        glue(*arc, visio::visEnd, *to, west);
        return arc;
    }
};

TEST_F(ArcConnectionOnModel, BlockDiagramArcsMustJoinAnActiveAndAPassiveElement) {
    Element agent = drop(dropBlockActive, at(1, 1, "Agent"));
    Element store = drop(dropBlockPassive, at(4, 1, "Store"));
    Element reader = drop(dropBlockActive, at(1, 4, "Reader"));
    Element log = drop(dropBlockPassive, at(4, 4, "Log"));
    connect(dropBlockConnection, agent, east, store, west);
    ShapeRef activeToActive = connect(dropBlockConnection, agent, north, reader, south);
    ShapeRef passiveToPassive = connect(dropAccessArrow, store, north, log, south);
    connect(dropAccessArrow, reader, east, log, west);
    check();
    ASSERT_TRUE(holder.isBlockDiagram());
    EXPECT_EQ(findings(ArcConnection), (Ids{id(activeToActive), id(passiveToPassive)}));
}

TEST_F(ArcConnectionOnModel, BlockDiagramArcsGluedAtOneEndOnly) {
    Element agent = drop(dropBlockActive, at(1, 1, "Agent"));
    Element store = drop(dropBlockPassive, at(6, 1, "Store"));
    ShapeRef open = leaving(dropBlockConnection, agent, {3, 1});
    ShapeRef loose = arriving(dropAccessArrow, {4, 1}, store);
    check();
    EXPECT_EQ(findings(ArcConnection), (Ids{id(open), id(loose)}));
}

// A store drawn inside the agent's frame, its side on the frame's side, and an arc along
// that side from the store to the frame: the pieces touch both, but the store lies in
// the agent.
TEST_F(ArcConnectionOnModel, ElementsOneInsideTheOtherAreRecordedThenThePieces) {
    Options frame = at(5, 5, "Agent");
    frame.width = 3;
    frame.height = 3;
    Element agent = drop(dropBlockActive, frame);
    Element store = drop(dropBlockPassive, at(6, 4.5, "Store"));  // its east side at x 6.5
    ShapeRef arc = connect(dropBlockConnection, store, east, agent, east);
    check();
    EXPECT_EQ(findings(ArcConnection), (Ids{store.id(), agent.id(), id(arc)}));
}

TEST_F(ArcConnectionOnModel, PetriNetArcsMustJoinAPlaceAndATransition) {
    Element p1 = drop(dropPlace, at(1, 1, "p1"));
    Element t1 = drop(dropTransition, at(4, 1, "t1"));
    Element p2 = drop(dropPlace, at(7, 1, "p2"));
    connect(dropArc, p1, east, t1, west);
    // Two pieces glued end to begin, the first without arrowheads.
    Options bare;
    bare.endArrow = "0";
    ShapeRef first = draw(dropArc, pointOf(t1, east), {5.5, 1.5}, bare);
    ShapeRef second = draw(dropArc, {5.5, 1.5}, pointOf(p2, west));
    glue(*first, visio::visBegin, *t1, east);
    glueToConnector(*second, visio::visBegin, *first, visio::visEnd);
    glue(*second, visio::visEnd, *p2, west);

    Element p3 = drop(dropPlace, at(1, 4, "p3"));
    Element p4 = drop(dropPlace, at(4, 4, "p4"));
    Element t2 = drop(dropTransition, at(1, 7, "t2"));
    Element t3 = drop(dropTransition, at(4, 7, "t3"));
    ShapeRef placeToPlace = connect(dropArc, p3, east, p4, west);
    ShapeRef transitionToTransition = connect(dropArc, t2, east, t3, west);
    check();
    ASSERT_TRUE(holder.isPetriNet());
    ASSERT_EQ(holder.getArcs()->getCount(), 4);
    EXPECT_EQ(findings(ArcConnection), (Ids{id(placeToPlace), id(transitionToTransition)}));
}

TEST_F(ArcConnectionOnModel, PetriNetArcsGluedAtOneEndOnly) {
    Element place = drop(dropPlace, at(1, 1, "p"));
    Element transition = drop(dropTransition, at(6, 1, "t"));
    ShapeRef open = leaving(dropArc, place, {3, 1});
    ShapeRef loose = arriving(dropArc, {4, 1}, transition);
    check();
    EXPECT_EQ(findings(ArcConnection), (Ids{id(open), id(loose)}));
}

// The transition carries a fifth connection point half its width left of its west
// side: an arc glued there is attached to the transition but stops short of it.
TEST_F(ArcConnectionOnModel, AnArcThatStopsShortOfItsElementIsAFinding) {
    Element place = drop(dropPlace, at(1, 1, "p"));
    Options offset = at(4, 1, "t");
    offset.cells["Connections.X5"] = "Width*-0.5";
    offset.cells["Connections.Y5"] = "Height*0.5";
    Element transition = drop(dropTransition, offset);
    ShapeRef arc = draw(dropArc, pointOf(place, east), {3, 1});
    glue(*arc, visio::visBegin, *place, east);
    glue(*arc, visio::visEnd, *transition, 4);
    check();
    ASSERT_EQ(holder.getArcs()->getCount(), 1);
    EXPECT_EQ(findings(ArcConnection), (Ids{id(arc)}));
}

TEST_F(ArcConnectionOnModel, ERDiagramArcs) {
    Element customer = drop(dropERActive, at(1, 1, "Customer"));
    Element name = drop(dropERPassive, at(4, 1, "name"));
    Element order = drop(dropERActive, at(1, 4, "Order"));
    connect(dropERConnection, customer, east, name, west);
    ShapeRef entityToEntity = connect(dropERConnection, customer, north, order, south);
    ShapeRef open = leaving(dropERConnection, order, {3, 4});
    // A relationship whose first edge starts at an attribute and whose second edge is
    // glued nowhere: the relation is active, so only the second edge is at fault.
    Element date = drop(dropERPassive, at(7, 1, "date"));
    Options wide = at(8.5, 1, "placed");
    wide.width = 2;
    Element placed = drop(dropBinaryRelationship, wide);
    glue(*part(placed, 1), visio::visBegin, *date, east);
    check();
    ASSERT_TRUE(holder.isERDiagram());
    EXPECT_EQ(findings(ArcConnection), (Ids{id(entityToEntity), id(open), id(part(placed, 2))}));
}

// The edges of composite shapes are arcs into and out of their node.
class CompositesOnModel : public ArcConnectionOnModel {
protected:
    // A composite two inches wide between two elements, its first edge glued to the one
    // on the left and its last edge to the one on the right (when given).
    Element between(Master master, const Element& left, const Element* right, size_t lastEdge) {
        Options wide = at(4, 1, "link");
        wide.width = 2;
        Element composite = drop(master, wide);
        glue(*part(composite, 1), visio::visBegin, *left, east);
        if (right) glue(*part(composite, lastEdge), visio::visEnd, **right, west);
        return composite;
    }
};

TEST_F(CompositesOnModel, AChannelBetweenTwoAgents) {
    Element left = drop(dropBlockActive, at(1, 1, "left"));
    Element right = drop(dropBlockActive, at(7, 1, "right"));
    between(dropChannel, left, &right, 3);
    check();
    EXPECT_EQ(holder.getArcs()->getCount(), 2);
    EXPECT_TRUE(keysWithFindings().empty());
}

TEST_F(CompositesOnModel, ARelationshipBetweenTwoAttributes) {
    Element left = drop(dropERPassive, at(1, 1, "left"));
    Element right = drop(dropERPassive, at(7, 1, "right"));
    between(dropBinaryRelationship, left, &right, 2);
    check();
    EXPECT_EQ(holder.getArcs()->getCount(), 2);
    EXPECT_TRUE(keysWithFindings().empty());
}

// The stand-in masters draw the edges of these places without arrowheads, which the
// model reads as two-way arcs between two elements; here they get the arrowheads that
// lead through the place.
TEST_F(CompositesOnModel, AConnectionPlaceBetweenTwoTransitions) {
    Element left = drop(dropTransition, at(1, 1, "left"));
    Element right = drop(dropTransition, at(7, 1, "right"));
    Element place = between(dropConnectionPlace, left, &right, 3);
    host_.setFormula(*part(place, 1), "EndArrow", "4");
    host_.setFormula(*part(place, 3), "EndArrow", "4");
    check();
    EXPECT_EQ(holder.getArcs()->getCount(), 2);
    EXPECT_TRUE(keysWithFindings().empty());
}

TEST_F(CompositesOnModel, AStartPlaceAfterATransition) {
    Element left = drop(dropTransition, at(1, 1, "left"));
    Element place = between(dropStartEndPlace, left, nullptr, 1);
    host_.setFormula(*part(place, 1), "EndArrow", "4");
    check();
    EXPECT_EQ(holder.getArcs()->getCount(), 1);
    EXPECT_TRUE(keysWithFindings().empty());
}

// Seen through plain groups, an arc in a group nested in the place's group is still the
// arc that joins the place, as it is drawn flat.
TEST_F(ArcConnectionOnModel, AnArcInANestedPlainGroupJoinsAPlaceOfTheOuterGroup) {
    // Both groups span the page from its origin: their members lie where the page says.
    auto outer = add(
        simhost::ShapeSpec::group(4, 4, 8, 8)
            .member(
                simhost::ShapeSpec::group(4, 4, 8, 8).member(simhost::ShapeSpec::box(7, 7, 1, 1))));
    Options inOuter = at(1, 1, "p1");
    inOuter.group = outer.get();
    Element p = drop(dropPlace, inOuter);
    Element t = drop(dropTransition, at(4, 1, "t1"));
    Options inNested;
    inNested.group = part(outer, 1);
    connect(dropArc, p, east, t, west, inNested);
    check();
    ASSERT_TRUE(holder.isPetriNet());
    EXPECT_EQ(holder.getArcs()->getCount(), 1);
    EXPECT_TRUE(keysWithFindings().empty());
}

}  // namespace
