#include "core/PreferencesTool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/AboutTool.h"
#include "core/MainController.h"
#include "core/PPPropertyPage.h"
#include "platform/ui/WinApiConstants.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/addon/OfficeBarWindows.h"
#include "simhost/host/Application.h"
#include "simhost/host/Document.h"
#include "simhost/host/Toolbar.h"
#include "simhost/host/ToolbarItem.h"
#include "simhost/host/ToolbarItems.h"
#include "simhost/host/ToolbarSet.h"
#include "simhost/host/ToolbarSets.h"
#include "simhost/host/Toolbars.h"
#include "simhost/host/UIObject.h"
#include "tests/core/PreferencesTestHost.h"

namespace prefstest {
namespace {

constexpr int32_t kDrawingSet = 2;
constexpr char kTitle[] = "QAV Tools 2.1.1";

class PreferencesToolTest : public ::testing::Test {
protected:
    PreferencesToolTest() : tool(env.application()) {}

    void registerAll() {
        tool.registerTool(&tool);
        tool.registerTool(&other);
    }
    simhost::UIObject* installed() { return env.host.application().customToolbars(); }
    // The add-on's bars in the installed custom toolbars.
    std::vector<simhost::Toolbar*> addonBars() {
        std::vector<simhost::Toolbar*> bars;
        simhost::UIObject* ui = installed();
        if (!ui) return bars;
        for (const auto& bar : ui->sets().find(kDrawingSet)->toolbars().list()) {
            if (bar->properties().caption == kTitle) bars.push_back(bar.get());
        }
        return bars;
    }
    // The one bar of the add-on; null when there is none or more than one.
    simhost::Toolbar* onlyBar() {
        std::vector<simhost::Toolbar*> bars = addonBars();
        return bars.size() == 1 ? bars.front() : nullptr;
    }
    std::vector<std::string> tags(simhost::Toolbar& bar) {
        std::vector<std::string> found;
        for (const auto& item : bar.items().list()) found.push_back(item->properties().addOnArgs);
        return found;
    }

    PreferencesTestHost env;
    PreferencesTool tool;
    SwitchTool other;
};

TEST_F(PreferencesToolTest, TheFirstBarIsBuiltInACopyOfTheBuiltInToolbarsAndInstalled) {
    registerAll();
    tool.updateCommandBar(true);
    ASSERT_NE(installed(), nullptr);
    EXPECT_NE(installed(), &env.host.application().builtInToolbars());
    for (const auto& builtIn :
         env.host.application().builtInToolbars().sets().find(kDrawingSet)->toolbars().list()) {
        EXPECT_NE(builtIn->properties().caption, kTitle) << "Visio's own stay untouched";
    }
    simhost::Toolbar* bar = onlyBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->properties().protection, 1);
    EXPECT_EQ(bar->properties().position, 4) << "floating without settings";
    EXPECT_EQ(bar->properties().rowIndex, -1);
    EXPECT_TRUE(bar->properties().visible);
    EXPECT_EQ(tags(*bar), (std::vector<std::string>{"PPPreferencePaneButton", "TTButton"}))
        << "a button per registered tool, in registration order";
    EXPECT_TRUE(other.accessWasSet) << "each tool is handed the tool's access";
}

TEST_F(PreferencesToolTest, TheBarJoinsTheUsersOwnToolbarsAndNeverADocumentsSet) {
    auto userBars = simhost::UIObject::builtIn();
    userBars->sets().find(kDrawingSet)->toolbars().add("Mine");
    env.host.application().SetCustomToolbars(userBars);
    auto document = env.host.newDocument();
    auto documentBars = simhost::UIObject::builtIn();
    documentBars->sets().find(kDrawingSet)->toolbars().add("The document's");
    document->setCustomToolbars(documentBars);
    registerAll();
    auto captions = [this]() {
        std::vector<std::string> found;
        for (const auto& bar : installed()->sets().find(kDrawingSet)->toolbars().list()) {
            found.push_back(bar->properties().caption);
        }
        return found;
    };
    for (bool first : {true, false}) {
        if (first) {
            tool.updateCommandBar(true);
        } else {
            tool.applySettings();
        }
        ASSERT_NE(installed(), nullptr);
        EXPECT_NE(installed(), documentBars.get());
        const std::vector<std::string> bars = captions();
        EXPECT_EQ(std::count(bars.begin(), bars.end(), "Mine"), 1) << first;
        EXPECT_EQ(std::count(bars.begin(), bars.end(), "The document's"), 0) << first;
        EXPECT_EQ(addonBars().size(), 1u) << first;
    }
    for (const auto& bar : documentBars->sets().find(kDrawingSet)->toolbars().list()) {
        EXPECT_NE(bar->properties().caption, kTitle) << "the document's own stay untouched";
    }
}

TEST_F(PreferencesToolTest, TheGeneralSettingsPlaceAndHideTheBar) {
    env.writeSettings("PP_ShowQAVSupportTools=FALSE\r\nPP_FloatingToolbar=FALSE\r\n");
    registerAll();
    tool.updateCommandBar(true);
    EXPECT_EQ(tool.generalPage()->showToolbar, 0);
    EXPECT_EQ(tool.generalPage()->floating, 0);
    simhost::Toolbar* bar = onlyBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->properties().position, 6);
    EXPECT_FALSE(bar->properties().visible);
}

TEST_F(PreferencesToolTest, PagesAreHandedTheStoreOnceWhenTheBarIsFirstBuilt) {
    env.writeSettings("TT_Switch=TRUE\r\n");
    registerAll();
    tool.updateCommandBar(true);
    EXPECT_EQ(other.page.attachCount, 1);
    EXPECT_EQ(other.page.store, &tool);
    EXPECT_EQ(other.page.owner, &other);
    EXPECT_EQ(other.page.value, 1) << "the page loaded its settings";
    EXPECT_EQ(tool.generalPage()->store(), &tool);
    EXPECT_EQ(tool.generalPage()->owner(), &tool);
    tool.applySettings();
    EXPECT_EQ(other.page.attachCount, 1);
}

TEST_F(PreferencesToolTest, ApplyingRebuildsTheBarWithNewButtonsAndUpdatesVisio) {
    registerAll();
    tool.updateCommandBar(true);
    tool.generalPage()->floating = 0;
    const int updatesBefore = installed()->updateCount();
    tool.applySettings();
    simhost::Toolbar* bar = onlyBar();
    ASSERT_NE(bar, nullptr) << "the old bar went";
    EXPECT_EQ(bar->properties().position, 6);
    EXPECT_EQ(tags(*bar).size(), 2u);
    EXPECT_EQ(other.buttonsMade, 2);
    EXPECT_GT(installed()->updateCount(), updatesBefore);
}

TEST_F(PreferencesToolTest, ReleasingTheBarDeletesItAndItsButtons) {
    registerAll();
    tool.updateCommandBar(true);
    simhost::UIObject* ui = installed();
    tool.releaseCommandBar();
    EXPECT_EQ(tool.commandBar(), nullptr);
    EXPECT_TRUE(addonBars().empty());
    EXPECT_EQ(installed(), ui);
}

// Office keeps the window of a deleted bar on screen: a bar the add-on lets go, rebuilt
// elsewhere or gone with the add-on, must not stay there with buttons nobody serves.
TEST_F(PreferencesToolTest, ABarLetGoLeavesNoWindowShown) {
    simhost::OfficeBarWindows windows(env.host.application(), env.backend);
    auto shown = [&](ui::WindowHandle parent) {
        ui::WindowHandle window = parent
                                      ? env.backend.findChildWindow(parent, "MsoCommandBar", kTitle)
                                      : env.backend.findWindow("MsoCommandBar", kTitle);
        return window && env.backend.isWindowVisible(window);
    };
    registerAll();
    tool.updateCommandBar(true);
    windows.sync();
    ASSERT_TRUE(shown(ui::WindowHandle()));
    tool.generalPage()->floating = 0;
    tool.applySettings();
    windows.sync();
    EXPECT_FALSE(shown(ui::WindowHandle())) << "the floating bar went";
    EXPECT_TRUE(shown(windows.topDock()));
    tool.releaseCommandBar();
    windows.sync();
    EXPECT_FALSE(shown(windows.topDock()));
}

TEST_F(PreferencesToolTest, ItsButtonOpensThePreferences) {
    registerAll();
    tool.updateCommandBar(true);
    simhost::Toolbar* bar = onlyBar();
    ASSERT_NE(bar, nullptr);
    const simhost::ToolbarItemProperties& p = bar->items().list().front()->properties();
    EXPECT_EQ(p.tooltipText, "Set Preferences for the QAV Support Tools");
    EXPECT_EQ(p.addOnName, "QAVSupportTools");
    EXPECT_EQ(p.style, 2);
    EXPECT_EQ(p.iconFileName, "QAVSupportTools.vsl,2");
    EXPECT_EQ(p.caption, "");
    EXPECT_TRUE(p.enabled);

    EXPECT_FALSE(tool.onCommand("pppreferencepanebutton"));
    EXPECT_FALSE(tool.onCommand("PPPreferencePaneButton "));
    EXPECT_FALSE(PreferencesTool::isSheetOpen());
    EXPECT_TRUE(tool.onCommand("PPPreferencePaneButton"));
    EXPECT_TRUE(PreferencesTool::isSheetOpen());
}

TEST_F(PreferencesToolTest, SettingsAreReadAndWrittenThroughTheTool) {
    tool.writeSetting("PP_FloatingToolbar", "FALSE");
    tool.writeSetting("CC_SaveBefore", "TRUE");
    tool.writeSetting("PP_FloatingToolbar", "TRUE");
    EXPECT_EQ(env.settings(), "PP_FloatingToolbar=TRUE\r\nCC_SaveBefore=TRUE\r\n");
    std::string value;
    int32_t offset = 0;
    EXPECT_TRUE(tool.readSetting("CC_SaveBefore", &value, &offset));
    EXPECT_EQ(value, "TRUE");
    EXPECT_EQ(offset, 25);
    EXPECT_TRUE(env.backend.messageBoxes().empty());
}

TEST_F(PreferencesToolTest, AFailedWriteIsToldOnceUntilAWriteSucceeds) {
    const std::string folder = env.system.settingsFolder;
    env.system.settingsFolder.clear();
    tool.writeSetting("PP_ShowQAVSupportTools", "FALSE");
    tool.writeSetting("PP_FloatingToolbar", "FALSE");
    ASSERT_EQ(env.backend.messageBoxes().size(), 1u);
    const auto& box = env.backend.messageBoxes().front();
    EXPECT_EQ(box.caption, kTitle);
    EXPECT_EQ(box.text,
              "The setting \"PP_ShowQAVSupportTools\" could not be saved: there is no folder for "
              "the settings file.");
    EXPECT_EQ(box.type, ui::kMbOk | ui::kMbIconStop);

    env.system.settingsFolder = folder;
    tool.writeSetting("PP_FloatingToolbar", "FALSE");
    tool.writeSetting("PE_Destination_A", "two\nlines");
    ASSERT_EQ(env.backend.messageBoxes().size(), 2u);
    EXPECT_EQ(env.backend.messageBoxes().back().text,
              "The setting \"PE_Destination_A\" could not be saved: its value must be one line of "
              "text.");
    EXPECT_EQ(env.settings(), "PP_FloatingToolbar=FALSE\r\n");
}

TEST_F(PreferencesToolTest, TheControllerRegistersTheToolsAndBuildsTheBarOnceAllExist) {
    SwitchTool* made = nullptr;
    ToolFactory switchFactory;
    switchFactory.create = [&made](ToolStartContext&) -> std::unique_ptr<SupportTool> {
        auto switchTool = std::make_unique<SwitchTool>();
        made = switchTool.get();
        return switchTool;
    };
    switchFactory.registerWithPreferences = true;
    MainController controller(env.application(),
                              {PreferencesTool::factory(), switchFactory, AboutTool::factory()});
    controller.dispatchEvent(visio::visEvtCodeNoEventsPending, {}, {});
    ASSERT_EQ(controller.toolCount(), 3u);
    simhost::Toolbar* bar = onlyBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(tags(*bar),
              (std::vector<std::string>{"PPPreferencePaneButton", "TTButton", "ABHelpButton"}));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->page.attachCount, 1);
    EXPECT_TRUE(controller.offerCommand("PPPreferencePaneButton"));
    EXPECT_TRUE(PreferencesTool::isSheetOpen());
}

}  // namespace
}  // namespace prefstest
