#include <gtest/gtest.h>

#include <vector>

#include "model/GEArc.h"
#include "model/GEConnection.h"
#include "model/GEGraphElement.h"
#include "model/GEPlace.h"
#include "model/GEWeightedConnection.h"

namespace {

using IDs = std::vector<int32_t>;

TEST(GraphElement, NewElementsHoldOnlyUnsetShapeIDs) {
    GEGraphElement element;
    EXPECT_EQ(GEGraphElement::UNSET, 0);
    EXPECT_EQ(element.getShapesIDsCount(), 1);
    EXPECT_EQ(element.getID(), GEGraphElement::UNSET);
    EXPECT_EQ(element.getIdentifierID(), 0);
    EXPECT_EQ(element.getIdentifier(), "");

    GEWeightedConnection weighted;
    EXPECT_EQ(weighted.getShapesIDsCount(), 2);
    EXPECT_EQ(weighted.getWeightShapeID(), 0);
    EXPECT_EQ(weighted.getWeight(), 1);

    GEPlace place;
    EXPECT_EQ(place.getShapesIDsCount(), 3);
    EXPECT_EQ(place.getCapacityShapeID(), 0);
    EXPECT_EQ(place.getMarkingShapeID(), 0);
    EXPECT_EQ(place.getCapacity(), 1);
    EXPECT_EQ(place.getMarking(), 0);
    EXPECT_FALSE(place.isStackPlace());
}

TEST(GraphElement, ReadingPastTheShapeIDsGivesUnset) {
    GEPlace place;
    place.setMarkingShapeID(9);
    EXPECT_EQ(place.getShapesID(2), 9);
    EXPECT_EQ(place.getShapesID(3), GEGraphElement::UNSET);
    EXPECT_EQ(place.getShapesID(-1), GEGraphElement::UNSET);
}

TEST(GraphElement, CopiesAndAssignmentsAreIndependent) {
    GEGraphElement original;
    original.setID(12);
    original.setIdentifier("Pump");
    original.setIdentifierID(14);

    GEGraphElement copy(original);
    GEGraphElement assigned;
    assigned = original;
    original.setID(99);
    original.setIdentifier("Valve");

    for (const GEGraphElement* e : {&copy, &assigned}) {
        EXPECT_EQ(e->getID(), 12);
        EXPECT_EQ(e->getIdentifier(), "Pump");
        EXPECT_EQ(e->getIdentifierID(), 14);
        EXPECT_EQ(e->getShapesIDsCount(), 1);
    }
    const GEGraphElement& same = assigned;
    assigned = same;
    EXPECT_EQ(assigned.getIdentifier(), "Pump");
}

TEST(GraphElement, CopiedPlacesKeepTheirTextBoxes) {
    GEPlace place;
    place.setID(3);
    place.setCapacityShapeID(4);
    place.setMarkingShapeID(5);
    place.setMarkingCell(3, "User.QAV_marking");
    GEPlace copy(place);
    EXPECT_EQ(copy.getShapesIDsCount(), 3);
    EXPECT_EQ(copy.getCapacityShapeID(), 4);
    EXPECT_EQ(copy.getMarkingShapeID(), 5);
    EXPECT_EQ(copy.getMarkingCellName(), "User.QAV_marking");
    EXPECT_EQ(copy.getMarkingCellShapeID(), 3);
}

TEST(GraphElement, DestroyingThroughTheBaseReachesTheDerivedElement) {
    GEGraphElement* place = new GEPlace;
    static_cast<GEPlace*>(place)->setMarkingCell(1, std::string(100, 'x'));
    delete place;  // the sanitizer run reports the name's memory if this leaked
}

TEST(Connection, AddersSkipTheOwnIDAndDuplicates) {
    GEConnection c;
    c.setID(5);
    c.addBeginID(7);
    c.addBeginID(5);
    c.addBeginID(7);
    c.addBeginID(8);
    c.addEndID(5);
    c.addEndID(9);
    c.addEndID(9);
    EXPECT_EQ(c.getBeginIDs(), (IDs{7, 8}));
    EXPECT_EQ(c.getEndIDs(), (IDs{9}));
    EXPECT_TRUE(c.hasBeginID(8));
    EXPECT_FALSE(c.hasBeginID(9));
    EXPECT_TRUE(c.hasEndID(9));
    EXPECT_EQ(c.getBeginID(2), GEGraphElement::UNSET);
}

TEST(Connection, RemoversTakeOutTheFirstEqualEntryOnly) {
    GEConnection c;
    c.addBeginID(1);
    c.addBeginID(2);
    c.addBeginID(3);
    c.removeBeginID(2);
    EXPECT_EQ(c.getBeginIDs(), (IDs{1, 3}));
    c.addEndID(4);
    c.removeEndID(6);
    EXPECT_EQ(c.getEndIDs(), (IDs{4}));
    c.removeEndID(4);
    EXPECT_EQ(c.getEndIDsCount(), 0);
}

TEST(Connection, ReverseMovesOrSwapsTheLists) {
    GEConnection onlyBegin;
    onlyBegin.addBeginID(7);
    onlyBegin.reverse();
    EXPECT_EQ(onlyBegin.getBeginIDs(), IDs{});
    EXPECT_EQ(onlyBegin.getEndIDs(), (IDs{7}));

    GEConnection onlyEnd;
    onlyEnd.addEndID(7);
    onlyEnd.addEndID(9);
    onlyEnd.reverse();
    EXPECT_EQ(onlyEnd.getBeginIDs(), (IDs{7, 9}));
    EXPECT_EQ(onlyEnd.getEndIDs(), IDs{});

    GEConnection both;
    both.addBeginID(3);
    both.addEndID(5);
    both.addEndID(6);
    both.setState0();
    both.reverse();
    EXPECT_EQ(both.getBeginIDs(), (IDs{5, 6}));
    EXPECT_EQ(both.getEndIDs(), (IDs{3}));
    EXPECT_TRUE(both.isState0());

    GEConnection none;
    none.reverse();
    EXPECT_EQ(none.getBeginIDsCount() + none.getEndIDsCount(), 0);
}

TEST(Connection, StatesAreExclusiveAndUnsetUntilChosen) {
    GEConnection c;
    EXPECT_FALSE(c.isState0() || c.isState1() || c.isState2());
    c.setState1();
    EXPECT_TRUE(c.isState1());
    EXPECT_FALSE(c.isState0() || c.isState2());
    c.setState2();
    EXPECT_TRUE(c.isState2());
    EXPECT_FALSE(c.isState1());
}

TEST(Place, TextBoxIDsTakeOnlyPositiveValues) {
    GEPlace place;
    place.setCapacityShapeID(4);
    place.setMarkingShapeID(6);
    place.setCapacityShapeID(0);
    place.setMarkingShapeID(-5);
    EXPECT_EQ(place.getCapacityShapeID(), 4);
    EXPECT_EQ(place.getMarkingShapeID(), 6);
    place.setCapacity(-1);
    place.setMarking(-3);
    EXPECT_EQ(place.getCapacity(), -1);
    EXPECT_EQ(place.getMarking(), -3);
    place.setStackPlace();
    EXPECT_TRUE(place.isStackPlace());
    place.clearStackPlace();
    EXPECT_FALSE(place.isStackPlace());
}

TEST(WeightedConnection, WeightShapeIDIsWrittenUnconditionally) {
    GEWeightedConnection c;
    c.setWeightShapeID(8);
    EXPECT_EQ(c.getWeightShapeID(), 8);
    c.setWeightShapeID(0);
    EXPECT_EQ(c.getWeightShapeID(), 0);
    c.setID(3);
    EXPECT_EQ(c.getID(), 3);
    EXPECT_EQ(c.getShapesID(1), 0);
}

TEST(Arc, HoldsItsPiecesInOrderWithoutOwningThem) {
    GEGraphElement place;
    GEGraphElement transition;
    GEConnection first;
    GEConnection second;
    GEArc arc(&place, {&first, &second}, &transition);
    EXPECT_EQ(arc.getBegin(), &place);
    EXPECT_EQ(arc.getEnd(), &transition);
    EXPECT_EQ(arc.getMemberCount(), 2);
    EXPECT_EQ(arc.getMember(0), &first);
    EXPECT_EQ(arc.getMember(1), &second);
    EXPECT_EQ(arc.getMember(2), nullptr);
    EXPECT_EQ(arc.getWeight(), 1);
    EXPECT_EQ(arc.getID(), GEGraphElement::UNSET);
    arc.setWeight(3);
    EXPECT_EQ(arc.getWeight(), 3);
}

}  // namespace
