// The title block and the frame on the background page: the page made and put behind
// the others, the block moved there, the menu rows and the guards that hide the parts,
// new and changed pages, and the background's removal.
#include <gtest/gtest.h>

#include "shapetools/TitleBlockFormulas.h"
#include "simhost/host/Document.h"
#include "simhost/render/SceneBuilder.h"
#include "tests/shapetools/TitleBlockTestHost.h"

namespace titleblocktest {
namespace {

using simhost::Page;
using simhost::Shape;

std::vector<std::string> pageNames(simhost::Document& document) {
    std::vector<std::string> names;
    for (Page* page : document.pageList()) names.push_back(page->name());
    return names;
}

int menuRows(Page& page) {
    return page.pageSheet()->sheet().rowCount(240);
}

// The texts drawn on the page's picture, its background page's first.
std::vector<std::string> drawnTexts(Page& page) {
    std::vector<std::string> texts;
    auto scene = simhost::render::SceneBuilder::build(page, nullptr);
    if (!scene) return texts;
    for (const auto& shape : scene->shapes)
        if (shape.text)
            for (const auto& line : shape.text->lines) texts.push_back(line);
    return texts;
}

bool drawn(Page& page, const std::string& text) {
    auto texts = drawnTexts(page);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(TitleBlockBackground, ABlockDroppedOnTheBackgroundPageStaysWhereItIs) {
    TitleBlockTestHost env({"Page-1", "Background"});
    env.page("Background").setBackgroundQuietly(true);
    env.show("Background");
    auto block = env.dropTitleBlock();
    ASSERT_TRUE(env.run("SINK=TITLEB Sheet." + std::to_string(block->id())));
    EXPECT_FALSE(block->isDeleted());
    EXPECT_EQ(env.page("Background").allShapes().size(), 17u);
    EXPECT_EQ(block->formula("PinY"), "5 mm");
    EXPECT_EQ(menuRows(env.page("Background")), 2);
    EXPECT_NE(part(*block, 3)->formula("HideText").find("GUARD("), std::string::npos);
}

TEST(TitleBlockBackground, TickingAMenuRowHidesExactlyThePartsItsGuardsName) {
    TitleBlockTestHost env({"Page-1"}, ";");
    auto frame = env.dropFrame();
    ASSERT_TRUE(env.run("SINK=FBLOCK Sheet." + std::to_string(frame->id())));
    Page& background = env.page("Background");
    Page& front = env.page("Page-1");
    Shape* moved = background.findShapeByName("frame & title block");
    ASSERT_NE(moved, nullptr);
    Shape* block = part(*moved, 4);
    EXPECT_EQ(part(*moved, 3)->formula("Geometry1.NoShow"),
              "GUARD(OR(ThePage!Actions.Checked;ThePage!Actions.Checked[2]))");
    EXPECT_EQ(menuRows(background), 4);

    // Which parts hide for each ticked row: the frame's for rows 1 and 2, the block's for
    // rows 1 and 3; the block's label "Project" and the frame's text "Drawing" show it.
    struct Tick {
        int row;
        bool frameHidden;
        bool blockHidden;
    };
    for (const Tick& tick : {Tick{1, true, true}, Tick{2, true, false}, Tick{3, false, true}}) {
        SCOPED_TRACE(tick.row);
        ASSERT_TRUE(env.pick(*background.pageSheet(), tick.row));
        EXPECT_EQ(part(*moved, 1)->number("HideText") != 0, tick.frameHidden);
        EXPECT_EQ(part(*moved, 3)->number("Geometry1.NoShow") != 0, tick.frameHidden);
        EXPECT_EQ(part(*block, 3)->number("HideText") != 0, tick.blockHidden);
        EXPECT_EQ(part(*part(*block, 15), 1)->number("Geometry1.NoShow") != 0, tick.blockHidden);
        EXPECT_EQ(drawn(front, "Drawing"), !tick.frameHidden);
        EXPECT_EQ(drawn(front, "Project"), !tick.blockHidden);
        ASSERT_TRUE(env.pick(*background.pageSheet(), tick.row));  // untick
        EXPECT_TRUE(drawn(front, "Drawing") && drawn(front, "Project"));
    }

    // A title block afterwards keeps the frame's menu, whose rows the frame's guards
    // name, and hides with "Hide Title Block" like the frame's own block.
    env.show("Page-1");
    auto other = env.dropTitleBlock();
    ASSERT_TRUE(env.run("SINK=TITLEB Sheet." + std::to_string(other->id())));
    EXPECT_EQ(menuRows(background), 4);
    Shape* standalone = background.findShapeByName("title block");
    ASSERT_NE(standalone, nullptr);
    for (const Tick& tick : {Tick{2, true, false}, Tick{3, false, true}}) {
        SCOPED_TRACE(tick.row);
        ASSERT_TRUE(env.pick(*background.pageSheet(), tick.row));
        EXPECT_EQ(part(*moved, 3)->number("Geometry1.NoShow") != 0, tick.frameHidden);
        EXPECT_EQ(part(*block, 3)->number("HideText") != 0, tick.blockHidden);
        EXPECT_EQ(part(*standalone, 3)->number("HideText") != 0, tick.blockHidden);
        ASSERT_TRUE(env.pick(*background.pageSheet(), tick.row));  // untick
    }
}

// The other order: a frame after a title block gives the page the frame's menu, and
// "Hide Title Block" hides the block that was there before as well.
TEST(TitleBlockBackground, AFrameAfterATitleBlockHidesBothBlocksWithItsMenu) {
    TitleBlockTestHost env;
    auto block = env.dropTitleBlock();
    ASSERT_TRUE(env.run("SINK=TITLEB Sheet." + std::to_string(block->id())));
    auto frame = env.dropFrame();
    ASSERT_TRUE(env.run("SINK=FBLOCK Sheet." + std::to_string(frame->id())));
    Page& background = env.page("Background");
    EXPECT_EQ(menuRows(background), 4);
    Shape* standalone = background.findShapeByName("title block");
    ASSERT_NE(standalone, nullptr);
    ASSERT_TRUE(env.pick(*background.pageSheet(), 3));
    EXPECT_NE(part(*standalone, 3)->number("HideText"), 0);
    EXPECT_FALSE(drawn(env.page("Page-1"), "Project"));
    EXPECT_TRUE(drawn(env.page("Page-1"), "Drawing"));
}

// A block hidden from the menu stays hidden when a second block or a frame rebuilds the
// menu: "Hide Title Block" stays ticked wherever the new menu has it. A row the user added
// to the menu stays too, with its tick, after the tool's rows whose numbers the guards name.
TEST(TitleBlockBackground, TheUsersTicksAndRowsOutliveARebuiltMenu) {
    TitleBlockTestHost env;
    auto block = env.dropTitleBlock();
    ASSERT_TRUE(env.run("SINK=TITLEB Sheet." + std::to_string(block->id())));
    Page& background = env.page("Background");
    Shape& sheet = *background.pageSheet();
    ASSERT_TRUE(env.pick(sheet, 1));
    sheet.AddRow(240, 2, 0);
    env.host.setFormula(sheet, "Actions.Menu[3]", "\"Print Notes\"");
    env.host.setFormula(sheet, "Actions.Checked[3]", "1");
    Shape* first = background.findShapeByName("title block");
    ASSERT_NE(first, nullptr);
    auto second = env.dropTitleBlock();
    ASSERT_TRUE(env.run("SINK=TITLEB Sheet." + std::to_string(second->id())));
    EXPECT_NE(part(*first, 3)->number("HideText"), 0);
    EXPECT_EQ(sheet.formula("Actions.Menu[3]"), "\"Print Notes\"");
    auto frame = env.dropFrame();
    ASSERT_TRUE(env.run("SINK=FBLOCK Sheet." + std::to_string(frame->id())));
    EXPECT_NE(part(*first, 3)->number("HideText"), 0);
    EXPECT_TRUE(drawn(env.page("Page-1"), "Drawing"));
    EXPECT_EQ(menuRows(background), 5);
    EXPECT_EQ(sheet.formula("Actions.Menu[3]"), "\"Hide Title Block\"");
    EXPECT_EQ(sheet.formula("Actions.Menu[5]"), "\"Print Notes\"");
    EXPECT_EQ(sheet.formula("Actions.Checked[5]"), "1");
}

// A drawing whose menu was written under another list separator: the tool's rows are
// still the tool's, rewritten once, and what they hid stays hidden.
TEST(TitleBlockBackground, AMenuWrittenUnderAnotherSeparatorIsRebuiltWithItsTicks) {
    TitleBlockTestHost env({"Page-1", "Background"}, ";");
    Page& background = env.page("Background");
    background.setBackgroundQuietly(true);
    Shape& sheet = *background.pageSheet();
    const auto written = titleblock::titleBlockPageMenu(",");
    for (int row = 1; row <= 2; ++row) {
        sheet.AddRow(240, static_cast<int16_t>(row - 1), 0);
        env.host.setFormula(sheet, titleblock::actionCell("Action", row), written[row - 1].action);
        env.host.setFormula(sheet, titleblock::actionCell("Menu", row), written[row - 1].label);
    }
    env.host.setFormula(sheet, "Actions.Checked", "TRUE");
    auto frame = env.dropFrame();
    ASSERT_TRUE(env.run("SINK=FBLOCK Sheet." + std::to_string(frame->id())));
    EXPECT_EQ(menuRows(background), 4);
    EXPECT_EQ(sheet.formula("Actions.Checked[3]"), "TRUE");
}

// Pages added after the background page exists, and size changes, are played in the
// session titleblock.qav.
TEST(TitleBlockBackground, APageAddedBeforeTheBackgroundOnlyTakesTheGrid) {
    TitleBlockTestHost env;
    auto early = env.host.addPage(env.document(), "Early");
    EXPECT_EQ(early->pageSheet()->formula("XGridDensity"), "0 mm");
    EXPECT_EQ(early->pageSheet()->formula("YRulerDensity"), "16");
    EXPECT_EQ(early->backPage(), nullptr);

    // Later the background page takes the first page's scale too, and stands behind it.
    env.host.setFormula(*env.page("Page-1").pageSheet(), "DrawingScaleType", "3");
    auto block = env.dropTitleBlock();
    env.run("SINK=TITLEB Sheet." + std::to_string(block->id()));
    EXPECT_EQ(early->backPage(), &env.page("Background"));
    EXPECT_EQ(env.page("Background").pageSheet()->formula("DrawingScaleType"), "3");
}

// A drawing not shown keeps to its own background page: a page added to it goes behind
// it, and it takes that drawing's first page's size. The shown drawing has none.
TEST(TitleBlockBackground, AnotherDrawingsPagesKeepToThatDrawingsBackground) {
    TitleBlockTestHost env;
    simhost::Window& shown = env.window();
    auto other = env.host.newDocument("Other.vsd", [](simhost::Document& d) {
        d.addPage("Background")->setBackgroundQuietly(true);
    });
    env.host.activateWindow(shown);
    auto added = env.host.addPage(*other, "Added");
    EXPECT_EQ(added->backPage(), other->pageNamed("Background"));
    env.host.setFormula(*other->page(1)->pageSheet(), "PageWidth", "11 in");
    EXPECT_EQ(other->pageNamed("Background")->pageSheet()->formula("PageWidth"), "11 in");
}

TEST(TitleBlockBackground, RemovingTheBackgroundDetachesAtOnceAndDeletesWhenIdle) {
    TitleBlockTestHost env({"Page-1", "Page-2"});
    auto block = env.dropTitleBlock();
    env.run("SINK=TITLEB Sheet." + std::to_string(block->id()));
    env.show("Background");
    Page& background = env.page("Background");
    visio::ComRef<Page> keep(&background);

    // The menu row sends "SINK=DELBGR" without "Sheet."; the page stays until Visio is idle.
    env.host.application().hooks().runAddon = nullptr;
    EXPECT_TRUE(env.component().onCommand("SINK=DELBGR"));
    EXPECT_EQ(env.page("Page-1").backPage(), nullptr);
    EXPECT_EQ(env.page("Page-2").backPage(), nullptr);
    EXPECT_FALSE(background.isDeleted());
    EXPECT_TRUE(env.component().isDeletePending());
    env.idle();
    EXPECT_TRUE(background.isDeleted());
    EXPECT_FALSE(env.component().isDeletePending());
    EXPECT_EQ(pageNames(env.document()), (std::vector<std::string>{"Page-1", "Page-2"}));
}

// A foreground page of the user's named "Background" is never the tool's: the tool makes
// its background page under a free name, recognises it later by its menu, and removes
// only that page, whichever page is shown when Visio gets idle.
TEST(TitleBlockBackground, AForegroundPageNamedBackgroundIsNeverTheToolsPage) {
    TitleBlockTestHost env({"Page-1", "Background"});
    env.show("Background");
    auto net = env.dropTitleBlock();  // the user's drawing on that page
    const size_t userShapes = env.page("Background").allShapes().size();
    env.show("Page-1");
    auto block = env.dropTitleBlock();
    ASSERT_TRUE(env.run("SINK=TITLEB Sheet." + std::to_string(block->id())));
    EXPECT_EQ(pageNames(env.document()),
              (std::vector<std::string>{"Page-1", "Background", "Background-2"}));
    ASSERT_NE(env.document().pageNamed("Background-2"), nullptr);
    Page& own = env.page("Background-2");
    EXPECT_TRUE(own.isBackground());
    EXPECT_EQ(own.allShapes().size(), 17u);
    EXPECT_EQ(env.page("Page-1").backPage(), &own);
    EXPECT_EQ(env.page("Background").backPage(), &own);
    EXPECT_EQ(menuRows(env.page("Background")), 0);

    // A second block goes to the same page; a page added stands in front of it.
    auto second = env.dropTitleBlock();
    ASSERT_TRUE(env.run("SINK=TITLEB Sheet." + std::to_string(second->id())));
    EXPECT_EQ(env.document().pageList().size(), 3u);
    EXPECT_EQ(own.allShapes().size(), 34u);
    auto added = env.host.addPage(env.document(), "Notes");
    EXPECT_EQ(added->backPage(), &own);

    // "_Remove Background", then the user turns to the page named "Background" before
    // Visio is idle: only the tool's page goes.
    env.show("Background-2");
    visio::ComRef<Page> keep(&own);
    ASSERT_TRUE(env.component().onCommand("SINK=DELBGR"));
    env.window().turnTo(env.page("Background"));
    env.idle();
    EXPECT_TRUE(keep->isDeleted());
    EXPECT_EQ(pageNames(env.document()),
              (std::vector<std::string>{"Page-1", "Background", "Notes"}));
    EXPECT_EQ(env.page("Background").allShapes().size(), userShapes);
    EXPECT_FALSE(net->isDeleted());

    // The command again while the user's page is shown, with no page of the tool's left:
    // nothing goes.
    ASSERT_TRUE(env.run("SINK=DELBGR"));
    env.idle();
    EXPECT_EQ(env.document().pageList().size(), 3u);
}

// A page the user put a background page behind keeps it: the tool's page goes behind
// the end of its chain, and its removal leaves the user's chain as it was, closed over
// the gap where the user put a page of their own behind the tool's.
TEST(TitleBlockBackground, TheUsersBackgroundPagesStayInFrontOfTheNewOne) {
    TitleBlockTestHost env({"Page-1", "Page-2", "Back", "Rear"});
    Page& back = env.page("Back");
    back.setBackgroundQuietly(true);
    Page& rear = env.page("Rear");
    rear.setBackgroundQuietly(true);
    env.page("Page-1").setBackPageQuietly(&back);
    env.show("Back");
    env.dropTitleBlock();  // the user's own drawing behind Page-1
    env.show("Page-2");
    auto block = env.dropTitleBlock();
    ASSERT_TRUE(env.run("SINK=TITLEB Sheet." + std::to_string(block->id())));
    Page& own = env.page("Background");
    EXPECT_EQ(env.page("Page-1").backPage(), &back);
    EXPECT_EQ(back.backPage(), &own);
    EXPECT_EQ(env.page("Page-2").backPage(), &own);
    EXPECT_EQ(drawnTexts(env.page("Page-1")).size(), 2 * drawnTexts(own).size());

    env.show("Background");
    own.setBackPageQuietly(&rear);
    ASSERT_TRUE(env.run("SINK=DELBGR"));
    EXPECT_EQ(env.page("Page-1").backPage(), &back);
    EXPECT_EQ(back.backPage(), &rear);
    EXPECT_EQ(env.page("Page-2").backPage(), &rear);
    EXPECT_EQ(rear.backPage(), nullptr);
}

TEST(TitleBlockBackground, APageNamedInAnotherCaseIsNoBackgroundPage) {
    TitleBlockTestHost env({"Page-1", "background"});
    Page& lower = env.page("background");
    lower.setBackgroundQuietly(true);
    env.page("Page-1").setBackPageQuietly(&lower);
    env.show("background");
    EXPECT_TRUE(env.run("SINK=DELBGR"));
    env.idle();
    EXPECT_FALSE(lower.isDeleted());
    EXPECT_EQ(env.page("Page-1").backPage(), &lower);
    EXPECT_FALSE(env.component().hasBackgroundPage());
}

}  // namespace
}  // namespace titleblocktest
