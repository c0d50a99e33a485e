// The display's edge cases on small drawn pages: how a count shows in a box and in a
// cell, stack places without counts and with generated names, the outline colours and
// their clearing, and which shapes are protected.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "model/GEElementSet.h"
#include "model/GEPlace.h"
#include "platform/ui/Backend.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/file/DrawingFile.h"
#include "simhost/host/ShapeSpec.h"
#include "simhost/host/Shapes.h"
#include "simhost/stencil/PetriStencil.h"
#include "simhost/ui/HeadlessBackend.h"
#include "simulator/Marking.h"
#include "simulator/SimulationShapeDisplay.h"
#include "tests/simulator/SimulatorNets.h"
#include "tests/support/HostFixture.h"

namespace simtest {
namespace {

using simhost::stencil::StencilOptions;
using simhost::stencil::ValueIn;
using ShapeRef = visio::ComRef<simhost::Shape>;

constexpr char kMarkingCell[] = "User.QAV_marking";
constexpr uint32_t kRed = 255;
constexpr uint32_t kGreen = 65280;

class SimulationShapeDisplayTest : public HostFixture {
protected:
    SimulationShapeDisplayTest() { ui::Backend::install(&backend_); }
    ~SimulationShapeDisplayTest() override {
        page_.reset();
        ui::Backend::install(nullptr);
    }

    DisplayedPage& read() {
        page_ = std::make_unique<DisplayedPage>(pageShapes());
        return *page_;
    }
    GEPlace* placeOf(const ShapeRef& shape) {
        return static_cast<GEPlace*>(page_->holder().getPassive()->getByID(shape->id()));
    }
    std::string drawing() {
        std::string text;
        std::string error;
        EXPECT_TRUE(simhost::DrawingFile::write(document(), &text, &error)) << error;
        return text;
    }
    static void forEachShape(simhost::Shape& shape, const std::function<void(simhost::Shape&)>& f) {
        f(shape);
        for (const ShapeRef& member : shape.memberList()) forEachShape(*member, f);
    }

    simhost::headless::HeadlessBackend backend_;
    std::unique_ptr<DisplayedPage> page_;
};

TEST_F(SimulationShapeDisplayTest, ShowsCountsInBoxesAndCellsButNoneOnStackPlaces) {
    StencilOptions boxed = at(1, 2, "boxed");
    boxed.markingIn = ValueIn::TextBox;
    boxed.marking = "2";
    const ShapeRef box = simhost::stencil::dropPlace(page(), boxed);
    StencilOptions celled = at(3, 2, "celled");
    celled.marking = "1";
    const ShapeRef cell = simhost::stencil::dropPlace(page(), celled);
    StencilOptions stacked = at(5, 2, "stacked");
    stacked.capacity = "2";
    const ShapeRef stack = simhost::stencil::dropStackPlace(page(), stacked);
    DisplayedPage& shown = read();
    shown.display().saveFormats(&shown.writtenCells());
    simhost::Shape& markingBox = *box->memberList()[2];

    Marking marking(shown.initialMarking());
    for (const ShapeRef& place : {box, cell, stack}) marking.setTokens(placeOf(place), 0);
    shown.display().showMarking(marking);
    EXPECT_EQ(markingBox.text(), "");
    EXPECT_EQ(cell->formula(kMarkingCell), "0");
    EXPECT_EQ(markingBox.formula("LockTextEdit"), "1");

    for (const ShapeRef& place : {box, cell, stack}) marking.setTokens(placeOf(place), 7);
    host_.counters().reset();
    shown.display().showMarking(marking);
    EXPECT_EQ(markingBox.text(), "7");
    EXPECT_EQ(cell->formula(kMarkingCell), "7");
    EXPECT_EQ(markingBox.formula("LockTextEdit"), "1");
    // The cell and the box's lock in one batch, the box's text, its lock again in a
    // second batch; the stack place nothing.
    EXPECT_EQ(host_.counters().textWrites, 1u);
    EXPECT_EQ(host_.counters().batchWrites, 2u);
    EXPECT_EQ(host_.counters().batchCells, 3u);
    EXPECT_EQ(host_.counters().formulaWrites, 0u);
    EXPECT_EQ(stack->memberList()[1]->text(), "stacked");

    host_.counters().reset();
    shown.display().showMarking(marking);
    EXPECT_EQ(host_.counters().hostCalls(), 0u) << "no count changed, nothing written";
}

TEST_F(SimulationShapeDisplayTest, NamesUnnamedStackPlacesAndNumbersAgainAfterRestore) {
    StencilOptions onGroup = at(1, 2, "");
    onGroup.capacity = "1";
    const ShapeRef first = simhost::stencil::dropStackPlace(page(), onGroup);
    StencilOptions named = at(3, 2, "call");
    const ShapeRef called = simhost::stencil::dropStackPlace(page(), named);
    StencilOptions inBox = at(5, 2, "");
    inBox.capacity = "3";
    const ShapeRef second = simhost::stencil::dropStackPlace(page(), inBox);
    simhost::Shape& secondName = *second->memberList()[1];
    secondName.setCell("Char.Color", "4");
    const std::string before = drawing();
    DisplayedPage& shown = read();

    for (int cycle = 0; cycle < 2; ++cycle) {
        SCOPED_TRACE("cycle " + std::to_string(cycle));
        shown.display().saveFormats(&shown.writtenCells());
        EXPECT_EQ(placeOf(first)->getIdentifier(), "S1");
        EXPECT_EQ(placeOf(called)->getIdentifier(), "call");
        EXPECT_EQ(placeOf(second)->getIdentifier(), "S2");
        EXPECT_EQ(first->text(), "S1");
        EXPECT_EQ(secondName.text(), "S2");
        EXPECT_EQ(secondName.formula("Char.Color"), "0");

        shown.display().restoreFormats();
        EXPECT_EQ(placeOf(first)->getIdentifier(), "");
        EXPECT_EQ(placeOf(second)->getIdentifier(), "");
        EXPECT_EQ(first->text(), "");
        EXPECT_EQ(secondName.text(), "");
        EXPECT_EQ(secondName.formula("Char.Color"), "4");
        EXPECT_EQ(drawing(), before);
    }
}

TEST_F(SimulationShapeDisplayTest, ColoursOutlinesAndClearsThemInOneBatch) {
    const ShapeRef place = simhost::stencil::dropPlace(page(), at(1, 2, "p"));
    const ShapeRef transition = simhost::stencil::dropTransition(page(), at(3, 2, "t"));
    const std::string placeColour = place->formula("LineColor");
    const std::string transitionColour = transition->formula("LineColor");
    DisplayedPage& shown = read();
    SimulationShapeDisplay& display = shown.display();
    display.saveFormats(&shown.writtenCells());

    host_.counters().reset();
    display.clearHighlight();
    EXPECT_EQ(host_.counters().hostCalls(), 0u) << "nothing highlighted, nothing written";

    GEGraphElement* t = shown.holder().getActive()->getByID(transition->id());
    display.highlightConflictPlaces({placeOf(place)}, kRed);
    display.highlightEnabledTransitions({t}, kGreen);
    display.highlightConflictPlaces({placeOf(place)}, kRed | 0xFF000000u);
    EXPECT_EQ(place->formula("LineColor"), "RGB(255,0,0)");
    EXPECT_EQ(transition->formula("LineColor"), "RGB(0,255,0)");

    host_.counters().reset();
    display.clearHighlight();
    EXPECT_EQ(place->formula("LineColor"), placeColour);
    EXPECT_EQ(transition->formula("LineColor"), transitionColour);
    // The colour of each of the two shapes, in one batch; their weights were never written.
    EXPECT_EQ(host_.counters().batchCells, 2u);
    EXPECT_EQ(host_.counters().batchWrites, 1u);
    EXPECT_EQ(host_.counters().formulaWrites, 0u);

    host_.counters().reset();
    display.clearHighlight();
    EXPECT_EQ(host_.counters().hostCalls(), 0u);
}

// Every shape the page held when it was read is protected, sub-shapes to any depth: the
// elements with all their parts (a place's outline and unused capacity box, an arc's
// line), plain groups and shapes of no element; and put back as they were.
TEST_F(SimulationShapeDisplayTest, ProtectsAndRestoresEveryShapeOfThePageInOneBatchEach) {
    const ShapeRef group = add(simhost::ShapeSpec::group(6, 6, 3, 3));
    StencilOptions inside = at(1, 2, "inside");
    inside.group = group.get();
    inside.markingIn = ValueIn::TextBox;
    const ShapeRef place = simhost::stencil::dropPlace(page(), inside);
    const ShapeRef stack = simhost::stencil::dropStackPlace(page(), at(3, 2, ""));
    const ShapeRef transition = simhost::stencil::dropTransition(page(), at(3, 5, "t"));
    StencilOptions line;
    line.begin = {3, 2};
    line.end = {3, 5};
    const ShapeRef arc = simhost::stencil::dropArc(page(), line);
    host_.glueToShape(*arc, visio::visBegin, *stack);
    host_.glueToShape(*arc, visio::visEnd, *transition);
    add(simhost::ShapeSpec::box(1, 8, 1, 1));
    DisplayedPage& shown = read();
    // Added after the page was read: nothing saved would unprotect it again.
    const ShapeRef late = add(simhost::ShapeSpec::box(9, 9, 1, 1));
    const std::string before = drawing();

    host_.counters().reset();
    shown.display().saveFormats(&shown.writtenCells());
    EXPECT_EQ(host_.counters().batchWrites, 1u);
    int shapes = 0;
    for (const ShapeRef& shape : page().shapeCollection().list()) {
        forEachShape(*shape, [&](simhost::Shape& s) {
            ++shapes;
            const bool read = &s != late.get();
            EXPECT_EQ(s.formula("LockTextEdit"), read ? "1" : "0") << "shape " << s.id();
            EXPECT_EQ(s.formula("NoCtlHandles"), read ? "1" : "FALSE") << "shape " << s.id();
        });
    }
    // The group with the place and its four parts, the stack place and its two, the
    // transition, the arc and its three, the box, the late one.
    EXPECT_EQ(shapes, 16);

    host_.counters().reset();
    shown.display().restoreFormats();
    EXPECT_EQ(host_.counters().batchWrites, 1u);
    EXPECT_EQ(drawing(), before);

    // A protected shape deleted meanwhile: the others are put back all the same.
    shown.display().saveFormats(&shown.writtenCells());
    host_.deleteShape(*stack);
    shown.display().restoreFormats();
    for (const ShapeRef& shape : page().shapeCollection().list()) {
        forEachShape(*shape, [&](simhost::Shape& s) {
            EXPECT_EQ(s.formula("LockTextEdit"), "0") << "shape " << s.id();
        });
    }
}

}  // namespace
}  // namespace simtest
