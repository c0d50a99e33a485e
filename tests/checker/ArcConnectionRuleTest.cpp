// Arcs must join an active and a passive element and be attached to both.
#include <gtest/gtest.h>

#include "RuleFixture.h"
#include "checker/CCArcConnectionRule.h"
#include "model/GEConnection.h"
#include "model/GEPlace.h"

namespace {

using Ids = std::vector<uint32_t>;

// A place left of a transition, a gap of two inches between them on the line y = 1.
class ArcConnectionRuleTest : public RuleOnHost {
protected:
    GEGraphElement* place = model.passive(1, 1, "P");
    GEGraphElement* transition = model.active(4, 1, "T");
    CCArcConnectionRule rule;
};

TEST_F(ArcConnectionRuleTest, AnArcAttachedToBothOfItsElementsIsNoFinding) {
    GEConnection* straight = model.piece(1.5, 1, 3.5, 1);
    GEConnection* first = model.piece(1.5, 1, 2.5, 1);
    GEConnection* second = model.piece(2.5, 1, 3.5, 1);
    model.arc(place, {straight}, transition);
    model.arc(transition, {second, first}, place);
    model.build();
    EXPECT_TRUE(findings(rule).empty());
}

TEST_F(ArcConnectionRuleTest, AnArcGluedAtOneEndMarksAllItsPieces) {
    GEConnection* a = model.piece(1.5, 1, 2.5, 1);
    GEConnection* b = model.piece(2.5, 1, 2.5, 3);
    GEConnection* c = model.piece(3.5, 1, 3.5, 3);
    model.arc(place, {a, b}, nullptr);
    model.arc(nullptr, {c}, transition);
    model.build();
    EXPECT_EQ(findings(rule), (Ids{id(a), id(b), id(c)}));
}

TEST_F(ArcConnectionRuleTest, AnArcBetweenElementsOfOneKindMarksAllItsPieces) {
    GEGraphElement* secondTransition = model.active(4, 4, "T2");
    GEGraphElement* secondPlace = model.passive(1, 4, "P2");
    GEConnection* up = model.piece(4, 1.5, 4, 3.5);
    GEConnection* down = model.piece(1, 3.5, 1, 1.5);
    model.arc(transition, {up}, secondTransition);
    model.arc(secondPlace, {down}, place);
    model.build();
    EXPECT_EQ(findings(rule), (Ids{id(up), id(down)}));
}

TEST_F(ArcConnectionRuleTest, APieceThatMissesItsElementMarksTheArc) {
    GEConnection* short1 = model.piece(2, 1, 3.5, 1);  // leaves a gap at the place
    GEConnection* first = model.piece(1.5, 1.4, 2.5, 1.4);
    GEConnection* last = model.piece(2.5, 1.4, 3, 1.4);  // stops short of the transition
    GEConnection* third = model.piece(1.5, 1.2, 3.5, 1.2);
    model.arc(place, {short1}, transition);
    model.arc(place, {first, last}, transition);
    model.arc(place, {third}, transition);
    model.build();
    EXPECT_EQ(findings(rule), (Ids{id(short1), id(first), id(last)}));
}

TEST_F(ArcConnectionRuleTest, ElementsOneInsideTheOtherAreRecordedBeforeThePieces) {
    GEGraphElement* frame = model.active(8, 1, "frame", 3);  // from x 6.5 to 9.5
    GEGraphElement* inner = model.passive(7.5, 1, "inner");  // from x 7 to 8
    GEConnection* out = model.piece(8, 1, 10.5, 1);
    GEConnection* back = model.piece(7.5, 0.5, 7.5, -1.5);
    model.arc(inner, {out}, frame);
    model.arc(frame, {back}, inner);
    model.build();
    EXPECT_EQ(findings(rule), (Ids{id(inner), id(frame), id(out), id(frame), id(inner), id(back)}));
}

// Such an arc cannot come from a page, but a model must not make the rule read a
// piece it does not have.
TEST_F(ArcConnectionRuleTest, AnArcWithoutPiecesRecordsNothing) {
    model.arc(place, {}, transition);
    model.arc(nullptr, {}, nullptr);
    model.build();
    EXPECT_TRUE(findings(rule).empty());
}

}  // namespace
