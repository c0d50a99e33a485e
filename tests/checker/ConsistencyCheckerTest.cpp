// The checker tool as the user meets it: its button, start and stop with everything
// around them, the colours a check paints, and the simulator's silent gate.
#include "checker/ConsistencyChecker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checker/CCLegendDialog.h"
#include "checker/CCPropertyPage.h"
#include "model/CellAddressTable.h"
#include "model/DiagramTypeHolder.h"
#include "model/GEElementSet.h"
#include "model/SavedFormulaIndex.h"
#include "platform/visio/VShapes.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/file/DrawingFile.h"
#include "simhost/host/Application.h"
#include "simhost/host/Document.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Window.h"
#include "simhost/stencil/BlockStencil.h"
#include "simhost/stencil/PetriStencil.h"
#include "tests/checker/CheckerDrawings.h"
#include "tests/checker/CheckerTestHost.h"

namespace checkertest {
namespace {

using simhost::stencil::StencilOptions;

constexpr char kEntered[] = "CC2PNS-CC_Entered_CheckingState";
constexpr char kLeft[] = "CC2PNS-CC_Leaved_CheckingState";
constexpr char kNoSaveNoLegend[] = "CC_ShowLegend=FALSE\r\nCC_SaveBefore=FALSE\r\n";

// The five cells the rules colour, as one shape shows them.
struct Looks {
    std::string lineColour;
    std::string lineWeight;
    std::string linePattern;
    std::string charColour;
    std::string charStyle;

    bool operator==(const Looks& o) const {
        return lineColour == o.lineColour && lineWeight == o.lineWeight &&
               linePattern == o.linePattern && charColour == o.charColour &&
               charStyle == o.charStyle;
    }
};

std::ostream& operator<<(std::ostream& out, const Looks& l) {
    return out << "{" << l.lineColour << ", " << l.lineWeight << ", " << l.linePattern << ", "
               << l.charColour << ", " << l.charStyle << "}";
}

const Looks consistent{"GUARD(3)", "GUARD(1.4 pt)", "GUARD(1)", "GUARD(3)", "GUARD(0)"};

Looks looksOf(simhost::Shape& shape) {
    return {shape.formula("LineColor"), shape.formula("LineWeight"), shape.formula("LinePattern"),
            shape.formula("Char.Color"), shape.formula("Char.Style")};
}

std::string fileOf(simhost::Document& document) {
    std::string text;
    std::string error;
    EXPECT_TRUE(simhost::DrawingFile::write(document, &text, &error)) << error;
    return text;
}

class ConsistencyCheckerTest : public ::testing::Test {
protected:
    // The tools first, then a saved drawing holding the small net.
    void openNet(const std::string& settings = kNoSaveNoLegend) {
        env.writeSettings(settings);
        env.startTools();
        document = env.open("/drawings/net.vsd",
                            [&](simhost::Page& page) { net = dropSmallNet(env.host, page); });
        original = fileOf(*document);
    }
    ConsistencyChecker& checker() { return *env.checker(); }

    CheckerTestHost env;
    SmallNet net;
    visio::ComRef<simhost::Document> document;
    std::string original;
};

TEST_F(ConsistencyCheckerTest, TheStartButtonIsEnabledOnlyOnAPageOfTheNotation) {
    env.startTools();
    const simhost::ToolbarItemProperties* button = env.checkerButton();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->tooltipText, "Start Consistency Checker");
    EXPECT_EQ(button->addOnName, "QAVSupportTools");
    EXPECT_EQ(button->addOnArgs, "CCStartButton");
    EXPECT_EQ(button->caption, "Consistency Check");
    EXPECT_EQ(button->priority, 3);
    EXPECT_EQ(button->iconFileName, "QAVSupportTools.vsl,0");
    EXPECT_EQ(button->state, 0);
    EXPECT_FALSE(button->enabled) << "no page is shown";

    env.open("/drawings/plain.vsd",
             [&](simhost::Page& page) { page.addShape(simhost::ShapeSpec::box(1, 1, 1, 1)); });
    EXPECT_FALSE(env.checkerButton()->enabled) << "no shape of the notation";
    EXPECT_FALSE(env.press("CCStartButton"));

    env.open("/drawings/net.vsd", [&](simhost::Page& page) { dropSmallNet(env.host, page); });
    EXPECT_TRUE(env.checkerButton()->enabled);
}

TEST_F(ConsistencyCheckerTest, StartPaintsEveryShapeAndStopPutsEveryCellBack) {
    openNet("CC_SaveBefore=FALSE\r\n");
    env.application().activeWindow()->SetShowConnectPoints(1);
    const uint64_t batches = env.batchWrites();

    ASSERT_TRUE(env.press("CCStartButton"));
    EXPECT_TRUE(checker().isChecking());
    EXPECT_EQ(env.batchWrites() - batches, 2u) << "one batch per pass, no check of its own writes";
    for (int32_t id : {1, 2, 3, 4, 6, 8, 10}) EXPECT_EQ(looksOf(*env.shape(id)), consistent) << id;
    const simhost::ToolbarItemProperties* button = env.checkerButton();
    EXPECT_EQ(button->addOnArgs, "CCStopButton");
    EXPECT_EQ(button->tooltipText, "Stop Consistency Checker");
    EXPECT_EQ(button->iconFileName, "QAVSupportTools.vsl,1");
    EXPECT_EQ(button->state, -1);
    EXPECT_TRUE(button->enabled);
    EXPECT_EQ(env.takeMarkers(), std::vector<std::string>{kEntered});
    EXPECT_EQ(env.application().activeWindow()->ShowConnectPoints(), 0);
    ASSERT_NE(checker().legend(), nullptr) << "the legend is on when the key is missing";
    EXPECT_TRUE(checker().legend()->isWindow());

    ASSERT_TRUE(env.press("CCStopButton"));
    EXPECT_FALSE(checker().isChecking());
    EXPECT_EQ(fileOf(*document), original) << "every cell back, inherited cells inherited";
    EXPECT_EQ(env.checkerButton()->addOnArgs, "CCStartButton");
    EXPECT_TRUE(env.checkerButton()->enabled);
    EXPECT_EQ(env.takeMarkers(), std::vector<std::string>{kLeft});
    EXPECT_EQ(env.application().activeWindow()->ShowConnectPoints(), 1);
    EXPECT_EQ(checker().legend(), nullptr);
    EXPECT_TRUE(env.backend.topLevelWindows().empty());
}

TEST_F(ConsistencyCheckerTest, TheWindowSettingGoesBackToTheWindowItWasTakenFrom) {
    openNet();
    simhost::Window* first = env.application().activeWindow();
    first->SetShowConnectPoints(1);
    ASSERT_TRUE(env.press("CCStartButton"));
    // A second start (the run request again) keeps what the first one saved.
    EXPECT_TRUE(checker().onCommand("CCStartButton"));
    auto second = env.host.openWindow(*document);
    second->SetShowConnectPoints(1);
    ASSERT_TRUE(env.press("CCStopButton"));
    EXPECT_EQ(first->ShowConnectPoints(), 1);
    EXPECT_EQ(second->ShowConnectPoints(), 1);
}

TEST_F(ConsistencyCheckerTest, ConnectionPointsTheUserShowsWhileCheckingStayShown) {
    openNet();
    simhost::Window* window = env.application().activeWindow();
    window->SetShowConnectPoints(0);
    ASSERT_TRUE(env.press("CCStartButton"));
    window->SetShowConnectPoints(1);
    ASSERT_TRUE(env.press("CCStopButton"));
    EXPECT_EQ(window->ShowConnectPoints(), 1);
}

TEST_F(ConsistencyCheckerTest, SaveBeforeSavesASavedDocumentAndAsksForANameOtherwise) {
    std::vector<std::string> saved;
    env.application().hooks().saveDocument = [&](simhost::Document& d) {
        saved.push_back(fileOf(d));
        return true;
    };
    openNet("CC_ShowLegend=FALSE\r\n");
    ASSERT_TRUE(env.press("CCStartButton"));
    EXPECT_EQ(env.application().log().commands, std::vector<int16_t>{visio::visCmdFileSave});
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0], original) << "saved without the colours";
    EXPECT_EQ(looksOf(*net.p1), consistent) << "painted again after the save";
    ASSERT_TRUE(env.press("CCStopButton"));

    auto fresh = env.host.newDocument();
    dropSmallNet(env.host, *fresh->page(1));
    env.host.pump();
    ASSERT_TRUE(env.press("CCStartButton"));
    EXPECT_EQ(env.application().log().commands.back(), visio::visCmdFileSaveAs);
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[1].find("GUARD("), std::string::npos);
    EXPECT_EQ(looksOf(*fresh->page(1)->findShape(1)), consistent);
}

TEST_F(ConsistencyCheckerTest, FindingsShowTheirRulesLooks) {
    env.writeSettings(kNoSaveNoLegend);
    env.startTools();
    env.open("/drawings/findings.vsd", [&](simhost::Page& page) {
        using namespace simhost::stencil;
        StencilOptions full = at(1, 4, "full");
        full.marking = "1";
        full.capacity = "1";
        dropPlace(page, full);  // 1
        StencilOptions arc;     // 2, glued nowhere
        arc.begin = {2, 1};
        arc.end = {4, 1};
        dropArc(page, arc);
        page.addShape(simhost::ShapeSpec::box(6, 4, 1, 1));  // 6: no shape of the notation
    });
    ASSERT_TRUE(env.press("CCStartButton"));
    EXPECT_EQ(looksOf(*env.shape(1)), consistent);
    EXPECT_EQ(looksOf(*env.shape(2)),
              (Looks{"GUARD(2)", "GUARD(2 pt)", "GUARD(1)", "GUARD(3)", "GUARD(0)"}))
        << "an arc joined to nothing";
    EXPECT_EQ(looksOf(*env.shape(6)),
              (Looks{"GUARD(19)", "GUARD(1.4 pt)", "GUARD(1)", "GUARD(19)", "GUARD(0)"}))
        << "a plain shape is ignored";
}

TEST_F(ConsistencyCheckerTest, TheOptionalRulesRunWhenTheirKeysAreMissing) {
    env.writeSettings(kNoSaveNoLegend);
    env.startTools();
    env.open("/drawings/block.vsd", [&](simhost::Page& page) {
        using namespace simhost::stencil;
        dropBlockPassive(page, at(1, 4, "Store"));
        dropBlockPassive(page, at(4, 4, "store "));
    });
    ASSERT_TRUE(env.press("CCStartButton"));
    EXPECT_EQ(env.shape(1)->formula("Char.Color"), "GUARD(RGB(255,153,0))");
    EXPECT_EQ(env.shape(1)->formula("Char.Style"), "GUARD(1)");
    EXPECT_EQ(env.shape(2)->formula("Char.Color"), "GUARD(RGB(255,153,0))");
    ASSERT_TRUE(env.press("CCStopButton"));

    checker().propertyPage()->nameClashCheck = 0;
    ASSERT_TRUE(env.press("CCStartButton"));
    EXPECT_EQ(env.shape(1)->formula("Char.Color"), "GUARD(3)");
}

TEST_F(ConsistencyCheckerTest, AMixedPageAsksItsKindOncePerStart) {
    env.writeSettings(kNoSaveNoLegend);
    env.startTools();
    env.open("/drawings/mixed.vsd", [&](simhost::Page& page) {
        using namespace simhost::stencil;
        dropPlace(page, at(1, 4, "p1"));
        dropBlockPassive(page, at(4, 4, "Store"));
    });
    env.backend.answerMessageBoxByNumber(2);
    ASSERT_TRUE(env.press("CCStartButton"));
    EXPECT_EQ(env.questionsAsked(), 1);
    EXPECT_EQ(env.shape(1)->formula("LineColor"), "GUARD(3)") << "read as a Petri net";
    EXPECT_EQ(env.shape(2)->formula("LineColor"), "GUARD(19)");
    // A re-check asks again.
    env.host.changeWindow(*env.application().activeWindow());
    EXPECT_EQ(env.questionsAsked(), 2);
}

// A look cell with a formula longer than the batch takes, and the character format of a
// channel of an older stencil, which reading links to the channel node while checking.
TEST_F(ConsistencyCheckerTest, StopPutsBackWhatTheUserWroteWhole) {
    env.writeSettings(kNoSaveNoLegend);
    env.startTools();
    ShapeRef store;
    ShapeRef channel;
    document = env.open("/drawings/block.vsd", [&](simhost::Page& page) {
        using namespace simhost::stencil;
        store = dropBlockPassive(page, at(1, 4, "Store"));
        StencilOptions old = at(4, 4, "Channel");
        old.version = "2.1.0";
        old.width = 2;
        channel = dropChannel(page, old);
    });
    const std::string prefix = "IF(LEN(\"";
    const std::string suffix = "\")>0,2,3)";
    const std::string longLook =
        prefix + std::string(8192 - prefix.size() - suffix.size(), 'x') + suffix;
    env.host.setFormula(*store, "LineColor", longLook);
    env.host.setFormula(*channel, "Char.Color", "4");
    env.host.setFormula(*channel, "Char.Style", "2");
    original = fileOf(*document);

    ASSERT_TRUE(env.press("CCStartButton"));
    EXPECT_EQ(store->formula("LineColor"), "GUARD(3)");
    const std::string node = "Sheet." + std::to_string(channel->memberList()[1]->id());
    EXPECT_EQ(channel->formula("Char.Color"), node + "!Char.Color");
    EXPECT_EQ(channel->formula("Char.Style"), node + "!Char.Style");
    ASSERT_TRUE(env.press("CCStopButton"));
    EXPECT_EQ(store->formula("LineColor"), longLook);
    EXPECT_EQ(channel->formula("Char.Color"), "4");
    EXPECT_EQ(channel->formula("Char.Style"), "2");
    EXPECT_TRUE(fileOf(*document) == original) << "every other cell back as well";
}

TEST_F(ConsistencyCheckerTest, OtherRunRequestsAreLeftToTheOtherTools) {
    env.startTools();
    EXPECT_FALSE(checker().onCommand("ccstartbutton"));
    EXPECT_FALSE(checker().onCommand("CCStartButton "));
    EXPECT_FALSE(checker().onCommand("PNSButton"));
    EXPECT_TRUE(checker().onCommand("CCStopButton")) << "answered, though nothing runs";
    EXPECT_TRUE(env.takeMarkers().empty());
}

// --- The simulator's gate

class PetriNetGateTest : public ConsistencyCheckerTest {
protected:
    PetriNetGateTest() { simulatorCells.addUnique(visio::visSectionObject, visio::visRowFill, 0); }
    bool gate() {
        return checker().isConsistentPetriNet(visio::VShapes(env.activePage().Shapes()),
                                              {{1, &simulatorCells}});
    }
    DiagramTypeHolder& holder() { return *env.controller->diagramTypeHolder(); }

    CellAddressTable simulatorCells;
};

TEST_F(PetriNetGateTest, APageWithoutPetriNetShapesFailsAndMakesNoModel) {
    env.startTools();
    env.open("/drawings/block.vsd",
             [&](simhost::Page& page) { dropSmallBlockDiagram(env.host, page); });
    const uint64_t batches = env.batchWrites();
    EXPECT_FALSE(gate());
    EXPECT_EQ(holder().getActive(), nullptr);
    EXPECT_EQ(env.batchWrites(), batches);
}

TEST_F(PetriNetGateTest, AConsistentNetPassesAndItsModelStaysForTheSimulator) {
    openNet();
    const uint64_t batches = env.batchWrites();
    EXPECT_TRUE(gate());
    EXPECT_TRUE(holder().isPetriNet());
    ASSERT_NE(holder().getActive(), nullptr);
    EXPECT_EQ(holder().getActive()->getCount(), 1);
    ASSERT_NE(holder().getSavedFormulaIndex(), nullptr);
    EXPECT_EQ(holder().getSavedFormulaIndex()->getRecordCount(1), 1)
        << "only the simulator's cells are saved";
    EXPECT_EQ(env.batchWrites(), batches) << "nothing is painted";
    EXPECT_EQ(fileOf(*document), original);
    holder().deleteModel();
}

TEST_F(PetriNetGateTest, ANetWithAFindingFails) {
    openNet();
    env.host.unglue(*net.arc2, visio::visEnd);
    EXPECT_FALSE(gate());
    holder().deleteModel();
}

TEST_F(PetriNetGateTest, WhileCheckingTheGateLeavesTheCheckedModelAlone) {
    openNet();
    ASSERT_TRUE(env.press("CCStartButton"));
    GEElementSet* checked = holder().getActive();
    EXPECT_FALSE(gate());
    EXPECT_EQ(holder().getActive(), checked);
    ASSERT_TRUE(env.press("CCStopButton"));
    EXPECT_EQ(fileOf(*document), original);
}

}  // namespace
}  // namespace checkertest
