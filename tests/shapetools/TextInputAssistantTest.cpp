// The text input assistant as a user meets it: prompts that follow the selection, boxes
// opened from the action menu, copies, the text tool, and the hide cell around saves and
// its repair.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/visio/VisioConstants.h"
#include "shapetools/TextInputAssistant.h"
#include "simhost/host/Document.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/ShapeSpec.h"
#include "simhost/stencil/PetriStencil.h"
#include "tests/shapetools/ShapeToolsTestHost.h"

namespace shapetooltest {
namespace {

using simhost::Shape;

constexpr char kHideCell[] = "User.HideInputBoxes";

class TextInputAssistantTest : public ::testing::Test {
protected:
    void SetUp() override {
        tools.startTools();
        tools.newPage();
        place = dropPlace(1);
        transition = simhost::stencil::dropTransition(tools.activePage(), at(4, 2));
        tools.host.pump();
    }

    // A place with its marking and capacity in boxes, all three boxes empty; its edit
    // rows are 0 (name), 1 (tokens) and 2 (capacity).
    ShapeRef dropPlace(double x, const std::map<std::string, std::string>& cells = {}) {
        auto options = at(x, 2);
        options.markingIn = options.capacityIn = simhost::stencil::ValueIn::TextBox;
        options.marking.clear();
        options.cells = cells;
        ShapeRef shape = simhost::stencil::dropPlace(tools.activePage(), options);
        tools.host.pump();
        return shape;
    }
    // Box n (1 name, 2 tokens, 3 capacity) of a place.
    static Shape& box(const ShapeRef& shape, int n) {
        return *shape->memberList()[static_cast<size_t>(n)];
    }
    static std::string texts(const ShapeRef& shape) {
        return box(shape, 1).text() + "|" + box(shape, 2).text() + "|" + box(shape, 3).text();
    }
    void select(std::vector<Shape*> shapes) { tools.host.selectOnly(shapes); }
    uint64_t textWrites() { return tools.host.counters().textWrites; }
    TextInputAssistant& assistant() { return *tools.assistant(); }

    ShapeToolsTestHost tools;
    ShapeRef place;
    ShapeRef transition;
};

TEST_F(TextInputAssistantTest, PromptsFollowTheSelection) {
    const std::string ownSize = box(place, 2).formula("Char.Size");
    // Prompts are display only: the drawing stays saved while they come and go.
    simhost::Document& document = *tools.host.application().activeDocument();
    document.SetSaved(true);
    select({place.get()});
    EXPECT_EQ(texts(place), "Name|Tokens|Capacity");
    EXPECT_EQ(box(place, 2).formula("Char.Color"), "18");
    EXPECT_EQ(box(place, 2).formula("Char.Size"), "8 pt");
    EXPECT_TRUE(assistant().arePromptsActive());

    // A box of the place keeps the prompts; the place again takes them out and writes
    // them anew, since the box was the selection before.
    select({&box(place, 2)});
    EXPECT_EQ(texts(place), "Name|Tokens|Capacity");
    EXPECT_TRUE(assistant().arePromptsActive());
    const uint64_t writes = textWrites();
    select({place.get()});
    EXPECT_EQ(texts(place), "Name|Tokens|Capacity");
    EXPECT_EQ(textWrites() - writes, 6u);

    // Two shapes: none shows prompts, and the boxes have their own format back.
    select({place.get(), transition.get()});
    EXPECT_EQ(texts(place), "||");
    EXPECT_EQ(box(place, 2).formula("Char.Size"), ownSize);
    EXPECT_FALSE(assistant().arePromptsActive());
    EXPECT_TRUE(document.isSaved());
    // Alone now, but it was part of the selection before: no prompts.
    select({place.get()});
    EXPECT_EQ(texts(place), "||");

    // Text of the user's that reads like the prompt stays the user's, in the user's
    // format.
    select({transition.get()});
    tools.host.setText(box(place, 2), "Tokens");
    const std::string ownColor = box(place, 2).formula("Char.Color");
    select({place.get()});
    EXPECT_EQ(texts(place), "Name|Tokens|Capacity");
    EXPECT_EQ(box(place, 2).formula("Char.Color"), ownColor);
    select({transition.get()});
    EXPECT_EQ(texts(place), "|Tokens|");
}

// A shape of the same ID in another drawing is another shape: selected after the first,
// it shows its prompts.
TEST_F(TextInputAssistantTest, AShapeOfTheSameIDElsewhereShowsItsPrompts) {
    select({place.get()});
    tools.newPage();
    ShapeRef other = dropPlace(1);
    ASSERT_EQ(other->id(), place->id());
    select({other.get()});
    EXPECT_EQ(texts(other), "Name|Tokens|Capacity");
}

// The boxes are the ones the prompts went into, wherever a member deleted meanwhile
// moved them among the shape's members; a deleted box is left alone.
TEST_F(TextInputAssistantTest, PromptsComeOutOfTheBoxesTheyWentInto) {
    const std::string ownColor = box(place, 1).formula("Char.Color");
    select({place.get()});
    tools.host.deleteShape(box(place, 3));
    tools.host.deleteShape(*place->memberList()[0]);
    select({transition.get()});
    EXPECT_EQ(place->memberList().size(), 2u);
    EXPECT_EQ(box(place, 0).text() + "|" + box(place, 1).text(), "|");
    EXPECT_EQ(box(place, 0).formula("Char.Color"), ownColor);
}

TEST_F(TextInputAssistantTest, TheBoxCountSaysHowManyBoxesShowPrompts) {
    ShapeRef none = dropPlace(6, {{"User.TIA_NumberOfTextBoxes", "0"}});
    ShapeRef two = dropPlace(8, {{"User.TIA_NumberOfTextBoxes", "2.5"}});
    // A count far beyond the boxes the shape describes ends at the last of them.
    ShapeRef huge = dropPlace(10, {{"User.TIA_NumberOfTextBoxes", "1e9"}});
    select({none.get()});
    EXPECT_EQ(texts(none), "||");
    select({two.get()});
    EXPECT_EQ(texts(two), "Name|Tokens|");
    select({huge.get()});
    EXPECT_EQ(texts(huge), "Name|Tokens|Capacity");
    select({transition.get()});
    EXPECT_EQ(texts(two), "||");
    EXPECT_EQ(texts(huge), "||");
}

TEST_F(TextInputAssistantTest, TheActionMenuOpensABoxForTyping) {
    const std::string ownColor = box(place, 2).formula("Char.Color");
    select({place.get()});
    ASSERT_TRUE(tools.host.runAction(*place, 1));  // "Edit tokens"
    // The box is sub-selected, its text open: it shows its own format, the prompt stays.
    EXPECT_EQ(box(place, 2).text(), "Tokens");
    EXPECT_EQ(box(place, 2).formula("Char.Color"), ownColor);
    EXPECT_EQ(box(place, 1).formula("Char.Color"), "18");
    ASSERT_TRUE(tools.host.typeText("3"));
    select({transition.get()});
    EXPECT_EQ(texts(place), "|3|");

    // Run strings that name no box open none; another tool's command is not this one's.
    const auto& commands = tools.host.application().log().commands;
    const size_t ran = commands.size();
    const std::string shape = " Sheet." + std::to_string(place->id());
    EXPECT_TRUE(tools.controller->offerCommand("SINK=TIA"));
    EXPECT_TRUE(tools.controller->offerCommand("SINK=TIA" + shape));
    EXPECT_TRUE(tools.controller->offerCommand("SINK=TIAX" + shape + " TBIndex=9"));
    EXPECT_EQ(commands.size(), ran);
    EXPECT_FALSE(assistant().onCommand("SINK=ALA" + shape + " TBIndex=2"));
}

TEST_F(TextInputAssistantTest, TheTextToolLeavesPromptTextAlone) {
    tools.host.queueScopeEvent(1227, "0;Text Tool;0");
    tools.host.pump();
    EXPECT_TRUE(assistant().isPromptTextSuppressed());
    select({place.get()});
    EXPECT_EQ(texts(place), "||");
    EXPECT_TRUE(assistant().arePromptsActive());
    tools.host.queueScopeEvent(1229, "0;Other;0");
    tools.host.queueEvent(visio::visEvtCodeEnterScope, nullptr, std::string("1219 without end"));
    tools.host.pump();
    EXPECT_TRUE(assistant().isPromptTextSuppressed());
    tools.host.queueScopeEvent(1219, "0;Pointer Tool;0");
    tools.host.pump();
    EXPECT_FALSE(assistant().isPromptTextSuppressed());
}

TEST_F(TextInputAssistantTest, OnlyADrawingWindowsSelectionCounts) {
    tools.host.application().activeWindow()->setKind(visio::visDrawing, 64);
    select({place.get()});
    EXPECT_EQ(texts(place), "||");
    tools.host.application().activeWindow()->setKind(visio::visDrawing, visio::visPageWin);
    select({transition.get()});
    select({place.get()});
    EXPECT_EQ(texts(place), "Name|Tokens|Capacity");
}

// A copy, duplicated or pasted (also once the prompts have gone), loses the prompts it
// carries and gets the user's formats beneath them; the user's own text stays, even
// where it reads like the prompt. So also while the checker runs, which guards the cells
// of every shape added.
class CopiesWhileCheckingTest : public TextInputAssistantTest,
                                public ::testing::WithParamInterface<bool> {};

TEST_P(CopiesWhileCheckingTest, ACopyLosesThePromptsItCarries) {
    if (GetParam()) {
        ASSERT_TRUE(tools.press("CCStartButton"));
    }
    const auto format = [](Shape& box) {
        return std::to_string(box.CellExistsU("Char.Color", 1)) + " " + box.formula("Char.Size") +
               " " + std::to_string(box.CellExistsU("Char.Size", 1));
    };
    // Inherited from the master.
    const std::string own = format(box(place, 2));
    tools.host.setText(box(place, 3), "Capacity");
    const auto selected = [&]() {
        return ShapeRef(tools.host.application().activeWindow()->selection().reported(0).at(0));
    };
    const auto ownFormat = [&](const ShapeRef& shape) {
        for (int n = 1; n <= 3; ++n) EXPECT_EQ(format(box(shape, n)), own);
    };
    select({place.get()});
    ASSERT_TRUE(tools.host.copySelection());
    ASSERT_TRUE(tools.host.duplicateSelection());
    ShapeRef copy = selected();
    ASSERT_NE(copy.get(), place.get());
    // Selected, the copy shows prompts of its own.
    EXPECT_EQ(texts(copy), "Name|Tokens|Capacity");
    select({transition.get()});
    ASSERT_TRUE(tools.host.paste());
    ShapeRef pasted = selected();
    select({transition.get()});
    for (const ShapeRef& shape : {place, copy, pasted}) {
        EXPECT_EQ(texts(shape), "||Capacity");
        ownFormat(shape);
    }
}

INSTANTIATE_TEST_SUITE_P(CheckerRuns, CopiesWhileCheckingTest, ::testing::Bool());

// What the user's boxes hold comes back as it was: a format inherited from the master
// inherits again, a shape added elsewhere leaves the shown prompts the assistant's, and
// text typed over a prompt unseen is saved in the box's own format.
TEST_F(TextInputAssistantTest, TheBoxesKeepTheUsersFormats) {
    Shape& tokens = box(place, 2);
    ASSERT_EQ(tokens.CellExistsU("Char.Size", 1), 0);
    select({place.get()});
    simhost::stencil::dropTransition(tools.activePage(), at(6, 2));
    tools.host.pump();
    EXPECT_EQ(texts(place), "Name|Tokens|Capacity");
    select({transition.get()});
    EXPECT_EQ(texts(place), "||");
    EXPECT_EQ(tokens.CellExistsU("Char.Size", 1), 0);
    EXPECT_EQ(tokens.CellExistsU("Char.Font", 1), 0);

    std::string stored;
    tools.host.application().hooks().saveDocument = [&](simhost::Document&) {
        stored = tokens.text() + " " + tokens.formula("Char.Color");
        return true;
    };
    const std::string ownColor = tokens.formula("Char.Color");
    select({place.get()});
    tools.host.setText(tokens, "5");
    tools.host.saveDocument(*tools.host.application().activeDocument());
    EXPECT_EQ(stored, "5 " + ownColor);
}

// Prompts are display only: no file holds them, whichever save writes it (Save As, Save,
// a save a tool starts with Visio's command), and they show again afterwards, the
// document counting as saved.
TEST_F(TextInputAssistantTest, NoSavedFileHoldsThePromptsItShows) {
    simhost::Document& document = *tools.host.application().activeDocument();
    std::vector<std::string> stored;
    tools.host.application().hooks().saveDocument = [&](simhost::Document&) {
        stored.push_back(texts(place) + " " + box(place, 2).formula("Char.Color"));
        return true;
    };
    const std::string own = "|| " + box(place, 2).formula("Char.Color");
    select({place.get()});
    tools.host.saveDocumentAs(document, "/drawings/net.vsd");
    tools.host.saveDocument(document);
    tools.host.application().DoCmd(visio::visCmdFileSave);
    EXPECT_EQ(stored, std::vector<std::string>(3, own));
    EXPECT_EQ(texts(place), "Name|Tokens|Capacity");
    EXPECT_EQ(box(place, 2).formula("Char.Color"), "18");
    EXPECT_TRUE(document.isSaved());

    // A save that never reports back (it failed, or it was a page export, which Visio
    // announces as a save): the prompts come back when Visio is idle, and the change
    // made before stays unsaved.
    tools.host.setText(*transition, "t1");
    tools.host.queueEvent(visio::visEvtCodeBefDocSaveAs, visio::ObjectRef(&document));
    tools.host.application().events().deliverPending();
    EXPECT_EQ(texts(place), "||");
    tools.host.pump();
    EXPECT_EQ(texts(place), "Name|Tokens|Capacity");
    EXPECT_FALSE(document.isSaved());
    // The selection moves on: the prompts go as ever.
    select({transition.get()});
    EXPECT_EQ(texts(place), "||");
}

// --- The hide cell

class HideCellTest : public ::testing::Test {
protected:
    void SetUp() override {
        tools.host.application().hooks().saveDocument = [this](simhost::Document& d) {
            stored.push_back(d.documentSheet()->formula(kHideCell));
            return true;
        };
    }
    static std::function<void(simhost::Document&)> storedWith(const char* formula) {
        return [formula](simhost::Document& d) { d.documentSheet()->setCell(kHideCell, formula); };
    }
    static std::string hideCell(simhost::Document& d) {
        return d.documentSheet()->formula(kHideCell);
    }
    const std::vector<int16_t>& commands() { return tools.host.application().log().commands; }

    ShapeToolsTestHost tools;
    // The hide cell of each file written, in order.
    std::vector<std::string> stored;
};

TEST_F(HideCellTest, AFileHoldsFalseWhileTheDocumentKeepsTrue) {
    tools.startTools();
    auto document = tools.host.newDocument("Net", storedWith("FALSE"));
    EXPECT_EQ(hideCell(*document), "TRUE");
    EXPECT_TRUE(document->isSaved());
    // The cell it set itself is no reason to ask at the next idle event.
    EXPECT_TRUE(tools.boxTexts().empty());
    tools.host.saveDocumentAs(*document, "/drawings/net.vsd");
    EXPECT_EQ(stored, std::vector<std::string>{"FALSE"});
    EXPECT_EQ(hideCell(*document), "TRUE");
    EXPECT_TRUE(document->isSaved());

    // A save that never ends is mended at the next idle event.
    tools.host.queueEvent(visio::visEvtCodeBefDocSave, visio::ObjectRef(document.get()));
    tools.host.application().events().deliverPending();
    EXPECT_EQ(hideCell(*document), "FALSE");
    tools.host.pump();
    EXPECT_EQ(hideCell(*document), "TRUE");
    EXPECT_TRUE(document->isSaved());

    // 0x8008 sets the cell without counting it as saved.
    document->documentSheet()->setCell(kHideCell, "FALSE");
    tools.host.queueEvent(visio::visEvtCodeStyleAdded, nullptr);
    tools.host.pump();
    EXPECT_EQ(hideCell(*document), "TRUE");
    EXPECT_FALSE(document->isSaved());
}

// A document created with the cell set is asked about when it is created, and not again
// at the idle event that would ask about the document open when the tools started.
TEST_F(HideCellTest, ACreatedDocumentIsAskedAboutOnce) {
    tools.startTools();
    tools.backend.answerMessageBoxByNumber(2);
    auto document = tools.host.newDocument("Copy", storedWith("TRUE"));
    tools.host.pump();
    EXPECT_EQ(tools.boxTexts(), std::vector<std::string>{TextInputAssistant::kRepairQuestion});
    EXPECT_EQ(hideCell(*document), "TRUE");
}

TEST_F(HideCellTest, ADocumentWithoutTheCellGetsNoWrites) {
    tools.startTools();
    auto document = tools.host.newDocument("Plain");
    tools.host.saveDocumentAs(*document, "/drawings/plain.vsd");
    tools.host.queueEvent(visio::visEvtCodeStyleAdded, nullptr);
    tools.host.pump();
    EXPECT_FALSE(document->documentSheet()->sheet().resolve(kHideCell));
    EXPECT_TRUE(document->isSaved());
    EXPECT_TRUE(tools.boxTexts().empty());
}

// The cell is no change of the user's, and unmakes none: what the user changed before
// the check (in a document open before the tools started) stays to be saved.
TEST_F(HideCellTest, TheRepairCheckKeepsChangesUnsaved) {
    tools.startTools();
    auto document = tools.host.openDocument("/drawings/a.vsd", storedWith("FALSE"));
    tools.host.setText(
        *tools.host.addShape(*document->page(1), simhost::ShapeSpec::box(1, 1, 1, 1)), "mine");
    document->documentSheet()->setCell(kHideCell, "FALSE");
    ASSERT_FALSE(document->isSaved());
    tools.assistant()->repairCheck(
        visio::VDocument(visio::ComRef<visio::IVDocument>(document.get())), visio::visCmdFileSave);
    EXPECT_EQ(hideCell(*document), "TRUE");
    EXPECT_FALSE(document->isSaved());
}

TEST_F(HideCellTest, AFileStoredWithTheCellSetIsRepairedOnYes) {
    // Open before the tools exist (the window's idle event creates them): asked at the
    // idle event after that.
    tools.backend.answerMessageBoxByNumber(1);
    auto first = tools.host.openDocument("/drawings/a.vsd", storedWith("TRUE"));
    ASSERT_NE(tools.assistant(), nullptr);
    EXPECT_TRUE(tools.boxTexts().empty());
    tools.host.pump();
    ASSERT_EQ(tools.boxTexts(), std::vector<std::string>{TextInputAssistant::kRepairQuestion});
    EXPECT_EQ(tools.backend.messageBoxes().back().caption, "QAV Tools 2.1.1");
    EXPECT_EQ(commands().back(), visio::visCmdFileSave);
    EXPECT_EQ(stored, std::vector<std::string>{"FALSE"});
    EXPECT_EQ(hideCell(*first), "TRUE");
    EXPECT_TRUE(first->isSaved());

    // No: nothing is saved, the file keeps its value, the document counts as saved.
    tools.backend.answerMessageBoxByNumber(2);
    auto second = tools.host.openDocument("/drawings/b.vsd", storedWith("1"));
    EXPECT_EQ(tools.boxTexts().size(), 2u);
    EXPECT_EQ(stored.size(), 1u);
    EXPECT_EQ(hideCell(*second), "TRUE");
    EXPECT_TRUE(second->isSaved());

    // A new document made from such a file is saved under a new name.
    tools.backend.answerMessageBoxByNumber(1);
    tools.host.newDocument("Copy", storedWith("TRUE"));
    EXPECT_EQ(tools.boxTexts().size(), 3u);
    EXPECT_EQ(commands().back(), visio::visCmdFileSaveAs);
    EXPECT_EQ(stored.back(), "FALSE");
}

}  // namespace
}  // namespace shapetooltest
