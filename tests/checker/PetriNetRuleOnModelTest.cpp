// Values of places and arcs, and stack places, on Petri net pages.
#include <gtest/gtest.h>

#include <string>

#include "simhost/stencil/BlockStencil.h"
#include "simhost/stencil/PetriStencil.h"
#include "tests/checker/ModelPage.h"

namespace {

using namespace simhost::stencil;

class PetriNetRuleOnModel : public ModelPage {
protected:
    // A place that shows its capacity and marking in its text boxes (sub-shapes 4 and 3)
    // or, for an empty text, keeps the value in its cell.
    Element place(double x, double y, const std::string& capacity, const std::string& marking) {
        Options options = at(x, y, "p" + std::to_string(x) + std::to_string(y));
        if (!capacity.empty()) options.capacityIn = ValueIn::TextBox;
        options.capacity = capacity.empty() ? "-1" : capacity;
        if (!marking.empty()) options.markingIn = ValueIn::TextBox;
        options.marking = marking.empty() ? "0" : marking;
        return drop(dropPlace, options);
    }
    static simhost::Shape* capacityBox(const Element& place) { return part(place, 4); }
    static simhost::Shape* markingBox(const Element& place) { return part(place, 3); }
    static Options weight(const std::string& text) {
        Options options;
        options.weight = text;
        return options;
    }
};

TEST_F(PetriNetRuleOnModel, APlaceHoldingMoreThanItsCapacityShowsItInItsTextBoxes) {
    Element overfull = place(1, 1, "2", "3");
    place(1, 3, "", "5");  // unlimited
    place(1, 5, "3", "3");
    check();
    ASSERT_TRUE(holder.isPetriNet());
    EXPECT_EQ(findings(PetriNet), (Ids{id(capacityBox(overfull)), id(markingBox(overfull))}));
}

TEST_F(PetriNetRuleOnModel, TextBoxesThatHoldNoNumber) {
    Element noCapacity = place(1, 1, "many", "1");
    Element noMarking = place(1, 3, "4", "some");
    check();
    EXPECT_EQ(findings(PetriNet), (Ids{id(capacityBox(noCapacity)), id(markingBox(noCapacity)),
                                       id(capacityBox(noMarking)), id(markingBox(noMarking))}));
}

// A capacity kept in a cell has no text box: the place itself shows the finding, where
// the unset box ID would have named the page sheet and shown nothing.
TEST_F(PetriNetRuleOnModel, ACapacityInACellIsShownOnThePlace) {
    Options options = at(1, 1, "p");
    options.capacity = "2";
    options.markingIn = ValueIn::TextBox;
    options.marking = "3";
    Element overfull = drop(dropPlace, options);
    check();
    EXPECT_EQ(findings(PetriNet), (Ids{overfull.id(), id(markingBox(overfull))}));
}

TEST_F(PetriNetRuleOnModel, AnArcWeightThatIsNoNumberShowsInTheWeightBoxOfTheLastPiece) {
    Element p = place(1, 1, "", "");
    Element t = drop(dropTransition, at(4, 1, "t"));
    ShapeRef heavy = connect(dropArc, p, east, t, west, weight("heavy"));
    connect(dropArc, t, south, p, south, weight("2"));
    // Of an arc of two pieces, only the last piece's weight counts.
    Element q = place(1, 4, "", "");
    Element u = drop(dropTransition, at(4, 4, "u"));
    ShapeRef first = draw(dropArc, pointOf(q, east), {2.5, 4.5}, weight("x"));
    ShapeRef last = draw(dropArc, {2.5, 4.5}, pointOf(u, west), weight("none"));
    glue(*first, visio::visBegin, *q, east);
    glueToConnector(*last, visio::visBegin, *first, visio::visEnd);
    glue(*last, visio::visEnd, *u, west);
    check();
    ASSERT_EQ(holder.getArcs()->getCount(), 3);
    EXPECT_EQ(findings(PetriNet), (Ids{id(part(heavy, 2)), id(part(last, 2))}));
}

TEST_F(PetriNetRuleOnModel, AStackPlaceAloneIsAFinding) {
    Element stack = drop(dropStackPlace, at(1, 1, "s"));
    Element t = drop(dropTransition, at(4, 1, "t"));
    connect(dropArc, stack, east, t, west);
    check();
    EXPECT_EQ(findings(PetriNet), (Ids{stack.id()}));
}

// Two stack places each feed a transition of their own, and one place feeds both
// transitions and nothing else.
class StackPlacesOnModel : public PetriNetRuleOnModel {
protected:
    StackPlacesOnModel() {
        connect(dropArc, s1, east, t1, west);
        connect(dropArc, s2, east, t2, west);
        connect(dropArc, common, south, t1, north);
        connect(dropArc, common, north, t2, south);
    }

    Element s1 = drop(dropStackPlace, at(1, 1, "s1"));
    Element common = place(1, 3, "", "");
    Element s2 = drop(dropStackPlace, at(1, 5, "s2"));
    Element t1 = drop(dropTransition, at(4, 1, "t1"));
    Element t2 = drop(dropTransition, at(4, 5, "t2"));
    Element t3 = drop(dropTransition, at(4, 3, "t3"));
};

TEST_F(StackPlacesOnModel, FedByACommonPlaceTheyAreSound) {
    check();
    EXPECT_TRUE(keysWithFindings().empty());
}

TEST_F(StackPlacesOnModel, AThirdArcFromTheCommonPlaceMarksBothStackPlaces) {
    connect(dropArc, common, east, t3, west);
    check();
    EXPECT_EQ(findings(PetriNet), (Ids{s1.id(), s2.id()}));
}

// A page that mixes kinds is checked as the kind the user chooses.
TEST_F(PetriNetRuleOnModel, OnlyAPetriNetPageHasFindings) {
    Element stack = drop(dropStackPlace, at(1, 1, "s"));
    Element overfull = place(1, 3, "1", "2");
    drop(dropBlockPassive, at(4, 1, "store"));
    backend_.answerMessageBoxByNumber(1);  // "Block diagram"
    check();
    ASSERT_TRUE(holder.isBlockDiagram());
    EXPECT_TRUE(findings(PetriNet).empty());
    backend_.answerMessageBoxByNumber(2);  // "Petri Net"
    check();
    ASSERT_TRUE(holder.isPetriNet());
    EXPECT_EQ(findings(PetriNet),
              (Ids{id(capacityBox(overfull)), id(markingBox(overfull)), stack.id()}));
}

}  // namespace
