// Anti-patterns of Petri nets drawn on a page: arcs of one transition that run into each
// other, and weights above the capacity of their place.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "simhost/stencil/BlockStencil.h"
#include "simhost/stencil/ERStencil.h"
#include "simhost/stencil/PetriStencil.h"
#include "tests/checker/ModelPage.h"

namespace {

using namespace simhost::stencil;

class HintRuleOnModel : public ModelPage {
protected:
    // A place that keeps its capacity in its cell ("-1" unlimited).
    Element place(double x, double y, const std::string& capacity = "-1") {
        Options options = at(x, y, "p" + std::to_string(x) + std::to_string(y));
        options.capacity = capacity;
        return drop(dropPlace, options);
    }
    Element transition(double x, double y) {
        return drop(dropTransition, at(x, y, "t" + std::to_string(x) + std::to_string(y)));
    }
    // An arc of two pieces from a point of one element through the joint to a point of
    // another: the first piece and the last.
    std::pair<ShapeRef, ShapeRef> twoPieces(const Element& from, int16_t fromRow, Point joint,
                                            const Element& to, int16_t toRow) {
        Options bare;
        bare.endArrow = "0";
        ShapeRef first = draw(dropArc, pointOf(from, fromRow), joint, bare);
        ShapeRef last = draw(dropArc, joint, pointOf(to, toRow));
        glue(*first, visio::visBegin, *from, fromRow);
        glueToConnector(*last, visio::visBegin, *first, visio::visEnd);
        glue(*last, visio::visEnd, *to, toRow);
        return {first, last};
    }
    static Options weight(const std::string& text) {
        Options options;
        options.weight = text;
        return options;
    }
};

TEST_F(HintRuleOnModel, ArcsLeavingATransitionFromOnePointAreBothMarked) {
    Element t = transition(4, 4);
    Element up = place(7, 5.5);
    Element down = place(7, 2.5);
    Element above = place(4, 7);
    Element before = place(1, 4);
    ShapeRef toUp = connect(dropArc, t, east, up, west);
    ShapeRef toDown = connect(dropArc, t, east, down, west);
    connect(dropArc, t, north, above, south);
    connect(dropArc, before, east, t, west);
    check();
    ASSERT_TRUE(holder.isPetriNet());
    EXPECT_EQ(findings(Hint), (Ids{id(toDown), id(toUp)}));
}

// An arc of two pieces meets another where its first piece begins.
TEST_F(HintRuleOnModel, AnArcOfTwoPiecesFromTheSamePoint) {
    Element t = transition(4, 4);
    Element up = place(7, 5.5);
    Element down = place(7, 2.5);
    ShapeRef straight = connect(dropArc, t, east, up, west);
    const auto [first, second] = twoPieces(t, east, {5.5, 3.5}, down, west);
    check();
    ASSERT_EQ(holder.getArcs()->getCount(), 2);
    EXPECT_EQ(findings(Hint), (Ids{id(first), id(second), id(straight)}));
}

// Arcs meet where the lines they draw end, wherever the arcs' groups lie: an arc whose
// neighbour only ends on its middle shares no end point with it; arcs drawn at a slant
// from one point share it.
TEST_F(HintRuleOnModel, OnlyArcsThatShareAnEndPointMeet) {
    Element t = transition(4, 4);
    Element right = place(7.5, 4);
    connect(dropArc, t, east, right, west);
    ShapeRef intoTheMiddle = draw(dropArc, pointOf(t, north), {5.75, 4});
    glue(*intoTheMiddle, visio::visBegin, *t, north);
    Element slanted = transition(4, 10);
    Element up = place(7.25, 12.1);
    Element down = place(6.9, 7.3);
    ShapeRef toUp = connect(dropArc, slanted, east, up, south);
    ShapeRef toDown = connect(dropArc, slanted, east, down, north);
    check();
    EXPECT_EQ(findings(Hint), (Ids{id(toDown), id(toUp)}));
}

// Two arcs of two pieces each that enter a transition at one point meet only where
// their last pieces end.
TEST_F(HintRuleOnModel, ArcsOfTwoPiecesMeetingWithTheirLastPieces) {
    Element upper = place(1, 7);
    Element lower = place(1, 1);
    Element t = transition(6, 4);
    const auto [upperFirst, upperLast] = twoPieces(upper, east, {3, 6}, t, west);
    const auto [lowerFirst, lowerLast] = twoPieces(lower, east, {3, 2}, t, west);
    check();
    ASSERT_EQ(holder.getArcs()->getCount(), 2);
    Ids marked = findings(Hint);
    std::sort(marked.begin(), marked.end());
    EXPECT_EQ(marked, (Ids{id(upperFirst), id(upperLast), id(lowerFirst), id(lowerLast)}));
}

TEST_F(HintRuleOnModel, ArcsEnteringATransitionAtOnePointAreBothMarked) {
    Element upper = place(1, 5.5);
    Element lower = place(1, 2.5);
    Element t = transition(4, 4);
    ShapeRef fromUpper = connect(dropArc, upper, east, t, west);
    ShapeRef fromLower = connect(dropArc, lower, east, t, west);
    check();
    EXPECT_EQ(findings(Hint), (Ids{id(fromLower), id(fromUpper)}));
}

TEST_F(HintRuleOnModel, ArcsOfDifferentTransitionsMayMeet) {
    Element t1 = transition(1, 1);
    Element t2 = transition(1, 3);
    Element p = place(4, 2);
    connect(dropArc, t1, east, p, west);
    connect(dropArc, t2, east, p, west);
    check();
    EXPECT_TRUE(findings(Hint).empty());
}

TEST_F(HintRuleOnModel, WeightsAboveTheCapacityOfTheirPlace) {
    Element small = place(1, 1, "2");
    Element unlimited = place(1, 3);
    Element full = place(1, 5, "2");
    Element smallInto = place(4, 7, "2");
    Element t1 = transition(4, 1);
    Element t2 = transition(4, 3);
    Element t3 = transition(4, 5);
    Element t4 = transition(1, 7);
    ShapeRef fromSmall = connect(dropArc, small, east, t1, west, weight("3"));
    connect(dropArc, unlimited, east, t2, west, weight("3"));
    connect(dropArc, full, east, t3, west, weight("2"));
    ShapeRef intoSmall = connect(dropArc, t4, east, smallInto, west, weight("3"));
    check();
    EXPECT_EQ(findings(Hint), (Ids{id(fromSmall), id(intoSmall)}));
    EXPECT_TRUE(findings(PetriNet).empty());
}

// A capacity whose text box holds no number is the Petri net rule's finding; it is no
// capacity that a weight could exceed, so the arc of weight 1 gets no hint.
TEST_F(HintRuleOnModel, AnUnreadableCapacityIsNoHint) {
    Options options = at(1, 1, "p");
    options.capacityIn = ValueIn::TextBox;
    options.capacity = "many";
    Element unreadable = drop(dropPlace, options);
    connect(dropArc, unreadable, east, transition(4, 1), west, weight("1"));
    check();
    EXPECT_EQ(findings(PetriNet).size(), 2u);
    EXPECT_TRUE(findings(Hint).empty());
}

// Arcs that leave one element from one point: a hint only on a Petri net page.
TEST_F(HintRuleOnModel, NothingOnABlockDiagramPage) {
    Element agent = drop(dropBlockActive, at(4, 4, "agent"));
    connect(dropBlockConnection, agent, east, drop(dropBlockPassive, at(7, 5.5, "upper")), west);
    connect(dropBlockConnection, agent, east, drop(dropBlockPassive, at(7, 2.5, "lower")), west);
    check();
    ASSERT_TRUE(holder.isBlockDiagram());
    EXPECT_TRUE(findings(Hint).empty());
}

TEST_F(HintRuleOnModel, NothingOnAnERPage) {
    Element entity = drop(dropERActive, at(4, 4, "entity"));
    connect(dropERConnection, entity, east, drop(dropERPassive, at(7, 5.5, "first")), west);
    connect(dropERConnection, entity, east, drop(dropERPassive, at(7, 2.5, "second")), west);
    check();
    ASSERT_TRUE(holder.isERDiagram());
    EXPECT_TRUE(findings(Hint).empty());
}

}  // namespace
