// Block and ER pages read into their models: which shapes become elements, how plain
// groups are searched, how connectors read their glue and direction, and the arcs of the
// base analysis, access arrows, channels and relationships.
#include <gtest/gtest.h>

#include "model/BlockDiagramModel.h"
#include "model/ERDiagramModel.h"
#include "model/SavedFormulaIndex.h"
#include "simhost/host/ShapeSpec.h"
#include "tests/model/DiagramModelFixture.h"

namespace {

using namespace simhost::stencil;
using simhost::ShapeSpec;

class DiagramModelTest : public DiagramModelFixture {};

TEST_F(DiagramModelTest, PlainGroupsAreSearchedAndOtherShapesKept) {
    auto group = add(ShapeSpec::group(4, 4, 6, 2));
    Options inGroup = at(1, 1, "A");
    inGroup.group = group.get();
    auto a = dropBlockPassive(page(), inGroup);
    inGroup.pin = {3, 1};
    inGroup.text = "B";
    auto b = dropBlockPassive(page(), inGroup);
    inGroup.pin = {5, 1};
    inGroup.text = "C";
    auto c = dropBlockPassive(page(), inGroup);
    auto box = add(ShapeSpec::box(9, 9, 1, 1));
    auto misc = dropMisc(page(), at(1, 8));

    auto model = readPage<BlockDiagramModel>();
    GEElementSet& passive = *model->getPassive();
    ASSERT_EQ(passive.getCount(), 3);
    EXPECT_EQ(passive.getByID(a->id())->getIdentifier(), "A");
    EXPECT_EQ(passive.getByID(c->id())->getIdentifier(), "C");
    EXPECT_NE(passive.getByID(b->id()), nullptr);
    // The group is neither element nor other shape; its members are registered under it.
    GEElementSet& others = *model->getOtherShapes();
    EXPECT_EQ(others.getCount(), 2);
    EXPECT_NE(others.getByID(box->id()), nullptr);
    EXPECT_NE(others.getByID(misc->id()), nullptr);
    EXPECT_EQ(others.getByID(group->id()), nullptr);
    EXPECT_EQ(model->getSavedFormulaIndex()->collectSubShapes(group->id()),
              (std::vector<int32_t>{a->id(), b->id(), c->id()}));
    EXPECT_TRUE(messageBoxes().empty());
}

// A misc group (dots) is never an element: its parts are searched and kept as others.
TEST_F(DiagramModelTest, AMiscGroupIsSearchedForElements) {
    Options dots = at(2, 2);
    dots.miscType = "dots";
    dots.dotSubShapes = 5;
    auto misc = dropMisc(page(), dots);
    auto model = readPage<BlockDiagramModel>();
    EXPECT_EQ(model->getActive()->getCount() + model->getPassive()->getCount(), 0);
    EXPECT_EQ(model->getOtherShapes()->getCount(), 5);
    EXPECT_EQ(model->getOtherShapes()->getByID(misc->id()), nullptr);
    EXPECT_TRUE(messageBoxes().empty());
}

TEST_F(DiagramModelTest, ConnectorsReadTheirGlueAndDirection) {
    auto active = dropBlockActive(page(), at(1, 1, "Server"));
    auto passive = dropBlockPassive(page(), at(5, 1, "Store"));
    auto other = add(ShapeSpec::box(3, 5, 1, 1));

    auto loose = dropBlockConnection(page(), from(1, 3, 3, 3));
    auto twoWay = dropBlockConnection(page(), from(1, 1, 5, 1, "4", "4"));
    glueBegin(twoWay, active);
    glueEnd(twoWay, passive);
    Options tall = from(1, 1, 1, 4, "0", "0");
    tall.cells["Height"] = "0.25";
    auto arrowless = dropBlockConnection(page(), tall);
    glueBegin(arrowless, active);
    auto backwards = dropBlockConnection(page(), from(1, 1, 5, 1, "0", "4"));
    glueBegin(backwards, active);
    glueEnd(backwards, passive);
    auto toOther = dropBlockConnection(page(), from(3, 5, 5, 1));
    glueBegin(toOther, other);
    glueEnd(toOther, passive);
    auto onConnector = dropBlockConnection(page(), from(3, 3, 5, 1));
    glueBegin(onConnector, loose);
    glueEnd(onConnector, passive);

    auto model = readPage<BlockDiagramModel>();
    ASSERT_EQ(model->getConnections()->getCount(), 6);

    GEConnection& c1 = *connectionOf(*model, *loose);
    EXPECT_TRUE(beginIDs(c1).empty() && endIDs(c1).empty());
    EXPECT_TRUE(c1.isState0());

    GEConnection& c2 = *connectionOf(*model, *twoWay);
    EXPECT_TRUE(c2.isState1());
    EXPECT_EQ(beginIDs(c2), std::vector<int32_t>{active->id()});
    EXPECT_EQ(endIDs(c2), std::vector<int32_t>{passive->id()});

    GEConnection& c3 = *connectionOf(*model, *arrowless);
    EXPECT_TRUE(c3.isState2());
    EXPECT_TRUE(beginIDs(c3).empty());  // turned round for its positive height
    EXPECT_EQ(endIDs(c3), std::vector<int32_t>{active->id()});

    GEConnection& c4 = *connectionOf(*model, *backwards);
    EXPECT_TRUE(c4.isState0());
    EXPECT_EQ(beginIDs(c4), std::vector<int32_t>{passive->id()});
    EXPECT_EQ(endIDs(c4), std::vector<int32_t>{active->id()});

    // One arc per connection; ends that are no element (another shape, a connector) are
    // left open.
    ASSERT_EQ(model->getArcs()->getCount(), 6);
    for (GEArc* arc : arcsOf(*model)) {
        ASSERT_EQ(arc->getMemberCount(), 1);
        const int32_t id = arc->getMember(0)->getID();
        if (id == loose->id()) {
            EXPECT_EQ(arc->getBegin(), nullptr);
            EXPECT_EQ(arc->getEnd(), nullptr);
        } else if (id == twoWay->id()) {
            EXPECT_EQ(idOf(arc->getBegin()), active->id());
            EXPECT_EQ(idOf(arc->getEnd()), passive->id());
        } else if (id == backwards->id()) {
            EXPECT_EQ(idOf(arc->getBegin()), passive->id());
            EXPECT_EQ(idOf(arc->getEnd()), active->id());
        } else if (id == toOther->id() || id == onConnector->id()) {
            EXPECT_EQ(arc->getBegin(), nullptr);
            EXPECT_EQ(idOf(arc->getEnd()), passive->id());
        }
    }
}

// Which end a glue record holds, not the order the ends were glued in, makes the begin.
TEST_F(DiagramModelTest, EachEndIsReadFromTheRecordThatGluesIt) {
    auto active = dropBlockActive(page(), at(1, 1, "Server"));
    auto passive = dropBlockPassive(page(), at(5, 1, "Store"));
    auto endFirst = dropBlockConnection(page(), from(1, 1, 5, 1));
    glueEnd(endFirst, passive);
    glueBegin(endFirst, active);
    auto regluedBegin = dropBlockConnection(page(), from(1, 1, 5, 1));
    glueBegin(regluedBegin, active);
    glueEnd(regluedBegin, passive);
    glueBegin(regluedBegin, active);

    auto model = readPage<BlockDiagramModel>();
    for (const ShapeRef& shape : {endFirst, regluedBegin}) {
        GEConnection& c = *connectionOf(*model, *shape);
        EXPECT_EQ(beginIDs(c), std::vector<int32_t>{active->id()});
        EXPECT_EQ(endIDs(c), std::vector<int32_t>{passive->id()});
    }
}

// Glue records of parts other than the ends do not count, and a single record names the
// end it holds.
TEST_F(DiagramModelTest, ASingleGluedEndGoesToItsOwnList) {
    auto passive = dropBlockPassive(page(), at(5, 1));
    auto endOnly = dropBlockConnection(page(), from(1, 1, 5, 1));
    glueEnd(endOnly, passive);
    auto model = readPage<BlockDiagramModel>();
    GEConnection& c = *connectionOf(*model, *endOnly);
    EXPECT_TRUE(beginIDs(c).empty());
    EXPECT_EQ(endIDs(c), std::vector<int32_t>{passive->id()});
}

TEST_F(DiagramModelTest, AccessArrowsAreTwoWayUnlessOneEndShowsAnArrowhead) {
    auto active = dropBlockActive(page(), at(1, 1));
    auto passive = dropBlockPassive(page(), at(5, 1));
    auto both = dropAccessArrow(page(), from(1, 1, 5, 1, "4", "4"));
    auto neither = dropAccessArrow(page(), from(1, 1, 5, 1, "0", "0"));
    auto atBegin = dropAccessArrow(page(), from(1, 1, 5, 1, "0", "4"));
    for (const auto& arrow : {both, neither, atBegin}) {
        glueBegin(arrow, active);
        glueEnd(arrow, passive);
    }
    auto model = readPage<BlockDiagramModel>();
    EXPECT_TRUE(connectionOf(*model, *both)->isState1());
    EXPECT_TRUE(connectionOf(*model, *neither)->isState1());
    GEConnection& c = *connectionOf(*model, *atBegin);
    EXPECT_TRUE(c.isState0());
    EXPECT_EQ(beginIDs(c), std::vector<int32_t>{active->id()});
    EXPECT_EQ(endIDs(c), std::vector<int32_t>{passive->id()});
    EXPECT_EQ(c.getIdentifier(), "");
}

TEST_F(DiagramModelTest, AChannelIsANodeBetweenTwoEdges) {
    auto sender = dropBlockActive(page(), at(1, 1, "Sender"));
    auto receiver = dropBlockActive(page(), at(8, 1, "Receiver"));
    Options channelAt = at(4.5, 1, "Bus");
    channelAt.width = 3;
    auto channel = dropChannel(page(), channelAt);
    simhost::Shape& first = *subShape(channel, 1);
    simhost::Shape& node = *subShape(channel, 2);
    simhost::Shape& second = *subShape(channel, 3);
    glueBegin(first, *sender);
    glueEnd(second, *receiver);
    host_.setFormula(first, "BeginArrow", "4");  // drawn pointing at the sender

    auto model = readPage<BlockDiagramModel>();
    GEGraphElement* bus = model->getPassive()->getByID(node.id());
    ASSERT_NE(bus, nullptr);
    EXPECT_EQ(bus->getIdentifier(), "Bus");
    EXPECT_EQ(model->getPassive()->getByID(channel->id()), nullptr);

    GEConnection& in = *connectionOf(*model, first);
    EXPECT_TRUE(in.isState0());  // turned round: the node is its begin now
    EXPECT_EQ(beginIDs(in), std::vector<int32_t>{node.id()});
    EXPECT_EQ(endIDs(in), std::vector<int32_t>{sender->id()});
    EXPECT_EQ(in.getIdentifier(), "");
    GEConnection& out = *connectionOf(*model, second);
    EXPECT_TRUE(out.isState2());
    EXPECT_EQ(beginIDs(out), std::vector<int32_t>{node.id()});
    EXPECT_EQ(endIDs(out), std::vector<int32_t>{receiver->id()});

    ASSERT_EQ(model->getArcs()->getCount(), 2);
    for (GEArc* arc : arcsOf(*model)) {
        EXPECT_EQ(arc->getBegin(), bus);
        EXPECT_EQ(idOf(arc->getEnd()), arc->getMember(0) == &in ? sender->id() : receiver->id());
    }
}

TEST_F(DiagramModelTest, ARelationshipNodeIsActiveAndAnOpenEdgeEndsNowhere) {
    auto person = dropERPassive(page(), at(1, 1, "Person"));
    Options relationAt = at(4, 1, "owns");
    relationAt.width = 2;
    auto relationship = dropBinaryRelationship(page(), relationAt);
    simhost::Shape& first = *subShape(relationship, 1);
    simhost::Shape& relation = *subShape(relationship, 9);
    glueBegin(first, *person);
    auto stray = dropBlockPassive(page(), at(8, 8));  // of another kind: an other shape

    auto model = readPage<ERDiagramModel>();
    GEGraphElement* owns = model->getActive()->getByID(relation.id());
    ASSERT_NE(owns, nullptr);
    EXPECT_EQ(owns->getIdentifier(), "owns");
    EXPECT_NE(model->getPassive()->getByID(person->id()), nullptr);
    EXPECT_NE(model->getOtherShapes()->getByID(stray->id()), nullptr);

    GEConnection& open = *connectionOf(*model, *subShape(relationship, 2));
    EXPECT_EQ(beginIDs(open), std::vector<int32_t>{relation.id()});
    EXPECT_TRUE(endIDs(open).empty());
    ASSERT_EQ(model->getArcs()->getCount(), 2);
    for (GEArc* arc : arcsOf(*model)) {
        if (arc->getMember(0) == &open) {
            EXPECT_EQ(arc->getBegin(), owns);
            EXPECT_EQ(arc->getEnd(), nullptr);
        } else {
            EXPECT_EQ(idOf(arc->getBegin()), person->id());
            EXPECT_EQ(arc->getEnd(), owns);
        }
    }
}

// The formulas of the client's cells are saved for every shape the model registers.
TEST_F(DiagramModelTest, FormulasOfTheClientsCellsAreSavedWhileReading) {
    CellAddressTable table;
    table.addUnique(visio::visSectionObject, visio::visRowLine, visio::visLineColor);
    tables[7] = &table;
    auto element = dropERActive(page(), at(1, 1, "E"));
    host_.setFormula(*element, "LineColor", "RGB(1,2,3)");
    auto box = add(ShapeSpec::box(5, 5, 1, 1).cell("LineColor", "4"));
    auto model = readPage<ERDiagramModel>();
    tables.clear();  // the model keeps its own copy of the map

    SavedFormulaIndex& index = *model->getSavedFormulaIndex();
    ASSERT_EQ(index.getRecordCount(element->id()), 1);
    EXPECT_EQ(index.getRecordFormula(element->id(), 0), "RGB(1,2,3)");
    ASSERT_EQ(index.getRecordCount(box->id()), 1);
    EXPECT_EQ(index.getRecordFormula(box->id(), 0), "4");
}

}  // namespace
