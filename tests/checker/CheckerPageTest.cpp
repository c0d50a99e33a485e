// The checker's page of the preference sheet: what it reads from the settings file,
// what Apply writes, and how the running check takes the new settings.
#include "checker/CCPropertyPage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "checker/CCLegendDialog.h"
#include "checker/ConsistencyChecker.h"
#include "platform/ui/PropertySheet.h"
#include "platform/ui/RuntimeClass.h"
#include "platform/ui/WinApiConstants.h"
#include "resources/Dialog110Checker.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Window.h"
#include "simhost/stencil/BlockStencil.h"
#include "tests/checker/CheckerDrawings.h"
#include "tests/checker/CheckerTestHost.h"

namespace checkertest {
namespace {

constexpr char kSheetCaption[] = "QAV Tools 2.1.1 Settings";
constexpr int32_t kCheckerTab = 1;  // after the General page

class CheckerPageTest : public ::testing::Test {
protected:
    CCPropertyPage& page() { return *env.checker()->propertyPage(); }
    // The sheet, turned to the checker's page.
    ui::WindowHandle openPage() {
        EXPECT_TRUE(env.press("PPPreferencePaneButton"));
        const ui::WindowHandle sheet = env.backend.findDialog(kSheetCaption);
        EXPECT_TRUE(env.user.selectPage(sheet, kCheckerTab));
        return sheet;
    }
    int32_t ticked(ui::WindowHandle sheet, int32_t id) {
        return env.backend.window(env.user.control(sheet, id))->check;
    }
    bool applyEnabled(ui::WindowHandle sheet) {
        return env.backend.window(env.user.control(sheet, ui::PropertySheet::kApplyNowId))->enabled;
    }
    // The legend windows that exist.
    int legendWindows() {
        int count = 0;
        for (ui::WindowHandle h : env.backend.topLevelWindows()) {
            if (env.backend.window(h)->templateId == 112) ++count;
        }
        return count;
    }
    void openBlockDiagramWithAClash() {
        env.open("/drawings/block.vsd", [&](simhost::Page& p) {
            simhost::stencil::dropBlockPassive(p, at(1, 4, "Store"));
            simhost::stencil::dropBlockPassive(p, at(4, 4, "STORE"));
        });
    }

    CheckerTestHost env;
};

TEST_F(CheckerPageTest, WithoutItsKeysEverySwitchIsOn) {
    CCPropertyPage fresh;
    EXPECT_EQ(fresh.showLegend, 1);
    EXPECT_EQ(fresh.nameClashCheck, 0);
    env.writeSettings("PP_FloatingToolbar=FALSE\r\n");
    env.startTools();
    EXPECT_EQ(page().showLegend, 1);
    EXPECT_EQ(page().nameClashCheck, 1);
    EXPECT_EQ(page().hintsCheck, 1);
    EXPECT_EQ(page().saveBefore, 1);
    EXPECT_EQ(page().owner(), env.checker());
}

TEST_F(CheckerPageTest, OnlyTheExactTextTRUEReadsAsOn) {
    env.writeSettings(
        "CC_ShowLegend=true\r\nCC_NamesClashesCheckerEnable=1\r\nCC_HintsCheckerEnable=TRUE\r\n"
        "CC_SaveBefore=\r\n");
    env.startTools();
    EXPECT_EQ(page().showLegend, 0);
    EXPECT_EQ(page().nameClashCheck, 0);
    EXPECT_EQ(page().hintsCheck, 1);
    EXPECT_EQ(page().saveBefore, 0);
}

TEST_F(CheckerPageTest, ThePageShowsTheFileAndApplyWritesWhatWasChanged) {
    env.writeSettings("CC_HintsCheckerEnable=FALSE\r\n");
    env.startTools();
    page().hintsCheck = 1;  // shown afresh from the file
    const ui::WindowHandle sheet = openPage();
    EXPECT_EQ(ticked(sheet, dialog110::kShowLegend), ui::kBstChecked);
    EXPECT_EQ(ticked(sheet, dialog110::kNameClashes), ui::kBstChecked);
    EXPECT_EQ(ticked(sheet, dialog110::kAntiPatterns), ui::kBstUnchecked);
    EXPECT_EQ(ticked(sheet, dialog110::kSaveBefore), ui::kBstChecked);
    EXPECT_FALSE(applyEnabled(sheet));

    ASSERT_TRUE(env.user.click(sheet, dialog110::kSaveBefore));
    EXPECT_EQ(page().saveBefore, 0);
    EXPECT_TRUE(applyEnabled(sheet));
    ASSERT_TRUE(env.user.pressApply(sheet));
    const std::string settings = env.settings().value_or("");
    EXPECT_EQ(settings, "CC_HintsCheckerEnable=FALSE\r\nCC_SaveBefore=FALSE\r\n");
    EXPECT_FALSE(applyEnabled(sheet));
}

TEST_F(CheckerPageTest, ApplyWhileCheckingReplacesOrRemovesTheLegend) {
    env.writeSettings("CC_SaveBefore=FALSE\r\n");
    env.startTools();
    env.open("/drawings/net.vsd", [&](simhost::Page& p) { dropSmallNet(env.host, p); });
    const ui::WindowHandle sheet = openPage();
    ASSERT_TRUE(env.user.click(sheet, dialog110::kNameClashes));
    ASSERT_TRUE(env.user.pressApply(sheet));
    EXPECT_EQ(env.checker()->legend(), nullptr) << "no check runs";

    ASSERT_TRUE(env.press("CCStartButton"));
    const CCLegendDialog* first = env.checker()->legend();
    ASSERT_NE(first, nullptr);
    const ui::WindowHandle firstWindow = first->handle();
    EXPECT_TRUE(env.backend.window(firstWindow)->topmost);
    ASSERT_TRUE(env.user.click(sheet, dialog110::kNameClashes));
    ASSERT_TRUE(env.user.pressApply(sheet));
    ASSERT_NE(env.checker()->legend(), nullptr);
    EXPECT_NE(env.checker()->legend()->handle(), firstWindow);
    EXPECT_FALSE(env.backend.isWindow(firstWindow));
    EXPECT_EQ(legendWindows(), 1);

    ASSERT_TRUE(env.user.click(sheet, dialog110::kShowLegend));
    ASSERT_TRUE(env.user.pressApply(sheet));
    EXPECT_EQ(env.checker()->legend(), nullptr);
    EXPECT_EQ(legendWindows(), 0);
    EXPECT_TRUE(env.checker()->isChecking());
}

TEST_F(CheckerPageTest, TheOptionalRulesFollowTheirSwitchesAtTheNextCheck) {
    env.writeSettings("CC_SaveBefore=FALSE\r\nCC_ShowLegend=FALSE\r\n");
    env.startTools();
    openBlockDiagramWithAClash();
    ASSERT_TRUE(env.press("CCStartButton"));
    EXPECT_EQ(env.shape(1)->formula("Char.Color"), "GUARD(RGB(255,153,0))");
    const ui::WindowHandle sheet = openPage();
    ASSERT_TRUE(env.user.click(sheet, dialog110::kNameClashes));
    ASSERT_TRUE(env.user.pressOk(sheet));
    EXPECT_EQ(env.shape(1)->formula("Char.Color"), "GUARD(RGB(255,153,0))")
        << "the running check keeps its rules";
    env.host.changeWindow(*env.application().activeWindow());
    EXPECT_EQ(env.shape(1)->formula("Char.Color"), "GUARD(3)");
}

TEST_F(CheckerPageTest, ThePageCanBeMadeFromItsClassName) {
    const ui::RuntimeClass* record = ui::RuntimeClass::fromName("CCPropertyPage");
    ASSERT_NE(record, nullptr);
    std::unique_ptr<ui::Dialog> made = record->createObject();
    auto* page = dynamic_cast<CCPropertyPage*>(made.get());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->dialogTemplate().id, 110);
    EXPECT_EQ(page->caption(), "Consistency Checker");
    EXPECT_EQ(page->GetRuntimeClass(), record);
}

}  // namespace
}  // namespace checkertest
