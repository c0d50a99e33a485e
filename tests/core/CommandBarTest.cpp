#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/CommandBarObject.h"
#include "core/CommandBarsAccess.h"
#include "core/ToolbarButton.h"
#include "platform/ui/WinApiConstants.h"
#include "simhost/addon/OfficeBarWindows.h"
#include "simhost/host/Toolbar.h"
#include "simhost/host/ToolbarItem.h"
#include "simhost/host/ToolbarItems.h"
#include "simhost/host/ToolbarSet.h"
#include "simhost/host/ToolbarSets.h"
#include "simhost/host/Toolbars.h"
#include "simhost/host/UIObject.h"
#include "tests/core/EntryTestHost.h"

namespace entrytest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kBarName[] = "QAV Tools 2.1.1";

class CommandBarTest : public ::testing::Test {
protected:
    CommandBarTest()
        : ui(simhost::UIObject::builtIn()),
          access(env.applicationWrapper(), visio::VUIObject(ui)) {}

    simhost::Toolbars& drawingBars() { return ui->sets().find(2)->toolbars(); }
    simhost::Toolbar& lastBar() { return *drawingBars().list().back(); }
    std::unique_ptr<CommandBarObject> namedBar() {
        auto bar = createCommandBarObject(access);
        bar->setName(kBarName);
        return bar;
    }
    std::vector<std::string> closedWindows() const {
        std::vector<std::string> closed;
        for (const auto& message : env.backend.closeMessages()) {
            ui::WindowHandle parent = env.backend.window(message.window)->parent;
            std::string where = parent ? env.backend.window(parent)->text : "floating";
            closed.push_back(where + ":" + message.title);
        }
        return closed;
    }

    EntryTestHost env;
    visio::ComRef<simhost::UIObject> ui;
    CommandBarsAccess access;
};

TEST_F(CommandBarTest, ANewBarIsAddedToTheDrawingWindowsToolbarSet) {
    int before = drawingBars().Count();
    auto bar = namedBar();
    ASSERT_EQ(drawingBars().Count(), before + 1);
    EXPECT_EQ(lastBar().properties().caption, kBarName);
    EXPECT_EQ(bar->name(), kBarName);
}

TEST_F(CommandBarTest, ABarWithoutUIObjectHoldsNoToolbarYetKeepsItsName) {
    auto bar = createCommandBarObject(CommandBarsAccess(env.applicationWrapper(), {}));
    ASSERT_NE(bar, nullptr);
    bar->setName(kBarName);
    bar->setPosition(4);
    bar->setShown(false);
    EXPECT_TRUE(bar->toolbar().isEmpty());
    EXPECT_EQ(bar->name(), kBarName);
    EXPECT_TRUE(getButtonControl(bar.get()).isEmpty());
    EXPECT_TRUE(getButtonControl(nullptr).isEmpty());
}

TEST_F(CommandBarTest, ProtectionAndPositionWithTheRowIndexAtTheEnd) {
    auto bar = namedBar();
    bar->setProtection(1);
    bar->setPosition(4);
    EXPECT_EQ(lastBar().properties().protection, 1);
    EXPECT_EQ(lastBar().properties().position, 4);
    EXPECT_EQ(lastBar().properties().rowIndex, -1);
    bar->setPosition(6);
    EXPECT_EQ(lastBar().properties().position, 6);
    EXPECT_EQ(lastBar().properties().rowIndex, -1);
}

TEST_F(CommandBarTest, TheDisplayFlagIsOffOnlyAtVersionValueEight) {
    auto bar = namedBar();
    env.application().setVersion(4, 8);
    bar->setShown(true);
    EXPECT_FALSE(lastBar().properties().enabled);
    EXPECT_TRUE(lastBar().properties().visible);
    env.application().setVersion(4, 11);
    bar->setShown(false);
    EXPECT_TRUE(lastBar().properties().enabled);
    EXPECT_FALSE(lastBar().properties().visible);
}

TEST_F(CommandBarTest, HidingClosesTheBarsWindowsFloatingThenTopBottomLeftRight) {
    simhost::OfficeBarWindows office(env.application(), env.backend);
    for (const char* dock : {"MsoDockLeft", "MsoDockRight", "MsoDockTop", "MsoDockBottom"}) {
        ui::WindowHandle area = env.backend.findChildWindow(office.mainWindow(), "", dock);
        env.backend.createWindow(area, "MsoCommandBar", kBarName);
        env.backend.createWindow(area, "MsoCommandBar", "Standard");
    }
    env.backend.createWindow({}, "MsoCommandBar", kBarName);
    env.backend.createWindow({}, "OtherClass", kBarName);
    for (int16_t version : {11, 5, 12}) {
        env.backend.clearRecords();
        auto bar = namedBar();
        env.application().setVersion(4, version);
        bar->setShown(false);
        EXPECT_THAT(closedWindows(), ElementsAre(std::string("floating:") + kBarName,
                                                 std::string("MsoDockTop:") + kBarName,
                                                 std::string("MsoDockBottom:") + kBarName,
                                                 std::string("MsoDockLeft:") + kBarName,
                                                 std::string("MsoDockRight:") + kBarName))
            << "version value " << version;
        EXPECT_EQ(bar->windows().topDock,
                  env.backend.findChildWindow(office.mainWindow(), "", "MsoDockTop"));
    }
}

TEST_F(CommandBarTest, AtVersionValueEightNoWindowIsSearchedOrClosed) {
    simhost::OfficeBarWindows office(env.application(), env.backend);
    env.backend.createWindow({}, "MsoCommandBar", kBarName);
    env.backend.createWindow(office.topDock(), "MsoCommandBar", kBarName);
    env.application().setVersion(4, 8);
    auto bar = namedBar();
    bar->setShown(false);
    EXPECT_THAT(env.backend.closeMessages(), IsEmpty());
    EXPECT_FALSE(bar->windows().floating);
    EXPECT_FALSE(bar->windows().barInTopDock);
}

TEST_F(CommandBarTest, ShowingClosesNothingAndMissingWindowsAreSkipped) {
    auto bar = namedBar();
    bar->setShown(true);
    EXPECT_THAT(env.backend.closeMessages(), IsEmpty());
    bar->setShown(false);  // no main window, no bar windows
    EXPECT_THAT(env.backend.closeMessages(), IsEmpty());
}

TEST_F(CommandBarTest, EveryCallAddsAButton) {
    auto bar = namedBar();
    visio::VToolbarItem first = getButtonControl(bar.get());
    visio::VToolbarItem second = getButtonControl(bar.get());
    EXPECT_FALSE(first.isSameObject(second));
    EXPECT_EQ(lastBar().items().Count(), 2);
}

TEST_F(CommandBarTest, DeletingTheBarRemovesEveryButtonAndTheBar) {
    int before = drawingBars().Count();
    auto bar = namedBar();
    std::vector<visio::VToolbarItem> buttons;
    for (int i = 0; i < 3; ++i) buttons.push_back(getButtonControl(bar.get()));
    visio::ComRef<simhost::Toolbar> toolbar(&lastBar());
    bar->deleteBar();
    EXPECT_EQ(toolbar->items().Count(), 0);
    EXPECT_TRUE(toolbar->isDeleted());
    EXPECT_EQ(drawingBars().Count(), before);
    for (const auto& button : buttons) EXPECT_EQ(button.TooltipText(), "");
    EXPECT_TRUE(bar->toolbar().isEmpty());
    bar->deleteBar();  // nothing left to do
}

TEST_F(CommandBarTest, DestroyingTheObjectDeletesTheBar) {
    int before = drawingBars().Count();
    {
        auto bar = namedBar();
        getButtonControl(bar.get());
    }
    EXPECT_EQ(drawingBars().Count(), before);
}

TEST_F(CommandBarTest, AButtonIsSetUpInFull) {
    auto bar = namedBar();
    ButtonLook look;
    look.tooltip = "Start Consistency Checker";
    look.tag = "CCStartButton";
    look.hasCaption = true;
    look.caption = "Consistency Check";
    look.secondDisplayValue = 3;
    look.iconNumber = buttonIcon::kCheckerStart;
    look.enabled = false;
    look.hasState = true;
    look.state = 0;
    setUpButton(getButtonControl(bar.get()), look);
    const simhost::ToolbarItemProperties& item = lastBar().items().list().back()->properties();
    EXPECT_EQ(item.tooltipText, "Start Consistency Checker");
    EXPECT_EQ(item.addOnName, "QAVSupportTools");
    EXPECT_EQ(item.addOnArgs, "CCStartButton");
    EXPECT_EQ(item.style, 2);
    EXPECT_EQ(item.caption, "Consistency Check");
    EXPECT_EQ(item.cntrlType, 1);
    EXPECT_EQ(item.priority, 3);
    EXPECT_TRUE(item.visible);
    EXPECT_EQ(item.iconFileName, "QAVSupportTools.vsl,0");
    EXPECT_FALSE(item.enabled);
    EXPECT_EQ(item.state, 0);
    setUpButton(visio::VToolbarItem(), look);  // an empty button is skipped
}

TEST_F(CommandBarTest, TheHelpFaceSelectsTheNinthIconGroup) {
    EXPECT_EQ(buttonFace(buttonIcon::kHelp), "QAVSupportTools.vsl,8");
    EXPECT_EQ(buttonFace(buttonIcon::kSimulator), "QAVSupportTools.vsl,9");
    EXPECT_EQ(buttonFace(buttonIcon::kPreferences), "QAVSupportTools.vsl,2");
}

TEST_F(CommandBarTest, AccessResetUpdatesTheUIObjectWhenItHasOne) {
    access.reset();
    EXPECT_EQ(ui->updateCount(), 1);
    CommandBarsAccess empty(env.applicationWrapper(), {});
    EXPECT_FALSE(empty.isSet());
    empty.reset();
    access.release();
    EXPECT_FALSE(access.isSet());
    EXPECT_FALSE(access.application().isEmpty());
    access.reset();
    EXPECT_EQ(ui->updateCount(), 1);
}

TEST_F(CommandBarTest, AccessFromApplicationCopiesTheUIObject) {
    CommandBarsAccess copy = access.fromApplication();
    ASSERT_TRUE(copy.isSet());
    EXPECT_FALSE(copy.uiObject().isSameObject(access.uiObject()));
    EXPECT_TRUE(copy.application().isSameObject(access.application()));
    auto bar = createCommandBarObject(copy);
    EXPECT_EQ(drawingBars().Count(), 1);  // the original keeps its one built-in bar
}

}  // namespace
}  // namespace entrytest
