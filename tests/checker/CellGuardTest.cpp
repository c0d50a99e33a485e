// Painting a check's result into the shapes and putting the former formulas back.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "BatchSpy.h"
#include "RuleFixture.h"
#include "checker/CCArcConnectionRule.h"
#include "checker/CCArcShapeRule.h"
#include "checker/CCCellGuard.h"
#include "checker/CCHintRule.h"
#include "checker/CCNameClashRule.h"
#include "checker/CCPetriNetRule.h"
#include "model/GEPlace.h"
#include "model/GEWeightedConnection.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"

namespace {

// Every formula of every shape on the page, by shape ID, section, row and cell.
using Snapshot = std::map<std::tuple<int32_t, int16_t, int16_t, size_t>, std::string>;

Snapshot snapshot(simhost::Page& page) {
    Snapshot formulas;
    for (simhost::Shape* shape : page.allShapes()) {
        simhost::ShapeSheet& sheet = shape->sheet();
        for (int16_t section : sheet.sectionNumbers()) {
            for (int16_t row = 0; row < 256; ++row) {
                const simhost::SheetRow* r = sheet.row(section, row);
                if (!r) continue;
                for (size_t cell = 0; cell < r->cells.size(); ++cell) {
                    formulas[{shape->id(), section, row, cell}] = r->cells[cell].formula;
                }
            }
        }
    }
    return formulas;
}

struct Looks {
    std::string lineColour;
    std::string lineWeight;
    std::string linePattern;
    std::string charColour;
    std::string charStyle;
};

const Looks consistent{"GUARD(3)", "GUARD(1.4 pt)", "GUARD(1)", "GUARD(3)", "GUARD(0)"};
const Looks ignored{"GUARD(19)", "GUARD(1.4 pt)", "GUARD(1)", "GUARD(19)", "GUARD(0)"};
constexpr char orange[] = "GUARD(RGB(255,153,0))";

// The rules under the checker's keys, with every flag that lets them record findings.
class CellGuardTest : public RuleOnHost {
protected:
    CellGuardTest() {
        rules = {{1, &nameClash}, {2, &hint}, {3, &arcShape}, {4, &petri}, {5, &arcConnection}};
        for (const auto& [key, rule] : rules) tables[key] = rule;
        model.setTables(&tables);
    }

    // Reads the page into the model, runs the rules in key order and paints.
    void check() {
        model.build();
        const ModelInputs in = model.inputs();
        for (const auto& [key, rule] : rules) findingsOf(*rule, in);
        guard = std::make_unique<CCCellGuard>(in.active, in.passive, in.arcs, in.otherShapes,
                                              &rules, in.index);
        host_.counters().reset();
        guard->guardCells(spy.shapes());
    }

    void expectLooks(int32_t shapeID, const Looks& looks) {
        SCOPED_TRACE("shape " + std::to_string(shapeID));
        simhost::Shape* shape = model.shape(shapeID);
        ASSERT_NE(shape, nullptr);
        EXPECT_EQ(shape->formula("LineColor"), looks.lineColour);
        EXPECT_EQ(shape->formula("LineWeight"), looks.lineWeight);
        EXPECT_EQ(shape->formula("LinePattern"), looks.linePattern);
        EXPECT_EQ(shape->formula("Char.Color"), looks.charColour);
        EXPECT_EQ(shape->formula("Char.Style"), looks.charStyle);
    }

    simhost::Shape* shape(int32_t id) { return model.shape(id); }

    CCNameClashRule nameClash{true, false};
    CCHintRule hint{true};
    CCArcShapeRule arcShape{false, true, false};
    CCPetriNetRule petri{true};
    CCArcConnectionRule arcConnection;
    CCRuleMap rules;
    CellAddressTableMap tables;
    BatchSpy spy{model.pageShapes()};
    std::unique_ptr<CCCellGuard> guard;
};

// A consistent net: a place that shows its values in text boxes, an arc that shows its
// weight in one, a transition, and a shape that is no element.
class GuardedNet : public CellGuardTest {
protected:
    GEGraphElement* transition = model.active(4, 1, "T");
    GEPlace* place = model.place(1, 1, 2, 1, HandModel::InTextBoxes);
    GEWeightedConnection* piece = model.weightedPiece(1.5, 1, 3.5, 1, HandModel::Directed, true);
    GEGraphElement* other = model.other(8, 8);

    GuardedNet() { model.arc(place, {piece}, transition); }
};

TEST_F(GuardedNet, EveryShapeGetsItsLookInTwoBatchWrites) {
    check();
    EXPECT_EQ(host_.counters().batchWrites, 2u);
    ASSERT_EQ(spy.batches().size(), 2u);
    EXPECT_TRUE(spy.batches()[1].empty());
    // Seven shapes of five cells each: the outline of the place and the arrow of the arc
    // are parts that are not painted.
    EXPECT_EQ(spy.batches()[0].size(), 35u);
    for (int32_t id : {transition->getID(), place->getID(), place->getCapacityShapeID(),
                       place->getMarkingShapeID(), piece->getID(), piece->getWeightShapeID()}) {
        expectLooks(id, consistent);
    }
    expectLooks(other->getID(), ignored);
}

TEST_F(GuardedNet, StoppingPutsBackEveryFormulaOfEveryShape) {
    shape(place->getID())->setCell("LineColor", "4");
    shape(place->getCapacityShapeID())->setCell("LineColor", "IF(TRUE,5,6)");
    shape(place->getMarkingShapeID())->setCell("Char.Color", "RGB(1,2,3)");
    shape(piece->getWeightShapeID())->setCell("Char.Style", "17");
    shape(transition->getID())->setCell("LineWeight", "0.05 in");
    shape(other->getID())->setCell("LinePattern", "GUARD(3)");
    const Snapshot before = snapshot(page());
    check();
    ASSERT_NE(snapshot(page()), before);
    guard->restoreCells(spy.shapes());
    EXPECT_EQ(host_.counters().batchWrites, 3u);
    EXPECT_EQ(spy.batches()[2].size(), 35u);
    EXPECT_EQ(snapshot(page()), before);
}

TEST_F(GuardedNet, ShapesDeletedWhileCheckingAreSkippedOnRestore) {
    const Snapshot before = snapshot(page());
    check();
    const int32_t marking = place->getMarkingShapeID();
    host_.deleteShape(*shape(other->getID()));
    host_.deleteShape(*shape(marking));
    guard->restoreCells(spy.shapes());
    ASSERT_EQ(spy.batches().size(), 3u);
    for (const auto& [key, formula] : spy.batches()[2]) {
        EXPECT_NE(key[0], other->getID());
        EXPECT_NE(key[0], marking);
    }
    Snapshot expected;
    for (const auto& [key, formula] : before) {
        if (std::get<0>(key) != other->getID() && std::get<0>(key) != marking) {
            expected[key] = formula;
        }
    }
    EXPECT_EQ(snapshot(page()), expected);
}

TEST_F(GuardedNet, AnElementThatIsAlsoAnOtherShapeKeepsTheConsistentLook) {
    auto* twin = new GEGraphElement;
    twin->setID(transition->getID());
    model.otherSet().insert(twin);
    check();
    expectLooks(transition->getID(), consistent);
}

TEST_F(CellGuardTest, TheNameClashWinsTheCharacterColourAndThePetriNetRuleTheLine) {
    GEPlace* first = model.stackPlace(1, 1);
    GEPlace* second = model.stackPlace(1, 3);
    first->setIdentifier("Stack");
    second->setIdentifier("stack ");
    check();
    ASSERT_EQ(nameClash.getFindings().size(), 2u);
    ASSERT_EQ(petri.getFindings().size(), 2u);
    // Four cells each: the name clash's two and the Petri net rule's other two.
    EXPECT_EQ(spy.batches()[1].size(), 8u);
    for (const GEPlace* stack : {first, second}) {
        expectLooks(stack->getID(), {"GUARD(2)", "GUARD(2 pt)", "GUARD(1)", orange, "GUARD(1)"});
    }
}

TEST_F(CellGuardTest, AHintBeatsTheArcConnectionRuleOnTheLineBothFlag) {
    GEPlace* small = model.place(1, 1, 1, 0);
    GEWeightedConnection* open = model.weightedPiece(1.5, 1, 3.5, 1);
    model.arc(small, {open}, nullptr, 3);
    check();
    ASSERT_FALSE(hint.getFindings().empty());
    ASSERT_FALSE(arcConnection.getFindings().empty());
    expectLooks(open->getID(), {orange, "GUARD(2 pt)", "GUARD(1)", orange, "GUARD(1)"});
    expectLooks(small->getID(), consistent);
}

// A rule that records what it is told to.
class RecordingRule : public CCRule {
public:
    explicit RecordingRule(std::vector<int32_t> ids) : ids_(std::move(ids)) {
        addCell({1, 2, 1}, "2", "3", "19");
    }
    void check(GEElementSet* active, GEElementSet* passive, GEElementSet* arcs,
               GEElementSet* otherShapes, GEAdjacencyMatrix* matrix) override {
        CCRule::check(active, passive, arcs, otherShapes, matrix);
        for (int32_t id : ids_) recordFinding(id);
    }

private:
    std::vector<int32_t> ids_;
};

// Shape ID 0 names the page sheet in a batch write, which nothing restores.
TEST_F(CellGuardTest, UnsetFindingIDsAreNeverWritten) {
    GEGraphElement* box = model.active(1, 1);
    RecordingRule recording({0, box->getID(), -4});
    rules = {{1, &recording}};
    tables = {{1, &recording}};
    check();
    ASSERT_EQ(spy.batches().size(), 2u);
    ASSERT_EQ(spy.batches()[1].size(), 1u);
    EXPECT_EQ(spy.batches()[1].begin()->first[0], box->getID());
    EXPECT_EQ(shape(box->getID())->formula("LineColor"), "GUARD(2)");
}

TEST_F(CellGuardTest, AnEmptyModelStillMakesOneBatchWritePerPass) {
    check();
    guard->restoreCells(spy.shapes());
    ASSERT_EQ(spy.batches().size(), 3u);
    for (const FormulaBatchMap& batch : spy.batches()) EXPECT_TRUE(batch.empty());
}

}  // namespace
