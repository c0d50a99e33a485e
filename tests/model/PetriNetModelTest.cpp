// Petri net pages read into the model: the elements of every master, arcs of single
// connectors and of chains, connectors glued onto connectors, arrowless connectors, and
// the edges of connection and start/end places.
#include <gtest/gtest.h>

#include <utility>

#include "model/GEPlace.h"
#include "model/GEWeightedConnection.h"
#include "model/PetriNetConnectorEnds.h"
#include "model/PetriNetModel.h"
#include "simhost/host/ShapeSpec.h"
#include "tests/model/DiagramModelFixture.h"

namespace {

using namespace simhost::stencil;
using simhost::ShapeSpec;

class PetriNetModelTest : public DiagramModelFixture {
protected:
    // An arc with its weight box showing the weight.
    ShapeRef arc(double x1, double y1, double x2, double y2, const std::string& weight = "",
                 const std::string& endArrow = "4", const std::string& beginArrow = "0") {
        Options options = from(x1, y1, x2, y2, endArrow, beginArrow);
        options.weight = weight;
        return dropArc(page(), options);
    }
    GEWeightedConnection& weighted(PetriNetModel& model, const ShapeRef& shape) {
        return *connectionOf<GEWeightedConnection>(model, *shape);
    }
    // The only arc of the model.
    static GEArc& onlyArc(PetriNetModel& model) {
        EXPECT_EQ(model.getArcs()->getCount(), 1);
        return *static_cast<GEArc*>(model.getArcs()->getFirst());
    }
};

TEST_F(PetriNetModelTest, EveryMasterBecomesItsElement) {
    auto transition = dropTransition(page(), at(1, 1, "t1"));
    Options boxes = at(3, 1, "p1");
    boxes.markingIn = ValueIn::TextBox;
    boxes.marking = "3";
    boxes.capacityIn = ValueIn::TextBox;
    boxes.capacity = "5";
    auto place = dropPlace(page(), boxes);
    Options cells = at(5, 1, "p2");
    cells.marking = "1";
    auto cellPlace = dropPlace(page(), cells);
    Options stack = at(7, 1, "s1");
    stack.capacity = "-1";
    auto stackPlace = dropStackPlace(page(), stack);

    auto model = readPage<PetriNetModel>();
    EXPECT_EQ(model->getActive()->getCount(), 1);
    EXPECT_TRUE(model->isTransitionID(transition->id()));
    EXPECT_FALSE(model->isPlaceID(transition->id()));
    EXPECT_EQ(model->getActive()->getByID(transition->id())->getIdentifier(), "t1");
    ASSERT_EQ(model->getPassive()->getCount(), 3);

    auto& p1 = *static_cast<GEPlace*>(model->getPassive()->getByID(place->id()));
    EXPECT_EQ(p1.getIdentifier(), "p1");
    EXPECT_EQ(p1.getIdentifierID(), subShape(place, 2)->id());
    EXPECT_EQ(p1.getMarking(), 3);
    EXPECT_EQ(p1.getMarkingShapeID(), subShape(place, 3)->id());
    EXPECT_EQ(p1.getMarkingCellShapeID(), subShape(place, 3)->id());
    EXPECT_EQ(p1.getMarkingCellName(), "");
    EXPECT_EQ(p1.getCapacity(), 5);
    EXPECT_EQ(p1.getCapacityShapeID(), subShape(place, 4)->id());
    EXPECT_FALSE(p1.isStackPlace());

    auto& p2 = *static_cast<GEPlace*>(model->getPassive()->getByID(cellPlace->id()));
    EXPECT_EQ(p2.getMarking(), 1);
    EXPECT_EQ(p2.getMarkingCellName(), "User.QAV_marking");
    EXPECT_EQ(p2.getMarkingCellShapeID(), cellPlace->id());
    EXPECT_EQ(p2.getCapacity(), -1);
    EXPECT_EQ(p2.getMarkingShapeID(), GEGraphElement::UNSET);

    auto& s1 = *static_cast<GEPlace*>(model->getPassive()->getByID(stackPlace->id()));
    EXPECT_TRUE(s1.isStackPlace());
    EXPECT_EQ(s1.getCapacity(), -1);
    EXPECT_EQ(s1.getIdentifier(), "s1");
    EXPECT_EQ(s1.getMarking(), 0);
    EXPECT_EQ(s1.getMarkingCellName(), "");
}

TEST_F(PetriNetModelTest, ASingleConnectorIsAnArcWithItsWeight) {
    auto place = dropPlace(page(), at(1, 1));
    auto transition = dropTransition(page(), at(5, 1));
    auto a = arc(1, 1, 5, 1, "2");
    glueBegin(a, place);
    glueEnd(a, transition);

    auto model = readPage<PetriNetModel>();
    GEWeightedConnection& c = weighted(*model, a);
    EXPECT_TRUE(c.isState0());
    EXPECT_EQ(c.getWeight(), 2);
    EXPECT_EQ(c.getWeightShapeID(), subShape(a, 2)->id());
    GEArc& only = onlyArc(*model);
    EXPECT_EQ(idOf(only.getBegin()), place->id());
    EXPECT_EQ(idOf(only.getEnd()), transition->id());
    EXPECT_EQ(memberIDs(only), std::vector<int32_t>{a->id()});
    EXPECT_EQ(only.getWeight(), 2);
}

TEST_F(PetriNetModelTest, AnArrowheadAtTheBeginTurnsTheArcRound) {
    auto place = dropPlace(page(), at(1, 1));
    auto transition = dropTransition(page(), at(5, 1));
    auto a = arc(1, 1, 5, 1, "", "0", "4");
    glueBegin(a, place);
    glueEnd(a, transition);
    auto model = readPage<PetriNetModel>();
    GEArc& only = onlyArc(*model);
    EXPECT_EQ(idOf(only.getBegin()), transition->id());
    EXPECT_EQ(idOf(only.getEnd()), place->id());
    EXPECT_EQ(only.getWeight(), 1);
}

TEST_F(PetriNetModelTest, AnArrowlessConnectorLeavesTheElementItTouches) {
    auto place = dropPlace(page(), at(1, 1));
    auto transition = dropTransition(page(), at(5, 1));
    auto fromPlace = arc(1, 1, 3, 3, "", "0");
    glueBegin(fromPlace, place);
    auto intoPlace = arc(3, 3, 1, 1, "", "0");  // drawn towards the place
    glueEnd(intoPlace, place);
    auto between = arc(1, 1, 5, 1, "", "0");
    glueBegin(between, place);
    glueEnd(between, transition);

    auto model = readPage<PetriNetModel>();
    GEWeightedConnection& c1 = weighted(*model, fromPlace);
    EXPECT_TRUE(c1.isState0());
    EXPECT_EQ(beginIDs(c1), std::vector<int32_t>{place->id()});
    GEWeightedConnection& c2 = weighted(*model, intoPlace);
    EXPECT_TRUE(c2.isState0());
    EXPECT_EQ(beginIDs(c2), std::vector<int32_t>{place->id()});
    EXPECT_TRUE(endIDs(c2).empty());
    GEWeightedConnection& c3 = weighted(*model, between);
    EXPECT_TRUE(c3.isState1());
    EXPECT_EQ(beginIDs(c3), std::vector<int32_t>{place->id()});
    EXPECT_EQ(endIDs(c3), std::vector<int32_t>{transition->id()});

    ASSERT_EQ(model->getArcs()->getCount(), 3);
    for (GEArc* a : arcsOf(*model)) {
        EXPECT_EQ(idOf(a->getBegin()), place->id());
        EXPECT_EQ(idOf(a->getEnd()), a->getMember(0) == &c3 ? transition->id() : 0);
    }
}

// The second piece's begin is glued onto the first: the chain is one arc, with the
// weight of its last piece.
TEST_F(PetriNetModelTest, TwoPiecesGluedEndToBeginAreOneArc) {
    auto place = dropPlace(page(), at(1, 1));
    auto transition = dropTransition(page(), at(5, 3));
    auto first = arc(1, 1, 3, 1, "5");
    auto second = arc(3, 1, 5, 3, "2");
    glueBegin(first, place);
    glueBegin(second, first);
    glueEnd(second, transition);

    auto model = readPage<PetriNetModel>();
    // The first piece lists the second at its end, where getArcTarget puts it.
    EXPECT_EQ(endIDs(weighted(*model, first)), std::vector<int32_t>{second->id()});
    GEArc& only = onlyArc(*model);
    EXPECT_EQ(idOf(only.getBegin()), place->id());
    EXPECT_EQ(idOf(only.getEnd()), transition->id());
    EXPECT_EQ(memberIDs(only), (std::vector<int32_t>{first->id(), second->id()}));
    EXPECT_EQ(only.getWeight(), 2);
}

// Arrowless pieces before the one with the arrowhead take their direction along the
// chain.
TEST_F(PetriNetModelTest, ArrowlessPiecesFollowTheirChain) {
    auto place = dropPlace(page(), at(1, 1));
    auto transition = dropTransition(page(), at(7, 1));
    auto first = arc(1, 1, 3, 1, "", "0");
    auto middle = arc(3, 1, 5, 1, "", "0");
    auto last = arc(5, 1, 7, 1);
    glueBegin(first, place);
    glueBegin(middle, first);
    glueBegin(last, middle);
    glueEnd(last, transition);

    auto model = readPage<PetriNetModel>();
    EXPECT_TRUE(weighted(*model, first).isState0());
    EXPECT_FALSE(weighted(*model, middle).isState2());
    GEArc& only = onlyArc(*model);
    EXPECT_EQ(idOf(only.getBegin()), place->id());
    EXPECT_EQ(idOf(only.getEnd()), transition->id());
    EXPECT_EQ(memberIDs(only), (std::vector<int32_t>{first->id(), middle->id(), last->id()}));
}

// Where two connectors start at the same point of a third, the link between the two is
// cut and each continues the chain on its own.
TEST_F(PetriNetModelTest, ABranchingChainEndsAtEveryBranch) {
    auto place = dropPlace(page(), at(1, 1));
    auto up = dropTransition(page(), at(5, 3));
    auto down = dropTransition(page(), at(5, -1));
    auto trunk = arc(1, 1, 3, 1, "3");
    auto upper = arc(3, 1, 5, 3, "1");
    auto lower = arc(3, 1, 5, -1, "4");
    glueBegin(trunk, place);
    glueBegin(upper, trunk);
    glueBegin(lower, trunk);
    glueEnd(upper, up);
    glueEnd(lower, down);

    auto model = readPage<PetriNetModel>();
    ASSERT_EQ(model->getArcs()->getCount(), 2);
    std::vector<GEArc*> arcs = arcsOf(*model);
    EXPECT_EQ(memberIDs(*arcs[0]), (std::vector<int32_t>{trunk->id(), upper->id()}));
    EXPECT_EQ(idOf(arcs[0]->getEnd()), up->id());
    EXPECT_EQ(arcs[0]->getWeight(), 1);
    EXPECT_EQ(memberIDs(*arcs[1]), (std::vector<int32_t>{trunk->id(), lower->id()}));
    EXPECT_EQ(idOf(arcs[1]->getEnd()), down->id());
    EXPECT_EQ(arcs[1]->getWeight(), 4);
    for (GEArc* a : arcs) EXPECT_EQ(idOf(a->getBegin()), place->id());
    // The siblings' lists no longer name each other.
    EXPECT_FALSE(weighted(*model, upper).hasBeginID(lower->id()));
    EXPECT_FALSE(weighted(*model, lower).hasBeginID(upper->id()));
}

// A connector in a group glued at another connector's end point (101), the other showing
// no end arrow: getArcTarget records it at the other's begin, so both start at the same
// point; the link between the two is cut and it starts where the other starts.
TEST_F(PetriNetModelTest, GetArcTargetDecidesWhichListRecordsTheConnector) {
    auto transition = dropTransition(page(), at(1, 1));
    auto target = arc(1, 1, 4, 1);
    glueBegin(target, transition);
    host_.setFormula(*target, "EndArrow", "0");
    auto group = add(ShapeSpec::lineGroup(4, 1, 6, 1)
                         .cell("Connections.X1", "Width*0")
                         .cell("Connections.Y1", "Height*0.5"));
    Options inGroup = from(0, 0, 2, 0);
    inGroup.group = group.get();
    auto onTarget = dropArc(page(), inGroup);
    host_.glue(*group, visio::visBegin, *target, 1);
    glueBegin(onTarget, target);

    GEWeightedConnection c;
    c.setID(onTarget->id());
    GEWeightedConnection d;
    d.setID(target->id());
    GEElementSet none;
    PetriNetConnectorEnds ends(none);
    ends.attachToConnector(pageShapes(), c, d, true);
    EXPECT_EQ(beginIDs(d), std::vector<int32_t>{onTarget->id()});
    ends.attachToConnector(pageShapes(), c, d, false);  // listed already
    EXPECT_TRUE(endIDs(d).empty());
    GEWeightedConnection e;
    e.setID(target->id());
    host_.setFormula(*target, "EndArrow", "4");
    ends.attachToConnector(pageShapes(), c, e, true);
    EXPECT_EQ(endIDs(e), std::vector<int32_t>{onTarget->id()});
    host_.setFormula(*target, "EndArrow", "0");

    auto model = readPage<PetriNetModel>();
    GEWeightedConnection& t = weighted(*model, target);
    GEWeightedConnection& o = weighted(*model, onTarget);
    EXPECT_EQ(beginIDs(t), std::vector<int32_t>{transition->id()});
    EXPECT_EQ(beginIDs(o), std::vector<int32_t>{transition->id()});
    ASSERT_EQ(model->getArcs()->getCount(), 2);
    for (GEArc* a : arcsOf(*model)) EXPECT_EQ(idOf(a->getBegin()), transition->id());
}

TEST_F(PetriNetModelTest, AConnectionPlaceIsAPlaceBetweenTwoEdges) {
    auto before = dropTransition(page(), at(1, 1));
    auto after = dropTransition(page(), at(7, 1));
    Options options = at(4, 1, "cp");
    options.width = 3;
    options.marking = "1";
    auto connectionPlace = dropConnectionPlace(page(), options);
    simhost::Shape& firstEdge = *subShape(connectionPlace, 1);
    simhost::Shape& placePart = *subShape(connectionPlace, 2);
    simhost::Shape& secondEdge = *subShape(connectionPlace, 3);
    glueBegin(firstEdge, *before);
    glueEnd(secondEdge, *after);

    auto model = readPage<PetriNetModel>();
    auto* place = static_cast<GEPlace*>(model->getPassive()->getByID(placePart.id()));
    ASSERT_NE(place, nullptr);
    EXPECT_EQ(place->getIdentifier(), "cp");
    EXPECT_EQ(place->getMarking(), 1);
    EXPECT_EQ(place->getCapacity(), 1);
    EXPECT_EQ(place->getMarkingCellName(), "User.QAV_marking");
    EXPECT_EQ(place->getMarkingCellShapeID(), connectionPlace->id());
    EXPECT_EQ(place->getCapacityShapeID(), GEGraphElement::UNSET);
    EXPECT_EQ(model->getPassive()->getCount(), 1);
    EXPECT_EQ(model->getConnections()->getCount(), 2);

    ASSERT_EQ(model->getArcs()->getCount(), 2);
    std::vector<GEArc*> arcs = arcsOf(*model);
    for (GEArc* a : arcs) {
        ASSERT_EQ(a->getMemberCount(), 1);
        if (a->getMember(0)->getID() == firstEdge.id()) {
            EXPECT_EQ(idOf(a->getBegin()), before->id());
            EXPECT_EQ(a->getEnd(), place);
        } else {
            EXPECT_EQ(a->getMember(0)->getID(), secondEdge.id());
            EXPECT_EQ(a->getBegin(), place);
            EXPECT_EQ(idOf(a->getEnd()), after->id());
        }
        EXPECT_EQ(a->getWeight(), 1);
    }
}

TEST_F(PetriNetModelTest, AStartEndPlaceHasOneEdgeCarryingItsName) {
    auto transition = dropTransition(page(), at(1, 1));
    Options options = at(4, 1, "start");
    options.width = 2;
    auto startPlace = dropStartEndPlace(page(), options);
    simhost::Shape& edge = *subShape(startPlace, 1);
    glueBegin(edge, *transition);

    auto model = readPage<PetriNetModel>();
    GEGraphElement* place = model->getPassive()->getByID(subShape(startPlace, 2)->id());
    ASSERT_NE(place, nullptr);
    GEWeightedConnection& c = *connectionOf<GEWeightedConnection>(*model, edge);
    EXPECT_EQ(c.getIdentifier(), "start");
    GEArc& only = onlyArc(*model);
    EXPECT_EQ(idOf(only.getBegin()), transition->id());
    EXPECT_EQ(only.getEnd(), place);
}

// The capacity of a composite place is the one its cell holds, as for any place: one the
// user set counts, and one it may not hold is left for the checker to show.
TEST_F(PetriNetModelTest, ACompositePlaceHasTheCapacityItsCellHolds) {
    const std::pair<const char*, int32_t> cases[] = {{"3", 3}, {"-1", -1}, {"0", -3}};
    for (const auto& [cell, capacity] : cases) {
        Options options = at(4, 1, "p");
        options.cells["User.QAV_capacity"] = cell;
        auto start = dropStartEndPlace(page(), options);
        auto through = dropConnectionPlace(page(), options);
        auto model = readPage<PetriNetModel>();
        for (const auto& composite : {start, through}) {
            auto* place =
                static_cast<GEPlace*>(model->getPassive()->getByID(subShape(composite, 2)->id()));
            ASSERT_NE(place, nullptr) << cell;
            EXPECT_EQ(place->getCapacity(), capacity) << cell;
        }
        start->Delete();
        through->Delete();
    }
}

// A connector whose end names no element nor connection (a plain box) ends the arc there.
TEST_F(PetriNetModelTest, AnArcEndingAtAnotherShapeHasNoEnd) {
    auto place = dropPlace(page(), at(1, 1));
    auto box = add(ShapeSpec::box(7, 1, 1, 1));
    auto first = arc(1, 1, 4, 1);
    auto second = arc(4, 1, 7, 1);
    glueBegin(first, place);
    glueBegin(second, first);
    glueEnd(second, box);
    auto model = readPage<PetriNetModel>();
    GEArc& only = onlyArc(*model);
    EXPECT_EQ(idOf(only.getBegin()), place->id());
    EXPECT_EQ(only.getEnd(), nullptr);
    EXPECT_EQ(only.getMemberCount(), 2);
}

// Connectors glued round in a circle make no arc of their own and never hang the reading.
TEST_F(PetriNetModelTest, ACircleOfConnectorsEndsTheReading) {
    auto place = dropPlace(page(), at(1, 1));
    auto a = arc(1, 1, 3, 1);
    auto b = arc(3, 1, 3, 3);
    auto c = arc(3, 3, 5, 3);
    auto d = arc(5, 3, 3, 1);
    glueBegin(a, place);
    glueBegin(b, a);
    glueBegin(c, b);
    glueBegin(d, c);
    glueEnd(d, b);
    auto model = readPage<PetriNetModel>();
    EXPECT_GE(model->getArcs()->getCount(), 1);
    for (GEArc* arc : arcsOf(*model)) {
        EXPECT_EQ(idOf(arc->getBegin()), place->id());
        EXPECT_LE(arc->getMemberCount(), 4);
    }
}

}  // namespace
