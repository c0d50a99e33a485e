// Arcs of one transition that run into each other, and weights above capacities.
#include <gtest/gtest.h>

#include "RuleFixture.h"
#include "checker/CCHintRule.h"
#include "model/GEConnection.h"
#include "model/GEPlace.h"

namespace {

using Ids = std::vector<uint32_t>;

// A transition from x 3.5 to 4.5 and y 0.5 to 1.5.
class HintRuleTest : public RuleOnHost {
protected:
    GEGraphElement* transition = model.active(4, 1, "T");
    CCHintRule rule{true};
};

TEST_F(HintRuleTest, TwoArcsLeavingATransitionFromOnePointAreBothShown) {
    GEConnection* right = model.piece(4.5, 1, 6, 1);
    GEConnection* down = model.piece(4.5, 1, 4.5, -1);
    model.arc(transition, {right}, model.place(6.5, 1, 1, 0));
    model.arc(transition, {down}, model.place(4.5, -1.5, 1, 0));
    model.build();
    EXPECT_EQ(findings(rule), (Ids{id(down), id(right)}));
}

TEST_F(HintRuleTest, ArcsOfDifferentTransitionsMeetingAtAPointAreNotShown) {
    GEGraphElement* upper = model.active(4, 4, "U");
    GEPlace* place = model.place(5, 2.5, 1, 0);
    GEConnection* up = model.piece(4, 1.5, 4, 2.5);
    GEConnection* down = model.piece(4, 3.5, 4, 2.5);
    model.arc(transition, {up}, place);
    model.arc(upper, {down}, place);
    model.build();
    EXPECT_TRUE(findings(rule).empty());
}

// The two-piece arc's last piece ends where the other arc ends, on the transition.
TEST_F(HintRuleTest, IncomingArcsOfManyPiecesMeetAtTheirLastPieces) {
    GEConnection* first = model.piece(2, 3, 2, 1);
    GEConnection* last = model.piece(2, 1, 3.5, 1);
    GEConnection* single = model.piece(3.5, -1, 3.5, 1);
    model.arc(model.place(2, 3.5, 1, 0), {first, last}, transition);
    model.arc(model.place(3.5, -1.5, 1, 0), {single}, transition);
    model.build();
    EXPECT_EQ(findings(rule), (Ids{id(single), id(first), id(last)}));
}

TEST_F(HintRuleTest, PiecesThatMeetAwayFromTheirEndPointsAreNotShown) {
    GEConnection* right = model.piece(4.5, 1, 7, 1);
    GEConnection* across = model.piece(5.5, 1, 5.5, 3);  // starts on the middle of right
    model.arc(transition, {right}, model.place(7.5, 1, 1, 0));
    model.arc(transition, {across}, model.place(5.5, 3.5, 1, 0));
    model.build();
    EXPECT_TRUE(findings(rule).empty());
}

class HintWeights : public HintRuleTest {
protected:
    // An arc of one piece on a row of its own.
    GEConnection* arc(GEGraphElement* begin, GEGraphElement* end, int32_t weight) {
        const double y = 10 + rows++;
        GEConnection* piece = model.piece(0, y, 1, y);
        model.arc(begin, {piece}, end, weight);
        return piece;
    }
    int rows = 0;
};

TEST_F(HintWeights, AWeightAboveThePlacesCapacityIsShownInEitherDirection) {
    GEPlace* two = model.place(1, 1, 2, 0);
    GEPlace* unlimited = model.place(1, 3, -1, 0);
    GEConnection* out = arc(two, transition, 3);
    arc(two, transition, 2);
    arc(unlimited, transition, 30);
    GEConnection* in = arc(transition, two, 3);
    arc(transition, unlimited, 3);
    GEConnection* open = arc(nullptr, two, 5);
    EXPECT_EQ(findings(rule), (Ids{id(out), id(in), id(open)}));
}

TEST_F(HintWeights, APlaceAtTheBeginIsTheArcsPlace) {
    GEPlace* unlimited = model.place(1, 3, -1, 0);
    GEPlace* one = model.place(1, 5, 1, 0);
    arc(unlimited, one, 3);
    GEConnection* shown = arc(one, unlimited, 3);
    arc(transition, transition, 3);  // no place at all
    arc(nullptr, nullptr, 3);
    EXPECT_EQ(findings(rule), (Ids{id(shown)}));
}

TEST_F(HintWeights, OtherKindsOfDiagramGetNoHints) {
    GEPlace* two = model.place(1, 1, 2, 0);
    arc(two, transition, 3);
    GEConnection* right = model.piece(4.5, 1, 6, 1);
    GEConnection* down = model.piece(4.5, 1, 4.5, -1);
    model.arc(transition, {right}, nullptr);
    model.arc(transition, {down}, nullptr);
    model.build();
    CCHintRule block(false);
    EXPECT_TRUE(findings(block).empty());
}

}  // namespace
