// How the checker follows Visio's events: changes to the checked page check it again,
// saves never see the colours, other pages and the simulator's run are respected, and
// opened documents get their notation shapes completed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checker/CCLegendDialog.h"
#include "checker/CCPropertyPage.h"
#include "checker/ConsistencyChecker.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/file/DrawingFile.h"
#include "simhost/host/Application.h"
#include "simhost/host/Document.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Window.h"
#include "simhost/stencil/PetriStencil.h"
#include "tests/checker/CheckerDrawings.h"
#include "tests/checker/CheckerTestHost.h"

namespace checkertest {
namespace {

using simhost::stencil::StencilOptions;

constexpr char kLeft[] = "CC2PNS-CC_Leaved_CheckingState";
// A check paints in two batches; checking again first takes the colours away.
constexpr uint64_t kRecheck = 3;

std::string fileOf(simhost::Document& document) {
    std::string text;
    std::string error;
    EXPECT_TRUE(simhost::DrawingFile::write(document, &text, &error)) << error;
    return text;
}

class CheckerEventsTest : public ::testing::Test {
protected:
    CheckerEventsTest() {
        env.writeSettings("CC_ShowLegend=FALSE\r\nCC_SaveBefore=FALSE\r\n");
        env.startTools();
        document = env.open("/drawings/net.vsd",
                            [&](simhost::Page& page) { net = dropSmallNet(env.host, page); });
        original = fileOf(*document);
    }
    void start() {
        ASSERT_TRUE(env.press("CCStartButton"));
        ASSERT_TRUE(checker().isChecking());
        env.takeMarkers();
        batches = env.batchWrites();
    }
    // The batches written since the last call.
    uint64_t newBatches() {
        const uint64_t before = batches;
        batches = env.batchWrites();
        return batches - before;
    }
    void marker(const std::string& text) {
        env.application().QueueMarkerEvent(text);
        env.host.pump();
    }
    ConsistencyChecker& checker() { return *env.checker(); }
    simhost::Window& window() { return *env.application().activeWindow(); }

    CheckerTestHost env;
    SmallNet net;
    visio::ComRef<simhost::Document> document;
    std::string original;
    uint64_t batches = 0;
};

TEST_F(CheckerEventsTest, CellChangesCheckAgainOncePerIdlePeriod) {
    start();
    env.host.setFormula(*net.p1, "PinX", "1.5 in");
    EXPECT_EQ(newBatches(), kRecheck);
    // Two changes before Visio is idle again: one check.
    net.t1->writeFormula(*net.t1->sheet().resolve("PinY"), "4.2 in", false);
    net.p2->writeFormula(*net.p2->sheet().resolve("PinY"), "4.2 in", false);
    env.host.pump();
    EXPECT_EQ(newBatches(), kRecheck);
    env.host.pump();
    EXPECT_EQ(newBatches(), 0u) << "its own writes do not check again";
    EXPECT_EQ(net.p1->formula("LineColor"), "GUARD(3)");
}

TEST_F(CheckerEventsTest, ADeletedShapeIsCheckedAgainAtTheNextIdleEvent) {
    start();
    env.host.deleteShape(*net.p2);
    EXPECT_EQ(newBatches(), kRecheck);
    EXPECT_EQ(net.arc2->formula("LineColor"), "GUARD(2)") << "its arc now ends nowhere";
    ASSERT_TRUE(env.press("CCStopButton"));
    EXPECT_EQ(net.arc2->formula("LineColor"), net.arc1->formula("LineColor"));
    EXPECT_EQ(fileOf(*document).find("GUARD("), std::string::npos);
}

TEST_F(CheckerEventsTest, ASaveWhileCheckingNeverSeesTheColours) {
    std::vector<std::string> saved;
    env.application().hooks().saveDocument = [&](simhost::Document& d) {
        saved.push_back(fileOf(d));
        return true;
    };
    start();
    env.host.saveDocument(*document);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0], original);
    EXPECT_TRUE(checker().isChecking());
    EXPECT_EQ(net.p1->formula("LineColor"), "GUARD(3)");
    EXPECT_EQ(newBatches(), kRecheck) << "taken away before the save, painted after it";
    env.host.saveDocumentAs(*document, "/drawings/copy.vsd");
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[1].find("GUARD("), std::string::npos);
    EXPECT_TRUE(env.takeMarkers().empty()) << "saves are no start or stop";
}

// Another document, shown in the active window, is saved; then the checked one is.
TEST_F(CheckerEventsTest, OnlySavesOfTheCheckedDocumentTouchTheCheck) {
    start();
    auto other =
        env.open("/drawings/other.vsd", [&](simhost::Page& page) { dropSmallNet(env.host, page); });
    const std::string otherOriginal = fileOf(*other);
    newBatches();
    env.host.saveDocument(*other);
    EXPECT_EQ(newBatches(), 0u);
    EXPECT_TRUE(checker().isChecking());
    EXPECT_EQ(net.p1->formula("LineColor"), "GUARD(3)");
    EXPECT_EQ(fileOf(*other), otherOriginal);

    env.host.saveDocument(*document);
    EXPECT_EQ(newBatches(), kRecheck);
    EXPECT_EQ(net.p1->formula("LineColor"), "GUARD(3)") << "painted again where it was";
    EXPECT_EQ(fileOf(*other), otherOriginal);
    EXPECT_TRUE(env.takeMarkers().empty());
}

// A save that fails never reports back: once Visio is idle the page is checked and its
// cells guarded again, and Stop stops.
TEST_F(CheckerEventsTest, AFailedSaveGivesThePageItsColoursBack) {
    env.application().hooks().saveDocument = [](simhost::Document&) { return false; };
    start();
    env.host.saveDocument(*document);
    EXPECT_TRUE(checker().isChecking());
    EXPECT_EQ(net.p1->formula("LineColor"), "GUARD(3)");
    EXPECT_EQ(env.checkerButton()->addOnArgs, "CCStopButton");
    ASSERT_TRUE(env.press("CCStopButton"));
    EXPECT_EQ(env.checkerButton()->addOnArgs, "CCStartButton");
    EXPECT_EQ(env.takeMarkers(), std::vector<std::string>{kLeft});
    EXPECT_EQ(fileOf(*document), original);
}

TEST_F(CheckerEventsTest, ChangesOnAnotherPageDoNotCheckAgain) {
    start();
    auto other = env.host.addPage(*document, "Other");
    // The title block component gives the new page its grid while the checked page is
    // still shown: those cell changes check it once.
    EXPECT_EQ(newBatches(), kRecheck);
    env.host.turnToPage(window(), *other.get());
    auto place = simhost::stencil::dropPlace(*other.get(), at(2, 2, "q"));
    env.host.pump();
    env.host.setFormula(*place, "PinX", "3 in");
    env.host.changeWindow(window());
    marker("ALA2CC-ALA_Finished_Recheck");
    env.host.deleteShape(*place);
    EXPECT_EQ(newBatches(), 0u);
    EXPECT_EQ(place->formula("LineColor"), "0");
    EXPECT_EQ(env.checkerButton()->addOnArgs, "CCStopButton");

    env.host.turnToPage(window(), *document->page(1));
    env.host.setFormula(*net.p1, "PinX", "1.5 in");
    EXPECT_EQ(newBatches(), kRecheck);
}

TEST_F(CheckerEventsTest, AddedShapesWindowChangesAndTheLayoutCommandCheckAgain) {
    start();
    auto place = simhost::stencil::dropPlace(env.activePage(), at(7, 4, "p3"));
    env.host.pump();
    EXPECT_EQ(newBatches(), kRecheck);
    EXPECT_EQ(place->formula("LineColor"), "GUARD(3)");
    env.host.changeWindow(window());
    EXPECT_EQ(newBatches(), kRecheck);
    marker("ALA2CC-ALA_Finished_Recheck");
    EXPECT_EQ(newBatches(), kRecheck);
    marker("ALA2CC-ALA_Finished_Recheck ");
    EXPECT_EQ(newBatches(), 0u) << "markers are compared exactly";
    ASSERT_TRUE(env.press("CCStopButton"));
    EXPECT_EQ(place->formula("LineColor"), "0");
}

TEST_F(CheckerEventsTest, WhileTheSimulatorRunsTheStartButtonStaysGrey) {
    marker("PNS2CC-PNS_Entered_SimulationState");
    EXPECT_FALSE(env.checkerButton()->enabled);
    simhost::stencil::dropTransition(env.activePage(), at(7, 4, "t2"));
    env.host.pump();
    EXPECT_FALSE(env.checkerButton()->enabled);
    EXPECT_FALSE(env.press("CCStartButton"));
    marker("PNS2CC-PNS_Leaved_SimulationState");
    EXPECT_TRUE(env.checkerButton()->enabled);
    simhost::stencil::dropTransition(env.activePage(), at(7, 2, "t3"));
    env.host.pump();
    EXPECT_TRUE(env.checkerButton()->enabled);
}

TEST_F(CheckerEventsTest, TurningToAPageWithoutTheNotationGreysTheStartButton) {
    auto other = env.host.addPage(*document, "Other");
    env.host.turnToPage(window(), *other.get());
    EXPECT_FALSE(env.checkerButton()->enabled);
    env.host.turnToPage(window(), *document->page(1));
    EXPECT_TRUE(env.checkerButton()->enabled);
    // Deleting the last shape of the notation greys it at the next idle event.
    auto only = env.host.addPage(*document, "Only");
    env.host.turnToPage(window(), *only.get());
    auto place = simhost::stencil::dropPlace(*only.get(), at(2, 2, "q"));
    env.host.pump();
    EXPECT_TRUE(env.checkerButton()->enabled);
    env.host.deleteShape(*place);
    EXPECT_FALSE(env.checkerButton()->enabled);
}

TEST_F(CheckerEventsTest, ClosingTheCheckedDocumentStopsChecking) {
    env.startTools();
    checker().propertyPage()->showLegend = 1;
    start();
    ASSERT_NE(checker().legend(), nullptr);
    auto other =
        env.open("/drawings/other.vsd", [&](simhost::Page& page) { dropSmallNet(env.host, page); });
    env.host.closeDocument(*other.get());
    EXPECT_TRUE(checker().isChecking()) << "another document closed";

    env.host.closeDocument(*document);
    EXPECT_FALSE(checker().isChecking());
    EXPECT_EQ(checker().legend(), nullptr);
    EXPECT_EQ(env.takeMarkers(), std::vector<std::string>{kLeft});
    EXPECT_EQ(env.checkerButton()->addOnArgs, "CCStartButton");
    EXPECT_FALSE(env.checkerButton()->enabled) << "no page is left";
}

// The drawing is the checked one whatever name it was saved under.
TEST_F(CheckerEventsTest, ACheckedDrawingSavedUnderAStencilsNameStopsWhenItCloses) {
    start();
    env.host.saveDocumentAs(*document, "/drawings/net.VSS");
    ASSERT_TRUE(checker().isChecking());
    env.host.closeDocument(*document);
    EXPECT_FALSE(checker().isChecking());
    EXPECT_EQ(env.takeMarkers(), std::vector<std::string>{kLeft});
    EXPECT_EQ(env.checkerButton()->addOnArgs, "CCStartButton");
}

TEST_F(CheckerEventsTest, ClosingTheLastDocumentGreysTheStartButton) {
    EXPECT_TRUE(env.checkerButton()->enabled);
    env.host.closeDocument(*document);
    EXPECT_FALSE(env.checkerButton()->enabled);
}

// --- Documents that are opened

TEST_F(CheckerEventsTest, AnOpenedDocumentGetsItsMissingCellsAndIsMarkedChanged) {
    StencilOptions old = at(2, 2, "t");
    old.omit = {"User.QAV_Identifier_ID"};
    auto opened = env.open("/drawings/old.vsd", [&](simhost::Page& page) {
        simhost::stencil::dropTransition(page, old);
    });
    EXPECT_EQ(opened->page(1)->findShape(1)->formula("User.QAV_Identifier_ID"), "0");
    EXPECT_FALSE(opened->isSaved());
}

TEST_F(CheckerEventsTest, ACompleteDocumentStaysSaved) {
    StencilOptions boxes = at(2, 2, "p");
    boxes.markingIn = simhost::stencil::ValueIn::TextBox;
    boxes.capacityIn = simhost::stencil::ValueIn::TextBox;
    boxes.capacity = "2";
    auto opened = env.open("/drawings/boxes.vsd", [&](simhost::Page& page) {
        simhost::stencil::dropPlace(page, boxes);
        dropSmallNet(env.host, page);
    });
    EXPECT_TRUE(opened->isSaved());
}

TEST(CheckerStartUpTest, TheDocumentOpenBeforeTheToolsIsCompletedAtTheFirstIdleEvent) {
    CheckerTestHost env;
    StencilOptions old = at(2, 2, "t");
    old.omit = {"User.QAV_Identifier_ID"};
    auto opened = env.host.openDocument("/drawings/old.vsd", [&](simhost::Document& d) {
        simhost::stencil::dropTransition(*d.page(1), old);
    });
    ASSERT_NE(env.checker(), nullptr) << "the open's idle event made the tools";
    simhost::Shape* transition = opened->page(1)->findShape(1);
    EXPECT_FALSE(transition->sheet().resolve("User.QAV_Identifier_ID").has_value());
    env.host.pump();
    EXPECT_EQ(transition->formula("User.QAV_Identifier_ID"), "0");
    EXPECT_FALSE(opened->isSaved());
}

}  // namespace
}  // namespace checkertest
