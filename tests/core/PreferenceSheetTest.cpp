#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/ABPropertyPage.h"
#include "core/AboutTool.h"
#include "core/PPDialog.h"
#include "core/PPPropertyPage.h"
#include "core/PreferencesTool.h"
#include "platform/ui/PropertySheet.h"
#include "platform/ui/RuntimeClass.h"
#include "platform/ui/WinApiConstants.h"
#include "resources/Dialog109General.h"
#include "simhost/host/Application.h"
#include "simhost/host/Toolbar.h"
#include "simhost/host/ToolbarSet.h"
#include "simhost/host/ToolbarSets.h"
#include "simhost/host/Toolbars.h"
#include "simhost/host/UIObject.h"
#include "tests/core/PreferencesTestHost.h"

namespace prefstest {
namespace {

constexpr char kSheetCaption[] = "QAV Tools 2.1.1 Settings";
constexpr int32_t kApply = ui::PropertySheet::kApplyNowId;

class PreferenceSheetTest : public ::testing::Test {
protected:
    PreferenceSheetTest()
        : about(env.application()), tool(std::make_unique<PreferencesTool>(env.application())) {
        tool->registerTool(tool.get());
        tool->registerTool(&other);
        tool->registerTool(&about);
    }

    ui::WindowHandle open() {
        if (!tool->commandBar()) tool->updateCommandBar(true);
        EXPECT_TRUE(tool->onCommand("PPPreferencePaneButton"));
        return env.backend.findDialog(kSheetCaption);
    }
    const simhost::headless::HeadlessWindow& control(ui::WindowHandle sheet, int32_t id) {
        const simhost::headless::HeadlessWindow* w =
            env.backend.window(env.user.control(sheet, id));
        EXPECT_NE(w, nullptr) << id;
        static const simhost::headless::HeadlessWindow none;
        return w ? *w : none;
    }
    int sheetWindows() {
        int count = 0;
        for (ui::WindowHandle h : env.backend.topLevelWindows()) {
            if (env.backend.window(h)->text == kSheetCaption) ++count;
        }
        return count;
    }
    const simhost::ToolbarProperties* bar() {
        simhost::UIObject* ui = env.host.application().customToolbars();
        if (!ui) return nullptr;
        for (const auto& b : ui->sets().find(2)->toolbars().list()) {
            if (b->properties().caption == "QAV Tools 2.1.1") return &b->properties();
        }
        return nullptr;
    }

    PreferencesTestHost env;
    SwitchTool other;
    AboutTool about;
    // Goes first, as the controller deletes it first.
    std::unique_ptr<PreferencesTool> tool;
};

TEST_F(PreferenceSheetTest, ItOpensWithAPagePerRegisteredToolAndGeneralShown) {
    const ui::WindowHandle sheet = open();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(control(sheet, ui::PropertySheet::kTabControlId).entries,
              (std::vector<std::string>{"General", "Switch", "About"}));
    EXPECT_EQ(env.backend.activeWindow(), sheet);
    EXPECT_TRUE(PreferencesTool::isSheetOpen());
    EXPECT_EQ(tool->sheet()->handle(), sheet);
}

TEST_F(PreferenceSheetTest, WithoutSettingsTheGeneralPageShowsTheBarFloating) {
    const ui::WindowHandle sheet = open();
    EXPECT_EQ(control(sheet, dialog109::kShowToolbar).check, ui::kBstChecked);
    EXPECT_EQ(control(sheet, dialog109::kFloating).check, ui::kBstChecked);
    EXPECT_EQ(control(sheet, dialog109::kDocked).check, ui::kBstUnchecked);
    EXPECT_TRUE(control(sheet, dialog109::kFloating).enabled);
    EXPECT_TRUE(control(sheet, dialog109::kDocked).enabled);
    EXPECT_FALSE(control(sheet, kApply).enabled);
}

TEST_F(PreferenceSheetTest, UntickingTheToolbarGreysWhereItGoesAndEnablesApply) {
    const ui::WindowHandle sheet = open();
    ASSERT_TRUE(env.user.click(sheet, dialog109::kShowToolbar));
    EXPECT_FALSE(control(sheet, dialog109::kFloating).enabled);
    EXPECT_FALSE(control(sheet, dialog109::kDocked).enabled);
    EXPECT_TRUE(control(sheet, kApply).enabled);
    EXPECT_EQ(tool->generalPage()->showToolbar, 0);
    ASSERT_TRUE(env.user.click(sheet, dialog109::kShowToolbar));
    EXPECT_TRUE(control(sheet, dialog109::kFloating).enabled);
    EXPECT_TRUE(control(sheet, dialog109::kDocked).enabled);
}

TEST_F(PreferenceSheetTest, ApplyWritesTheGeneralKeysHidesTheBarAndKeepsTheSheetInFront) {
    const ui::WindowHandle sheet = open();
    ASSERT_TRUE(env.user.click(sheet, dialog109::kShowToolbar));
    ASSERT_TRUE(env.user.pressApply(sheet));
    EXPECT_EQ(env.settings(), "PP_ShowQAVSupportTools=FALSE\r\n") << "only what was changed";
    ASSERT_NE(bar(), nullptr);
    EXPECT_FALSE(bar()->visible);
    EXPECT_EQ(env.backend.topLevelWindows().front(), sheet);
    EXPECT_EQ(env.backend.activeWindow(), sheet);
    EXPECT_FALSE(control(sheet, kApply).enabled);
    EXPECT_TRUE(PreferencesTool::isSheetOpen());
}

TEST_F(PreferenceSheetTest, TheDockedChoiceDocksTheBar) {
    const ui::WindowHandle sheet = open();
    ASSERT_TRUE(env.user.click(sheet, dialog109::kDocked));
    EXPECT_EQ(tool->generalPage()->floating, 0);
    EXPECT_TRUE(control(sheet, kApply).enabled);
    ASSERT_TRUE(env.user.pressOk(sheet));
    EXPECT_EQ(tool->readSetting("PP_FloatingToolbar", nullptr, nullptr), true);
    std::string value;
    tool->readSetting("PP_FloatingToolbar", &value, nullptr);
    EXPECT_EQ(value, "FALSE");
    ASSERT_NE(bar(), nullptr);
    EXPECT_EQ(bar()->position, 6);
    EXPECT_TRUE(bar()->visible);
}

// The file may change while the add-on runs (by hand, or by a second running copy): OK
// applies every page, but a key the user did not change on a page keeps what the file
// holds, on a page never shown as on the page shown.
TEST_F(PreferenceSheetTest, OkAppliesEveryPageWritesOnlyWhatWasChangedAndCloses) {
    tool->updateCommandBar(true);
    env.writeSettings("TT_Switch=TRUE\r\n");
    const ui::WindowHandle sheet = open();
    env.writeSettings("TT_Switch=TRUE\r\nPP_FloatingToolbar=FALSE\r\n");
    ASSERT_TRUE(env.user.click(sheet, dialog109::kShowToolbar));
    ASSERT_TRUE(env.user.pressOk(sheet));
    EXPECT_EQ(env.settings(),
              "TT_Switch=TRUE\r\nPP_FloatingToolbar=FALSE\r\nPP_ShowQAVSupportTools=FALSE\r\n");
    EXPECT_EQ(other.applied, 1);
    EXPECT_FALSE(env.backend.isWindow(sheet));
    EXPECT_FALSE(PreferencesTool::isSheetOpen());
    EXPECT_EQ(tool->sheet(), nullptr);
}

// Each press of Apply or OK tells what it could not save, naming every setting.
TEST_F(PreferenceSheetTest, SettingsThatCouldNotBeSavedAreNamedAtEveryPress) {
    const ui::WindowHandle sheet = open();
    // What is written goes beside the file first; here it cannot.
    env.system.createDirectory(env.settingsPath() + ".new");
    ASSERT_TRUE(env.user.click(sheet, dialog109::kShowToolbar));
    other.page.value = 1;
    ASSERT_TRUE(env.user.pressApply(sheet));
    ASSERT_TRUE(env.user.pressOk(sheet));
    const std::string why = " could not be saved: the settings file " + env.settingsPath() +
                            " could not be written. The file was left as it is.";
    std::vector<std::string> told;
    for (const auto& box : env.backend.messageBoxes()) told.push_back(box.text);
    EXPECT_EQ(told, (std::vector<std::string>{
                        "The setting \"PP_ShowQAVSupportTools\"" + why,
                        "The settings \"PP_ShowQAVSupportTools\" and \"TT_Switch\"" + why}));
    EXPECT_EQ(env.settings(), std::nullopt);
}

// The settings hide the bar and the user showed it again from Visio's toolbar menu: OK
// on pages that change neither whether nor where it shows leaves it shown.
TEST_F(PreferenceSheetTest, OkLeavesABarTheUserShowedWhenTheGeneralPageIsUnchanged) {
    env.writeSettings("PP_ShowQAVSupportTools=FALSE\r\n");
    tool->updateCommandBar(true);
    for (const auto& b : env.host.application().customToolbars()->sets().find(2)->toolbars().list())
        b->SetVisible(true);
    const ui::WindowHandle sheet = open();
    other.page.value = 1;
    ASSERT_TRUE(env.user.pressOk(sheet));
    ASSERT_NE(bar(), nullptr);
    EXPECT_TRUE(bar()->visible);
    EXPECT_EQ(other.applied, 1);
}

TEST_F(PreferenceSheetTest, CancelWritesNothingAndTakesThePagesBackToTheFile) {
    ui::WindowHandle sheet = open();
    ASSERT_TRUE(env.user.click(sheet, dialog109::kShowToolbar));
    ASSERT_TRUE(env.user.pressCancel(sheet));
    EXPECT_EQ(env.settings(), std::nullopt);
    EXPECT_EQ(tool->generalPage()->showToolbar, 1) << "a cancelled edit reaches no tool";
    EXPECT_FALSE(PreferencesTool::isSheetOpen());

    sheet = open();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(control(sheet, dialog109::kShowToolbar).check, ui::kBstChecked);
    EXPECT_EQ(tool->generalPage()->showToolbar, 1);
}

TEST_F(PreferenceSheetTest, ThePreferencesButtonBringsTheOpenSheetForward) {
    const ui::WindowHandle sheet = open();
    const ui::WindowHandle elsewhere = env.backend.createWindow({}, "VisioA", "Drawing1");
    env.backend.setActiveWindow(elsewhere);
    ASSERT_EQ(env.backend.activeWindow(), elsewhere);
    EXPECT_EQ(open(), sheet);
    EXPECT_EQ(env.backend.activeWindow(), sheet);
    EXPECT_EQ(sheetWindows(), 1);
}

TEST_F(PreferenceSheetTest, OnlyTheExactTextTrueReadsAsOn) {
    env.writeSettings("PP_ShowQAVSupportTools=true\r\nPP_FloatingToolbar=1\r\n");
    const ui::WindowHandle sheet = open();
    EXPECT_EQ(control(sheet, dialog109::kShowToolbar).check, ui::kBstUnchecked);
    EXPECT_EQ(control(sheet, dialog109::kDocked).check, ui::kBstChecked);
    EXPECT_FALSE(control(sheet, dialog109::kFloating).enabled);
    ASSERT_NE(bar(), nullptr);
    EXPECT_FALSE(bar()->visible);
    EXPECT_EQ(bar()->position, 6);
}

TEST_F(PreferenceSheetTest, TheCloseBoxEndsTheSheetAndTheNextPressOpensANewOne) {
    const ui::WindowHandle sheet = open();
    ASSERT_TRUE(env.user.close(sheet));
    EXPECT_FALSE(PreferencesTool::isSheetOpen());
    EXPECT_EQ(env.settings(), std::nullopt);
    const ui::WindowHandle again = open();
    EXPECT_TRUE(again);
    EXPECT_NE(again, sheet);
    EXPECT_EQ(sheetWindows(), 1);
}

TEST_F(PreferenceSheetTest, AToolThatGoesTakesItsOpenSheetWithIt) {
    const ui::WindowHandle sheet = open();
    tool.reset();
    EXPECT_FALSE(env.backend.isWindow(sheet));
    EXPECT_FALSE(PreferencesTool::isSheetOpen());
    EXPECT_EQ(bar(), nullptr) << "and its bar";
}

TEST_F(PreferenceSheetTest, TheSheetAndItsPagesCarryTheirRunTimeClasses) {
    for (const char* name : {"PPDialog", "PPPropertyPage", "ABPropertyPage"}) {
        const ui::RuntimeClass* record = ui::RuntimeClass::fromName(name);
        ASSERT_NE(record, nullptr) << name;
        std::unique_ptr<ui::Dialog> made = record->createObject();
        ASSERT_NE(made, nullptr) << name;
        EXPECT_EQ(made->GetRuntimeClass(), record) << name;
    }
}

}  // namespace
}  // namespace prefstest
