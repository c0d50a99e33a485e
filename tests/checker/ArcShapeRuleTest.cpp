// Arrowheads on the first piece of each arc, by kind of diagram.
#include <gtest/gtest.h>

#include "RuleFixture.h"
#include "checker/CCArcShapeRule.h"
#include "model/GEConnection.h"

namespace {

using Ids = std::vector<uint32_t>;
using State = HandModel::State;

class ArcShapeRuleTest : public RuleOnHost {
protected:
    ArcShapeRuleTest() {
        a = model.active(1, 1);
        p = model.passive(4, 1);
    }

    // A one-piece arc in the given state, on a row of its own.
    GEConnection* oneWay(State state) {
        const double y = 3 + rows++;
        GEConnection* piece = model.piece(1, y, 4, y, state);
        model.arc(a, {piece}, p);
        return piece;
    }

    GEGraphElement* a = nullptr;
    GEGraphElement* p = nullptr;
    int rows = 0;
};

TEST_F(ArcShapeRuleTest, BlockDiagramsForbidArrowheadsAtBothEnds) {
    oneWay(HandModel::Directed);
    GEConnection* both = oneWay(HandModel::BothWays);
    oneWay(HandModel::Undirected);
    CCArcShapeRule rule(true, false, false);
    EXPECT_EQ(findings(rule), (Ids{id(both)}));
}

TEST_F(ArcShapeRuleTest, ERDiagramsForbidEveryArrowhead) {
    GEConnection* directed = oneWay(HandModel::Directed);
    GEConnection* both = oneWay(HandModel::BothWays);
    oneWay(HandModel::Undirected);
    CCArcShapeRule rule(false, false, true);
    EXPECT_EQ(findings(rule), (Ids{id(directed), id(both)}));
}

TEST_F(ArcShapeRuleTest, PetriNetsForbidTwoWayArcsOfOnePieceOnly) {
    GEConnection* both = oneWay(HandModel::BothWays);
    oneWay(HandModel::Directed);
    GEConnection* first = model.piece(1, 9, 2, 9, HandModel::BothWays);
    GEConnection* second = model.piece(2, 9, 4, 9, HandModel::Directed);
    model.arc(a, {first, second}, p);
    CCArcShapeRule rule(false, true, false);
    EXPECT_EQ(findings(rule), (Ids{id(both)}));
}

TEST_F(ArcShapeRuleTest, OnlyTheFirstPieceCountsAndTheWholeArcIsShown) {
    GEConnection* first = model.piece(1, 9, 2, 9, HandModel::BothWays);
    GEConnection* second = model.piece(2, 9, 4, 9, HandModel::Undirected);
    GEConnection* third = model.piece(1, 10, 2, 10, HandModel::Undirected);
    GEConnection* fourth = model.piece(2, 10, 4, 10, HandModel::BothWays);
    model.arc(a, {first, second}, p);
    model.arc(a, {third, fourth}, p);
    CCArcShapeRule rule(true, false, false);
    EXPECT_EQ(findings(rule), (Ids{id(first), id(second)}));
}

TEST_F(ArcShapeRuleTest, NoKindOfDiagramAndArcsWithoutPiecesRecordNothing) {
    oneWay(HandModel::BothWays);
    CCArcShapeRule none(false, false, false);
    EXPECT_TRUE(findings(none).empty());

    model.arcSet().destroyElements();
    model.arc(a, {}, p);
    CCArcShapeRule all(true, true, true);
    EXPECT_TRUE(findings(all).empty());
}

}  // namespace
