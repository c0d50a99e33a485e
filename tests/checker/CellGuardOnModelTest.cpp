// A check's result painted into the shapes of a page read into a diagram model, and the
// page put back as it was drawn.
#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "checker/CCCellGuard.h"
#include "simhost/host/Page.h"
#include "simhost/stencil/BlockStencil.h"
#include "simhost/stencil/ERStencil.h"
#include "simhost/stencil/PetriStencil.h"
#include "tests/checker/BatchSpy.h"
#include "tests/checker/ModelPage.h"

namespace {

using namespace simhost::stencil;

// Every cell of every shape on the page, sub-shapes included: its formula and whether it
// still follows its master; and every shape's text (under section -1).
using Snapshot = std::map<std::tuple<int32_t, int16_t, int16_t, size_t>, std::string>;

Snapshot snapshot(simhost::Page& page) {
    Snapshot cells;
    for (simhost::Shape* shape : page.allShapes()) {
        cells[{shape->id(), -1, 0, 0}] = shape->text();
        simhost::ShapeSheet& sheet = shape->sheet();
        for (int16_t section : sheet.sectionNumbers()) {
            for (int16_t row = 0; row < 256; ++row) {
                const simhost::SheetRow* r = sheet.row(section, row);
                if (!r) continue;
                for (size_t cell = 0; cell < r->cells.size(); ++cell) {
                    const simhost::SheetCell& c = r->cells[cell];
                    cells[{shape->id(), section, row, cell}] =
                        c.formula + (c.inherited ? " (inherited)" : "");
                }
            }
        }
    }
    return cells;
}

Snapshot without(Snapshot cells, const std::vector<int32_t>& shapeIDs) {
    for (auto it = cells.begin(); it != cells.end();) {
        bool gone = false;
        for (int32_t id : shapeIDs) gone = gone || std::get<0>(it->first) == id;
        it = gone ? cells.erase(it) : std::next(it);
    }
    return cells;
}

// The five cells the rules colour, as the looks stand in them.
struct Looks {
    std::string lineColour;
    std::string lineWeight;
    std::string linePattern;
    std::string charColour;
    std::string charStyle;

    bool operator==(const Looks& o) const {
        return std::tie(lineColour, lineWeight, linePattern, charColour, charStyle) ==
               std::tie(o.lineColour, o.lineWeight, o.linePattern, o.charColour, o.charStyle);
    }
};

std::ostream& operator<<(std::ostream& out, const Looks& l) {
    return out << "{" << l.lineColour << ", " << l.lineWeight << ", " << l.linePattern << ", "
               << l.charColour << ", " << l.charStyle << "}";
}

Looks looksOf(simhost::Shape* shape) {
    return {shape->formula("LineColor"), shape->formula("LineWeight"),
            shape->formula("LinePattern"), shape->formula("Char.Color"),
            shape->formula("Char.Style")};
}

const Looks consistent{"GUARD(3)", "GUARD(1.4 pt)", "GUARD(1)", "GUARD(3)", "GUARD(0)"};
const Looks ignored{"GUARD(19)", "GUARD(1.4 pt)", "GUARD(1)", "GUARD(19)", "GUARD(0)"};
const Looks syntaxError{"GUARD(2)", "GUARD(2 pt)", "GUARD(1)", "GUARD(2)", "GUARD(1)"};
constexpr char orange[] = "GUARD(RGB(255,153,0))";

class CellGuardOnModel : public ModelPage {
protected:
    // Reads and checks the page, then paints it through the spy.
    void guard() {
        check();
        host_.counters().reset();
        guard_ = std::make_unique<CCCellGuard>(holder.getActive(), holder.getPassive(),
                                               holder.getArcs(), holder.getOtherShapes(), &rules,
                                               holder.getSavedFormulaIndex());
        guard_->guardCells(spy_.shapes());
    }
    void restore() { guard_->restoreCells(spy_.shapes()); }
    const std::vector<FormulaBatchMap>& batches() const { return spy_.batches(); }

    // A plain box that is no element of the notation.
    simhost::Shape* plainBox(double x, double y) {
        return add(simhost::ShapeSpec::box(x, y, 1, 1).text("note")).get();
    }

private:
    // The guard keeps the spy's collection: the spy must outlive it.
    BatchSpy spy_{pageShapes()};
    std::unique_ptr<CCCellGuard> guard_;
};

// A place showing more tokens than its capacity allows in its text boxes, a sound arc
// from it, an arc heavier than its place's capacity that ends nowhere (a hint and a
// syntax error on one line), and a note.
class GuardedPetriNet : public CellGuardOnModel {
protected:
    GuardedPetriNet() {
        Options boxes = at(1, 1, "p");
        boxes.capacityIn = ValueIn::TextBox;
        boxes.capacity = "2";
        boxes.markingIn = ValueIn::TextBox;
        boxes.marking = "3";
        overfull = drop(dropPlace, boxes);
        transition = drop(dropTransition, at(4, 1, "t"));
        Options weight;
        weight.weight = "1";
        sound = connect(dropArc, overfull, east, transition, west, weight);
        Options small = at(1, 4, "q");
        small.capacity = "2";
        Element q = drop(dropPlace, small);
        place = q.shape;
        weight.weight = "3";
        heavy = draw(dropArc, pointOf(q, east), {3, 4}, weight);
        glue(*heavy, visio::visBegin, *q, east);
        note = plainBox(8, 8);
    }

    Element overfull;
    Element transition;
    ShapeRef sound;
    ShapeRef place;
    ShapeRef heavy;
    simhost::Shape* note = nullptr;
};

TEST_F(GuardedPetriNet, TheLooksStandInTheCellsAfterTwoBatchWrites) {
    const Looks outline = looksOf(part(overfull, 1));
    guard();
    EXPECT_EQ(host_.counters().batchWrites, 2u);
    ASSERT_EQ(batches().size(), 2u);
    // Ten shapes of five cells; then the Petri net rule's four cells on two text boxes,
    // the hint's four and the arc connection rule's line pattern on the heavy arc.
    EXPECT_EQ(batches()[0].size(), 50u);
    EXPECT_EQ(batches()[1].size(), 13u);

    for (simhost::Shape* shape : {overfull.shape.get(), transition.shape.get(), sound.get(),
                                  part(sound, 2), place.get(), part(heavy, 2)}) {
        EXPECT_EQ(looksOf(shape), consistent) << "shape " << shape->id();
    }
    EXPECT_EQ(looksOf(part(overfull, 4)), syntaxError);
    EXPECT_EQ(looksOf(part(overfull, 3)), syntaxError);
    EXPECT_EQ(looksOf(heavy.get()), (Looks{orange, "GUARD(2 pt)", "GUARD(1)", orange, "GUARD(1)"}));
    EXPECT_EQ(looksOf(note), ignored);
    // Parts that show nothing of the element keep their own formulas.
    EXPECT_EQ(looksOf(part(overfull, 1)), outline);
}

TEST_F(GuardedPetriNet, StoppingPutsBackEveryFormulaAndText) {
    host_.setFormula(*part(overfull, 3), "Char.Color", "RGB(1,2,3)");
    host_.setFormula(*part(heavy, 2), "Char.Style", "17");
    host_.setFormula(*transition, "LineWeight", "0.05 in");
    host_.setFormula(*note, "LinePattern", "GUARD(3)");
    const Snapshot before = snapshot(page());
    guard();
    ASSERT_NE(snapshot(page()), before);
    restore();
    EXPECT_EQ(host_.counters().batchWrites, 3u);
    EXPECT_EQ(snapshot(page()), before);
}

TEST_F(GuardedPetriNet, ShapesDeletedWhileCheckingAreSkipped) {
    const int32_t noteID = note->id();
    const int32_t markingID = part(overfull, 3)->id();
    const Snapshot before = snapshot(page());
    guard();
    host_.deleteShape(*note);
    host_.deleteShape(*part(overfull, 3));
    restore();
    ASSERT_EQ(batches().size(), 3u);
    for (const auto& [key, formula] : batches()[2]) {
        EXPECT_NE(key[0], noteID);
        EXPECT_NE(key[0], markingID);
    }
    EXPECT_EQ(snapshot(page()), without(before, {noteID, markingID}));
}

// An access arrow, a channel glued at its first edge only, two stores whose names clash,
// a connection glued nowhere and a note.
TEST_F(CellGuardOnModel, ABlockDiagramPageComesBackAsDrawn) {
    Element agent = drop(dropBlockActive, at(1, 1, "Agent"));
    Element store = drop(dropBlockPassive, at(4, 1, "store"));
    Element other = drop(dropBlockPassive, at(4, 4, "Store "));
    connect(dropAccessArrow, agent, east, store, west);
    Options wide = at(7, 2.5, "bus");
    wide.width = 2;
    Element channel = drop(dropChannel, wide);
    glue(*part(channel, 1), visio::visBegin, *store, east);
    plainBox(10, 10);
    draw(dropBlockConnection, pointOf(other, east), {6, 5});
    const Snapshot before = snapshot(page());
    guard();
    ASSERT_FALSE(keysWithFindings().empty());
    ASSERT_NE(snapshot(page()), before);
    restore();
    EXPECT_EQ(snapshot(page()), before);
}

TEST_F(CellGuardOnModel, AnERPageComesBackAsDrawn) {
    Element customer = drop(dropERActive, at(1, 1, "Customer"));
    Element name = drop(dropERPassive, at(4, 1, "name"));
    Options arrow;
    arrow.endArrow = "4";
    connect(dropERConnection, customer, east, name, west, arrow);
    Options wide = at(6.5, 4, "orders");
    wide.width = 2;
    Element orders = drop(dropBinaryRelationship, wide);
    glue(*part(orders, 1), visio::visBegin, *name, south);
    drop(dropERActive, at(1, 4, "customer"));
    // An attribute in a plain group, beside a part that is no element.
    auto group = add(simhost::ShapeSpec::group(9, 8, 2, 2)
                         .member(simhost::ShapeSpec::box(0.5, 0.5, 0.5, 0.5).text("note")));
    Options inside = at(1.5, 1.5, "inside");
    inside.group = group.get();
    Element grouped = drop(dropERPassive, inside);
    const Snapshot before = snapshot(page());
    guard();
    ASSERT_FALSE(keysWithFindings().empty());
    EXPECT_EQ(looksOf(grouped.shape.get()), consistent);
    EXPECT_EQ(looksOf(part(group, 1)), ignored);
    restore();
    EXPECT_EQ(snapshot(page()), before);
}

}  // namespace
