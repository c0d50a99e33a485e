// Place values, arc weights and stack places of Petri nets.
#include <gtest/gtest.h>

#include "RuleFixture.h"
#include "checker/CCPetriNetRule.h"
#include "model/GEPlace.h"
#include "model/GEWeightedConnection.h"

namespace {

using Ids = std::vector<uint32_t>;

class PetriNetRuleTest : public RuleOnHost {
protected:
    CCPetriNetRule rule{true};
};

TEST_F(PetriNetRuleTest, AnOverfullPlaceShowsItsCapacityAndMarkingBoxes) {
    GEPlace* overfull = model.place(1, 1, 2, 3, HandModel::InTextBoxes);
    model.place(3, 1, -1, 5, HandModel::InTextBoxes);  // unlimited
    model.place(5, 1, 2, 2, HandModel::InTextBoxes);   // full
    ASSERT_GT(overfull->getCapacityShapeID(), 0);
    EXPECT_EQ(findings(rule), (Ids{static_cast<uint32_t>(overfull->getCapacityShapeID()),
                                   static_cast<uint32_t>(overfull->getMarkingShapeID())}));
}

TEST_F(PetriNetRuleTest, RejectedCapacityOrMarkingTextsAreFindings) {
    GEPlace* capacity = model.place(1, 1, -3, 0, HandModel::InTextBoxes);
    GEPlace* marking = model.place(3, 1, -1, -3, HandModel::InTextBoxes);
    EXPECT_EQ(findings(rule), (Ids{static_cast<uint32_t>(capacity->getCapacityShapeID()),
                                   static_cast<uint32_t>(capacity->getMarkingShapeID()),
                                   static_cast<uint32_t>(marking->getCapacityShapeID()),
                                   static_cast<uint32_t>(marking->getMarkingShapeID())}));
}

// The unset ID would name the page sheet in the batch write; the place shows it instead.
TEST_F(PetriNetRuleTest, APlaceWithValuesInCellsShowsTheFindingItself) {
    GEPlace* overfull = model.place(1, 1, 1, 4, HandModel::InCells);
    EXPECT_EQ(findings(rule), (Ids{id(overfull), id(overfull)}));
}

TEST_F(PetriNetRuleTest, ARejectedWeightShowsTheWeightBoxOfTheLastPiece) {
    GEGraphElement* t = model.active(4, 1);
    GEPlace* p = model.place(1, 1, 1, 0);
    GEWeightedConnection* first = model.weightedPiece(1.5, 1, 2.5, 1, HandModel::Directed, true);
    GEWeightedConnection* last = model.weightedPiece(2.5, 1, 3.5, 1, HandModel::Directed, true);
    GEWeightedConnection* fine = model.weightedPiece(1, 1.5, 4, 1.5, HandModel::Directed, true);
    model.arc(p, {first, last}, t, -3);
    model.arc(p, {fine}, t, 2);
    EXPECT_EQ(findings(rule), (Ids{static_cast<uint32_t>(last->getWeightShapeID())}));
}

TEST_F(PetriNetRuleTest, ARejectedWeightWithoutABoxShowsThePieces) {
    GEGraphElement* t = model.active(4, 1);
    GEPlace* p = model.place(1, 1, 1, 0);
    GEWeightedConnection* plain = model.weightedPiece(1.5, 1, 3.5, 1);
    model.arc(p, {plain}, t, -3);
    model.arc(p, {}, t, -3);  // nothing to show, nothing read past the pieces
    EXPECT_EQ(findings(rule), (Ids{id(plain)}));
}

TEST_F(PetriNetRuleTest, OtherKindsOfDiagramGetNoFindings) {
    model.place(1, 1, 2, 3, HandModel::InTextBoxes);
    model.stackPlace(3, 3);
    CCPetriNetRule block(false);
    EXPECT_TRUE(findings(block).empty());
}

// Stack places: each feeds a transition of its own, and one further place feeds exactly
// those transitions.
class StackPlaces : public PetriNetRuleTest {
protected:
    StackPlaces() {
        s1 = model.stackPlace(1, 1);
        s2 = model.stackPlace(1, 3);
        t1 = model.active(4, 1);
        t2 = model.active(4, 3);
        common = model.place(7, 2, 1, 1);
    }
    void feedEach() {
        model.arc(s1, {}, t1);
        model.arc(s2, {}, t2);
    }
    void commonInput() {
        model.arc(common, {}, t1);
        model.arc(common, {}, t2);
    }
    Ids both() const { return Ids{id(s1), id(s2)}; }

    GEPlace* s1 = nullptr;
    GEPlace* s2 = nullptr;
    GEGraphElement* t1 = nullptr;
    GEGraphElement* t2 = nullptr;
    GEPlace* common = nullptr;
};

TEST_F(StackPlaces, TheSoundStructureIsNoFinding) {
    feedEach();
    commonInput();
    model.arc(t1, {}, common);  // arcs into the places do not matter
    EXPECT_TRUE(findings(rule).empty());
}

TEST_F(StackPlaces, AStackPlaceAloneIsAFinding) {
    model.passiveSet().destroyElements();
    GEPlace* alone = model.stackPlace(9, 9);
    model.place(9, 7, 1, 0);
    EXPECT_EQ(findings(rule), (Ids{id(alone)}));
}

TEST_F(StackPlaces, ACommonPlaceWithAFurtherArcDoesNotQualify) {
    feedEach();
    commonInput();
    model.arc(common, {}, model.active(4, 6));
    EXPECT_EQ(findings(rule), both());
}

TEST_F(StackPlaces, ACommonPlaceMustReachEveryFedTransition) {
    feedEach();
    model.arc(common, {}, t1);
    EXPECT_EQ(findings(rule), both());
}

TEST_F(StackPlaces, ACommonPlaceNeedsExactlyOneArcIntoEachFedTransition) {
    feedEach();
    model.arc(common, {}, t1);
    model.arc(common, {}, t1);  // as many arcs as fed transitions, but t2 is not reached
    EXPECT_EQ(findings(rule), both());

    CCPetriNetRule again(true);
    commonInput();  // now into t1 twice and t2 once: one arc too many
    EXPECT_EQ(findings(again), both());
}

TEST_F(StackPlaces, NoElementMayEndTwoArcsThatLeaveStackPlaces) {
    feedEach();
    model.arc(s1, {}, t2);
    model.arc(s2, {}, t1);
    commonInput();
    EXPECT_EQ(findings(rule), both());
}

TEST_F(StackPlaces, AStackPlaceCanBeTheCommonInput) {
    model.arc(s1, {}, t1);
    model.arc(s1, {}, t2);
    model.arc(s2, {}, nullptr);  // an open arc is outgoing, but ends nowhere
    EXPECT_TRUE(findings(rule).empty());
}

TEST_F(StackPlaces, TwoStackPlacesFeedingOneTransitionAreFindings) {
    model.arc(s1, {}, t1);
    model.arc(s2, {}, t1);
    commonInput();
    EXPECT_EQ(findings(rule), both());
}

TEST_F(StackPlaces, EveryStackPlaceNeedsAnOutgoingArc) {
    model.arc(s1, {}, t1);
    model.arc(s1, {}, t2);
    commonInput();
    EXPECT_EQ(findings(rule), both());
}

TEST_F(StackPlaces, ArcsWithoutABeginFeedNothing) {
    feedEach();
    commonInput();
    model.arc(nullptr, {}, model.active(4, 6));
    model.arc(common, {}, nullptr);  // the common place's walk stops here: still two
    EXPECT_TRUE(findings(rule).empty());
}

}  // namespace
