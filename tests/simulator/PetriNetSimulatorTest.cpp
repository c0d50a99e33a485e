// The simulator tool as its user meets it: the button beside the checker's, entering
// and leaving with the page put back, saves, the run modes on the controls' toolbar,
// the choice of what fires by selection, the shapes added meanwhile, and a document
// closed or the add-on gone while a tick waits.
#include "simulator/PetriNetSimulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/visio/VisioConstants.h"
#include "resources/Toolbar160Simulation.h"
#include "simhost/host/Application.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Shapes.h"
#include "simhost/host/Window.h"
#include "simhost/stencil/BlockStencil.h"
#include "simhost/stencil/PetriStencil.h"
#include "simulator/PNSPropertyPage.h"
#include "simulator/SimulationControlsDialog.h"
#include "tests/simulator/SimulatorTestHost.h"

namespace simtest {
namespace {

using namespace toolbar160;

constexpr char kEntered[] = "PNS2CC-PNS_Entered_SimulationState";
constexpr char kLeft[] = "PNS2CC-PNS_Leaved_SimulationState";
constexpr char kCheckerTag[] = "CCStartButton";

// a and b compete for p's one token: one conflict place, nothing else to fire.
NetSpec conflictNet() {
    return parseNet("p=1 q=0 r=0", "a b", "p>a p>b a>q b>r");
}
// The same conflict beside c, which is free to fire.
NetSpec concurrentNet() {
    return parseNet("p=1 q=0 r=0 u=1 v=0", "a b c", "p>a p>b a>q b>r u>c c>v");
}
// One transition that fires three times.
NetSpec chainNet() {
    return parseNet("p=3 q=0", "t", "p>t t>q");
}
NetSpec deadNet() {
    return parseNet("p=0 q=0", "t", "p>t t>q");
}

class SimulatorTest : public ::testing::Test {
protected:
    void openAndEnter(const NetSpec& net) {
        document = env.openNet("/nets/net.vsd", net);
        before = SimulatorTestHost::drawingOf(*document);
        ASSERT_TRUE(env.press(PetriNetSimulator::kTag));
        ASSERT_TRUE(env.simulator().isSimulating());
    }
    int32_t step() { return env.simulator().stepNumber(); }
    std::string tokensIn(const std::string& place) {
        return env.shapeOf(place).memberList()[2]->text();
    }
    uint64_t waits() { return env.application().log().waitCalls; }

    SimulatorTestHost env;
    visio::ComRef<simhost::Document> document;
    std::string before;
};

TEST_F(SimulatorTest, TheButtonNeedsAPetriNetAndAnIdleChecker) {
    env.open("/nets/blocks.vsd",
             [](simhost::Page& page) { simhost::stencil::dropBlockActive(page, {}); });
    EXPECT_FALSE(env.simulatorButton()->enabled) << "no Petri net shapes";
    document = env.openNet("/nets/net.vsd", conflictNet());
    before = SimulatorTestHost::drawingOf(*document);
    EXPECT_TRUE(env.simulatorButton()->enabled);
    ASSERT_TRUE(env.press(kCheckerTag));
    EXPECT_FALSE(env.simulatorButton()->enabled);
    env.host.turnToPage(*env.application().activeWindow(), env.activePage());
    EXPECT_FALSE(env.simulatorButton()->enabled) << "a page turn keeps it grey while checking";
    EXPECT_FALSE(env.press(PetriNetSimulator::kTag));
    // Run strings reach the tools whatever their buttons show; each leaves the other's
    // run, and the model it paints from, alone.
    env.controller->offerCommand(PetriNetSimulator::kTag);
    EXPECT_FALSE(env.simulator().isSimulating());
    ASSERT_TRUE(env.press("CCStopButton"));
    EXPECT_TRUE(env.simulatorButton()->enabled);

    ASSERT_TRUE(env.press(PetriNetSimulator::kTag));
    env.host.activateWindow(*env.application().activeWindow());
    EXPECT_FALSE(env.button({kCheckerTag})->enabled) << "the checker waits for the simulation";
    EXPECT_EQ(env.simulatorButton()->state, -1);
    env.controller->offerCommand(kCheckerTag);
    EXPECT_EQ(env.shapeOf("a").formula("LineColor"), "RGB(0,255,0)");
    ASSERT_TRUE(env.press(PetriNetSimulator::kTag));
    EXPECT_EQ(SimulatorTestHost::drawingOf(*document), before);
}

// The run is display only: a saved drawing stays saved through entering, steps and
// leaving.
TEST_F(SimulatorTest, EnteringAndLeavingPutTheDrawingAndTheWindowBack) {
    document = env.openNet("/nets/net.vsd", concurrentNet());
    env.host.saveDocument(*document);
    before = SimulatorTestHost::drawingOf(*document);
    env.application().activeWindow()->SetShowConnectPoints(1);
    ASSERT_TRUE(env.press(PetriNetSimulator::kTag));
    EXPECT_EQ(env.takeMarkers(), std::vector<std::string>{kEntered});
    EXPECT_EQ(env.application().activeWindow()->ShowConnectPoints(), 0);
    EXPECT_EQ(env.controls()->windowRect().topLeft(), (ui::Point{200, 200}));
    EXPECT_EQ(env.shapeOf("a").formula("LineColor"), "RGB(0,255,0)");
    EXPECT_EQ(env.shapeOf("p").formula("LineColor"), "RGB(255,0,0)");
    EXPECT_EQ(env.shapeOf("p").formula("LockTextEdit"), "1");
    env.select("c");
    ASSERT_TRUE(env.pressControl(kStepForward));
    EXPECT_EQ(tokensIn("v"), "1");

    ASSERT_TRUE(env.press(PetriNetSimulator::kTag));
    EXPECT_FALSE(env.simulator().isSimulating());
    EXPECT_EQ(env.controls(), nullptr);
    EXPECT_EQ(SimulatorTestHost::drawingOf(*document), before);
    EXPECT_TRUE(document->isSaved());
    EXPECT_EQ(env.application().activeWindow()->ShowConnectPoints(), 1);
    EXPECT_EQ(env.takeMarkers(), std::vector<std::string>{kLeft});
}

// Settings applied during a run show on the page at once, not at the next step.
TEST_F(SimulatorTest, AppliedHighlightSettingsShowAtOnce) {
    document = env.openNet("/nets/net.vsd", conflictNet());
    const std::string line = env.shapeOf("a").formula("LineColor");
    ASSERT_TRUE(env.press(PetriNetSimulator::kTag));
    PNSPropertyPage& page = *env.simulator().propertyPage();
    page.highlightEnabled = 0;
    page.conflictColor = 0xFF0000;
    env.simulator().applySettings();
    EXPECT_EQ(env.shapeOf("a").formula("LineColor"), line);
    EXPECT_EQ(env.shapeOf("p").formula("LineColor"), "RGB(0,0,255)");
}

TEST_F(SimulatorTest, ANetWithErrorsIsNotEntered) {
    document = env.openNet("/nets/net.vsd", parseNet("p=1 s*=0", "t", "p>t t>s"));
    before = SimulatorTestHost::drawingOf(*document);
    ASSERT_TRUE(env.press(PetriNetSimulator::kTag));
    EXPECT_FALSE(env.simulator().isSimulating());
    ASSERT_EQ(env.backend.messageBoxes().size(), 1u);
    EXPECT_EQ(env.backend.messageBoxes()[0].caption, "QAV Tools 2.1.1  Petri Net Simulator");
    EXPECT_TRUE(env.takeMarkers().empty());
    EXPECT_EQ(SimulatorTestHost::drawingOf(*document), before) << "nothing of it stays";
}

TEST_F(SimulatorTest, SavesHoldTheDrawingAsBeforeAndOnlyTheSimulatedOneIsTouched) {
    std::vector<std::string> saved;
    env.application().hooks().saveDocument = [&](simhost::Document& d) {
        saved.push_back(SimulatorTestHost::drawingOf(d));
        return true;
    };
    auto other = env.openNet("/nets/other.vsd", chainNet());
    const std::string otherBefore = SimulatorTestHost::drawingOf(*other);
    const auto writes = [&]() {
        const simhost::CallCounters& c = env.host.counters();
        return c.formulaWrites + c.forcedWrites + c.batchWrites + c.textWrites;
    };
    const uint64_t written = writes();
    env.host.saveDocument(*other);
    EXPECT_EQ(writes(), written) << "a save while idle touches nothing";

    openAndEnter(concurrentNet());
    env.select("c");
    ASSERT_TRUE(env.pressControl(kStepForward));
    env.host.saveDocument(*document);
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[1], before) << "the initial marking and the formats from before";
    EXPECT_EQ(tokensIn("v"), "1") << "the current marking again";
    EXPECT_EQ(env.shapeOf("a").formula("LockTextEdit"), "1");

    env.host.saveDocument(*other);
    EXPECT_EQ(saved[2], otherBefore);
    EXPECT_EQ(tokensIn("v"), "1");
    EXPECT_EQ(env.simulator().stepNumber(), 1);
    EXPECT_TRUE(env.takeMarkers() == std::vector<std::string>{kEntered});
}

// A save that fails never reports back: once Visio is idle the page shows the run again,
// its shapes protected.
TEST_F(SimulatorTest, AFailedSaveGivesThePageItsRunBack) {
    env.application().hooks().saveDocument = [](simhost::Document&) { return false; };
    openAndEnter(chainNet());
    ASSERT_TRUE(env.pressControl(kStepForward));
    env.host.saveDocument(*document);
    EXPECT_EQ(tokensIn("q"), "1");
    EXPECT_EQ(env.shapeOf("t").formula("LockTextEdit"), "1");
    EXPECT_EQ(env.shapeOf("t").formula("LineColor"), "RGB(0,255,0)");
    ASSERT_TRUE(env.press(PetriNetSimulator::kTag));
    EXPECT_EQ(SimulatorTestHost::drawingOf(*document), before);
}

// The run shows over the user's cells; what the user types into one meanwhile is the
// user's: no step, save or leave puts the formula from before the run back over it.
TEST_F(SimulatorTest, WhatTheUserTypesDuringTheRunStays) {
    std::vector<std::string> atSave;
    visio::ComRef<simhost::Shape> box;
    env.application().hooks().saveDocument = [&](simhost::Document&) {
        atSave = {env.shapeOf("p").formula("LineWeight"), env.shapeOf("t").formula("LineColor"),
                  env.shapeOf("q").formula("LockTextEdit"), box->formula("LockTextEdit"),
                  box->text()};
        return true;
    };
    openAndEnter(chainNet());
    box = env.shapeOf("q").memberList()[2];
    ASSERT_TRUE(env.host.setFormula(env.shapeOf("p"), "LineWeight", "3 pt"));
    ASSERT_TRUE(env.host.setFormula(env.shapeOf("t"), "LineColor", "4"));
    ASSERT_TRUE(env.host.setFormula(env.shapeOf("q"), "LockTextEdit", "0"));
    ASSERT_TRUE(env.host.setFormula(*box, "LockTextEdit", "FALSE"));
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(env.pressControl(kStepForward));
    EXPECT_FALSE(env.simulator().hasEnabledTransitions());
    EXPECT_EQ(env.shapeOf("t").formula("LineColor"), "4") << "no longer enabled";
    EXPECT_EQ(env.shapeOf("p").formula("LineWeight"), "3 pt");
    EXPECT_EQ(tokensIn("q"), "3");
    EXPECT_EQ(box->formula("LockTextEdit"), "FALSE") << "the count is shown, the lock stays";
    ASSERT_TRUE(env.host.setText(*box, "7"));

    env.host.saveDocument(*document);
    EXPECT_EQ(atSave, (std::vector<std::string>{"3 pt", "4", "0", "FALSE", "7"}));
    EXPECT_EQ(env.shapeOf("q").formula("LockTextEdit"), "1") << "protected again";
    ASSERT_TRUE(env.pressControl(kReset));
    EXPECT_EQ(env.shapeOf("t").formula("LineColor"), "RGB(0,255,0)");
    ASSERT_TRUE(env.press(PetriNetSimulator::kTag));
    EXPECT_EQ(env.shapeOf("p").formula("LineWeight"), "3 pt");
    EXPECT_EQ(env.shapeOf("t").formula("LineColor"), "4");
    EXPECT_EQ(env.shapeOf("q").formula("LockTextEdit"), "0");
    EXPECT_EQ(box->formula("LockTextEdit"), "FALSE");
    EXPECT_EQ(tokensIn("q"), "7");
}

// Reading takes a marking box's whole number as typed (blanks, a sign, leading zeros);
// the simulation shows its counts in the boxes and puts back what the user wrote, in
// every save and when it ends.
TEST_F(SimulatorTest, MarkingBoxesGetTheUsersTextBack) {
    std::vector<std::string> saved;
    env.application().hooks().saveDocument = [&](simhost::Document& d) {
        saved.push_back(SimulatorTestHost::drawingOf(d));
        return true;
    };
    document = env.openNet("/nets/net.vsd", parseNet("p=1 q=0 r=0", "t", "p>t t>q"));
    env.host.setText(*env.shapeOf("p").memberList()[2], " 1 ");
    env.host.setText(*env.shapeOf("q").memberList()[2], "00");
    env.host.setText(*env.shapeOf("r").memberList()[2], "+06");
    before = SimulatorTestHost::drawingOf(*document);
    ASSERT_TRUE(env.press(PetriNetSimulator::kTag));
    ASSERT_TRUE(env.simulator().isSimulating());
    EXPECT_EQ(tokensIn("r"), "+06") << "reading leaves the text as typed";
    ASSERT_TRUE(env.pressControl(kStepForward));
    EXPECT_EQ(tokensIn("p"), "");
    EXPECT_EQ(tokensIn("q"), "1");

    env.host.saveDocument(*document);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0], before);
    EXPECT_EQ(tokensIn("q"), "1");
    ASSERT_TRUE(env.press(PetriNetSimulator::kTag));
    EXPECT_EQ(SimulatorTestHost::drawingOf(*document), before);
}

TEST_F(SimulatorTest, ClosingTheControlsEndsTheSimulationAtTheNextIdleEvent) {
    openAndEnter(conflictNet());
    env.takeMarkers();
    env.user.close(env.controls()->handle());
    EXPECT_TRUE(env.simulator().isSimulating());
    env.host.pump();
    EXPECT_FALSE(env.simulator().isSimulating());
    env.host.pump();
    EXPECT_EQ(env.takeMarkers(), std::vector<std::string>{kLeft});
    EXPECT_EQ(SimulatorTestHost::drawingOf(*document), before);
    EXPECT_TRUE(env.simulatorButton()->enabled);
}

TEST_F(SimulatorTest, ByHandTheSelectionDecidesConflicts) {
    openAndEnter(conflictNet());
    EXPECT_TRUE(env.control(1046).visible) << "the hint asks for a choice";
    ASSERT_TRUE(env.pressControl(kStepForward));
    EXPECT_EQ(step(), 0) << "nothing selected, nothing fires";
    env.select("b");
    EXPECT_EQ(step(), 1) << "one conflict place, nothing else: the selection fires";
    EXPECT_EQ(tokensIn("r"), "1");

    ASSERT_TRUE(env.press(PetriNetSimulator::kTag));
    openAndEnter(concurrentNet());
    env.select("a c");
    EXPECT_EQ(step(), 0) << "c is free to fire: selecting waits for One Step Forward";
    ASSERT_TRUE(env.pressControl(kStepForward));
    EXPECT_EQ(step(), 1);
    EXPECT_EQ(tokensIn("q") + tokensIn("v"), "11");
}

TEST_F(SimulatorTest, AutomaticRunsUntilNothingIsEnabledWaitingTheDelayEachTick) {
    openAndEnter(chainNet());
    env.system.setTickCount(0xFFFFFFC0u);
    EXPECT_TRUE(env.pressControl(kAutoSim)) << "and one idle tick";
    EXPECT_EQ(step(), 1);
    EXPECT_EQ(waits(), 101u) << "calls begun 0 to 100 ms after the tick's start, across the "
                                "tick count's wrap";
    env.host.pump();
    env.host.pump();
    EXPECT_EQ(step(), 3);
    EXPECT_EQ(env.runMode(), RunMode::ByHand);
    EXPECT_EQ(env.controlState(kAutoSim), ui::kTbStateIndeterminate);
    env.host.pump();
    EXPECT_EQ(step(), 3);

    ASSERT_TRUE(env.press(PetriNetSimulator::kTag));
    openAndEnter(deadNet());
    EXPECT_FALSE(env.pressControl(kAutoSim)) << "greyed";
    env.controls()->onAutoSim();
    EXPECT_EQ(env.runMode(), RunMode::ByHand);
}

// Draws within one second repeat: the first draw gives how many of the four free
// transitions fire, and each pick takes the same index of what is left.
TEST_F(SimulatorTest, ChanceIsTheClockSecondsSeed) {
    env.system.setTime(1234567, {2009, 2, 13, 23, 56, 7});
    std::srand(1234567u);
    const int drawn = std::rand();
    openAndEnter(parseNet("p=1 q=1 r=1 u=1", "a b c d", "p>a q>b r>c u>d"));
    ASSERT_TRUE(env.pressControl(kAutoSim));
    const size_t fired = static_cast<size_t>(drawn) % 4 + 1;
    std::vector<std::string> names = {"p", "q", "r", "u"};
    std::string expected;
    for (size_t i = 0; i < fired; ++i) {
        const size_t at = static_cast<size_t>(drawn) % names.size();
        expected += names[at];
        names.erase(names.begin() + static_cast<std::ptrdiff_t>(at));
    }
    std::string emptied;
    for (const char* place : {"p", "q", "r", "u"}) {
        if (tokensIn(place).empty()) emptied += place;
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(emptied, expected);
}

TEST_F(SimulatorTest, SemiAutomaticHoldsOnOneConflictPlaceAndResumes) {
    openAndEnter(conflictNet());
    ASSERT_TRUE(env.pressControl(kSemiAutoSim));
    EXPECT_EQ(env.runMode(), RunMode::SemiAutomaticHolding);
    EXPECT_TRUE(env.control(1046).visible);
    ASSERT_TRUE(env.pressControl(kSemiAutoSim));
    EXPECT_NE(env.runMode(), RunMode::ByHand) << "running again, not stopped";
    env.select("a");
    env.host.pump();
    EXPECT_EQ(tokensIn("q"), "1") << "the tick fired the selection";
    EXPECT_EQ(env.runMode(), RunMode::ByHand) << "nothing is enabled any more";
}

// A choice made while the run goes on is read before the tick fires anything: a firing
// clears the selection.
TEST_F(SimulatorTest, SemiAutomaticFiresTheSelectionBesideTheFreeTransitions) {
    openAndEnter(concurrentNet());
    env.select("a");
    ASSERT_TRUE(env.pressControl(kSemiAutoSim));
    EXPECT_EQ(tokensIn("v"), "1");
    EXPECT_EQ(tokensIn("q"), "1") << "the selected a fired in the same tick";
}

TEST_F(SimulatorTest, TheRecursionStackListTakesPartOnlyWithStackPlaces) {
    openAndEnter(chainNet());
    ASSERT_TRUE(env.pressControl(kStepForward));
    EXPECT_FALSE(env.control(1058).enabled);
    EXPECT_TRUE(env.control(1058).rows.empty());

    ASSERT_TRUE(env.press(PetriNetSimulator::kTag));
    openAndEnter(
        parseNet("p=1 c=1 s1*=0/2 s2*=0/2 q=0", "a r1 r2", "p>a a>s1 s1>r1 c>r1 c>r2 s2>r2 r1>q"));
    EXPECT_TRUE(env.control(1058).enabled);
    ASSERT_TRUE(env.pressControl(kStepForward));
    using Rows = std::vector<std::vector<std::string>>;
    EXPECT_EQ(env.control(1058).rows, (Rows{{"1", "s1"}}));
    env.controls()->fillRecursionList({"s2"});
    EXPECT_EQ(env.control(1058).rows, (Rows{{"1", "s2"}})) << "same depth, another top";
    env.controls()->fillRecursionList({"s1", "s2"});
    EXPECT_EQ(env.control(1058).rows, (Rows{{"2", "s2"}, {"1", "s1"}})) << "the top first";
    ASSERT_TRUE(env.pressControl(kStepForward));
    EXPECT_TRUE(env.control(1058).rows.empty());
}

TEST_F(SimulatorTest, AnotherPageParksTheRunUntilTheSimulatedPageIsShownAgain) {
    openAndEnter(parseNet("p=9 q=0", "t", "p>t t>q"));
    simhost::Window& window = *env.application().activeWindow();
    simhost::Page& simulated = env.activePage();
    ASSERT_TRUE(env.pressControl(kAutoSim));
    auto second = env.host.addPage(*document);
    env.host.turnToPage(window, *second);
    EXPECT_EQ(env.runMode(), RunMode::ByHand);
    EXPECT_EQ(env.controlState(kReset), ui::kTbStateIndeterminate);
    env.host.activateWindow(window);
    const int32_t parked = step();
    env.host.pump();
    EXPECT_EQ(step(), parked) << "no tick while the page is away";
    env.host.turnToPage(window, simulated);
    EXPECT_EQ(env.runMode(), RunMode::Automatic) << "a second disabling parked nothing";
}

// Each answer leaves the drawing as the user left it: the added shape kept, or taken
// away again.
TEST(SimulatorQuestionTest, AShapeAddedMeanwhileIsAnsweredByTheUser) {
    for (int answer = 1; answer <= 3; ++answer) {
        SCOPED_TRACE("answer " + std::to_string(answer));
        SimulatorTestHost host;
        auto plain = host.openNet("/nets/plain.vsd", conflictNet());
        auto dropped = simhost::stencil::dropPlace(host.activePage(), {});
        if (answer == 3) host.host.deleteShape(*dropped);
        const std::string expected = SimulatorTestHost::drawingOf(*plain);

        auto simulated = host.openNet("/nets/net.vsd", conflictNet());
        ASSERT_TRUE(host.press(PetriNetSimulator::kTag));
        host.select("a");
        host.takeMarkers();
        host.backend.answerMessageBoxByNumber(answer);
        simhost::stencil::dropPlace(host.activePage(), {});
        host.host.pump();
        host.host.pump();
        const std::vector<std::vector<std::string>> markers = {{kLeft}, {kLeft, kEntered}, {}};
        EXPECT_EQ(host.simulator().isSimulating(), answer != 1);
        EXPECT_EQ(host.simulator().stepNumber(), answer == 3 ? 1 : 0) << "Cancel goes on";
        EXPECT_EQ(host.takeMarkers(), markers[static_cast<size_t>(answer - 1)]);
        if (host.simulator().isSimulating()) {
            ASSERT_TRUE(host.press(PetriNetSimulator::kTag));
        }
        EXPECT_EQ(SimulatorTestHost::drawingOf(*simulated), expected);
    }
}

// Visio reports the copies of one duplicate once it has made them all: a restart for the
// first reads the others too, and the run then holds them. They are not asked about as
// left out, and Cancel Editing is not offered for a copy the run itself protects.
TEST_F(SimulatorTest, ARestartHoldsTheOtherCopiesOfTheSameCommand) {
    openAndEnter(concurrentNet());
    const size_t shapes = env.activePage().shapeCollection().list().size();
    env.select("a c");
    const size_t boxes = env.backend.messageBoxes().size();
    env.backend.answerMessageBoxByNumber(2);
    env.backend.answerMessageBoxByNumber(3);
    ASSERT_TRUE(env.host.duplicateSelection());
    EXPECT_EQ(env.backend.messageBoxes().size(), boxes + 1) << "one question, one restart";
    EXPECT_TRUE(env.simulator().isSimulating());
    EXPECT_EQ(env.activePage().shapeCollection().list().size(), shapes + 2);
}

// The run reads its page alone: a shape added to another page or drawing stays the
// user's, unasked; one added to the simulated page asks even while another page is
// shown, and a restart then waits, greyed, until the simulated page is shown again.
TEST_F(SimulatorTest, OnlyAShapeAddedToTheSimulatedPageAsksTheQuestion) {
    openAndEnter(chainNet());
    simhost::Window& window = *env.application().activeWindow();
    simhost::Page& simulated = env.activePage();
    ASSERT_TRUE(env.pressControl(kStepForward));
    const size_t boxes = env.backend.messageBoxes().size();
    auto second = env.host.addPage(*document);
    env.host.turnToPage(window, *second);
    simhost::stencil::dropPlace(*second, {});
    auto other = env.host.newDocument();
    simhost::stencil::dropPlace(*other->page(1), {});
    env.host.pump();
    EXPECT_EQ(env.backend.messageBoxes().size(), boxes);
    EXPECT_EQ(second->shapeCollection().list().size(), 1u);
    EXPECT_EQ(other->page(1)->shapeCollection().list().size(), 1u);
    EXPECT_EQ(step(), 1) << "the run goes on";

    env.host.activateWindow(window);
    env.backend.answerMessageBoxByNumber(2);
    simhost::stencil::dropPlace(simulated, {});
    env.host.pump();
    EXPECT_EQ(env.backend.messageBoxes().size(), boxes + 1);
    EXPECT_EQ(step(), 0) << "restarted";
    EXPECT_EQ(env.controlState(kReset), ui::kTbStateIndeterminate);
    env.host.turnToPage(window, simulated);
    EXPECT_NE(env.controlState(kStepForward), ui::kTbStateIndeterminate);
}

TEST_F(SimulatorTest, ADocumentClosedDuringTheWaitIsLeftAfterTheTick) {
    openAndEnter(chainNet());
    int calls = 0;
    env.application().hooks().wait = [&]() {
        env.system.advanceTicks(1);
        if (++calls == 1) env.host.closeDocument(*document);
    };
    ASSERT_TRUE(env.pressControl(kAutoSim));
    EXPECT_EQ(calls, 2) << "the close came in the second call, which ended the wait";
    EXPECT_FALSE(env.simulator().isSimulating());
    EXPECT_EQ(env.controls(), nullptr);
    env.host.pump();
    EXPECT_EQ(env.takeMarkers(), (std::vector<std::string>{kEntered, kLeft}));
}

// The add-on goes (unload, shut-down, a second load) while a tick waits: the tools go
// once the tick has returned, and the run leaves nothing of its display in the drawing.
TEST_F(SimulatorTest, TheAddonGoingDuringTheWaitEndsTheRunAfterTheTick) {
    openAndEnter(chainNet());
    env.application().hooks().wait = [&]() {
        env.system.advanceTicks(1);
        env.controller->afterCallsReturn([&] { env.controller.reset(); });
    };
    ASSERT_TRUE(env.pressControl(kAutoSim));
    EXPECT_EQ(env.controller, nullptr);
    EXPECT_EQ(SimulatorTestHost::drawingOf(*document), before);
}

}  // namespace
}  // namespace simtest
