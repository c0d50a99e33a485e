// The preference sheet as a real window: opened by the add-on's own preferences button
// in the library Visio loads, its pages made from their templates, driven with the mouse
// and the keyboard, closed by OK, Apply and Escape.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
// Its PropertySheet macro would rename the window layer's class.
#undef PropertySheet

#include <gtest/gtest.h>

#include "platform/ui/PropertySheet.h"
#include "resources/Dialog109General.h"
#include "resources/Dialog110Checker.h"
#include "resources/Dialog117About.h"
#include "tests/win32/AddonWindowsHost.h"
#include "tests/win32/DesktopUser.h"
#include "tests/win32/Screenshots.h"
#include "tests/win32/SheetWindow.h"
#include "tests/win32/TemplateCheck.h"

namespace wintest {
namespace {

constexpr int kApply = ui::PropertySheet::kApplyNowId;
constexpr int kTabs = ui::PropertySheet::kTabControlId;

class PreferenceSheetOnWindows : public ::testing::Test {
protected:
    HWND open() {
        sheet = sheetWindow.open();
        return sheet;
    }
    HWND shownPage() const { return sheetWindow.shownPage(); }
    HWND showTab(SheetTab tab) { return sheetWindow.showTab(tab); }
    void expectScreenshot(HWND window, const std::string& name) {
        const Screenshot shot = takeScreenshot(window, name);
        EXPECT_GT(shot.colours, 3u) << name << " looks blank";
    }
    bool closed() const { return sheetWindow.closed(); }

    AddonWindowsHost env;
    SheetWindow sheetWindow{env};
    HWND sheet = nullptr;
};

TEST_F(PreferenceSheetOnWindows, TheGeneralPageAppliesWhatTheMouseChose) {
    ASSERT_TRUE(open());
    EXPECT_TRUE(IsWindowVisible(sheet));
    HWND tabs = GetDlgItem(sheet, kTabs);
    ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 5);
    EXPECT_EQ(textOf(GetDlgItem(sheet, IDOK)), "OK");
    EXPECT_EQ(textOf(GetDlgItem(sheet, IDCANCEL)), "Cancel");
    EXPECT_EQ(textOf(GetDlgItem(sheet, kApply)), "Apply");
    EXPECT_FALSE(enabled(sheet, kApply));

    HWND page = shownPage();
    ASSERT_TRUE(page);
    expectBuiltFrom(page, dialog109::make());
    EXPECT_TRUE(checked(page, dialog109::kShowToolbar));
    EXPECT_TRUE(checked(page, dialog109::kFloating));
    expectScreenshot(sheet, "preferences-general");

    click(GetDlgItem(page, dialog109::kShowToolbar));
    EXPECT_FALSE(checked(page, dialog109::kShowToolbar));
    EXPECT_FALSE(enabled(page, dialog109::kFloating));
    EXPECT_FALSE(enabled(page, dialog109::kDocked));
    EXPECT_TRUE(enabled(sheet, kApply));
    click(GetDlgItem(page, dialog109::kShowToolbar));
    ASSERT_TRUE(enabled(page, dialog109::kDocked));
    click(GetDlgItem(page, dialog109::kDocked));
    EXPECT_TRUE(checked(page, dialog109::kDocked));
    EXPECT_FALSE(checked(page, dialog109::kFloating));

    click(GetDlgItem(sheet, kApply));
    EXPECT_EQ(env.setting("PP_ShowQAVSupportTools"), std::nullopt) << "ticked again: unchanged";
    EXPECT_EQ(env.setting("PP_FloatingToolbar"), "FALSE");
    EXPECT_FALSE(enabled(sheet, kApply));

    // Applying rebuilt the bar and brought the sheet forward again; the disabled Apply
    // button handed the focus on, so Escape reaches the sheet.
    EXPECT_TRUE(GetFocus());
    SetForegroundWindow(sheet);
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitUntil([&] { return closed(); }));
}

TEST_F(PreferenceSheetOnWindows, TheCheckerPageIsReachedByItsTabAndEnterAppliesEveryPage) {
    ASSERT_TRUE(open());
    HWND general = shownPage();
    HWND page = showTab(kCheckerTab);
    ASSERT_TRUE(page);
    EXPECT_NE(page, general);
    EXPECT_FALSE(IsWindowVisible(general));
    expectBuiltFrom(page, dialog110::make());
    for (int id : {dialog110::kShowLegend, dialog110::kSaveBefore, dialog110::kNameClashes,
                   dialog110::kAntiPatterns}) {
        EXPECT_TRUE(checked(page, id)) << id;
    }
    expectScreenshot(sheet, "preferences-checker");

    click(GetDlgItem(page, dialog110::kNameClashes));
    click(GetDlgItem(page, dialog110::kSaveBefore));
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return closed(); }));
    EXPECT_EQ(env.setting("CC_NamesClashesCheckerEnable"), "FALSE");
    EXPECT_EQ(env.setting("CC_SaveBefore"), "FALSE");
    // What the user did not change is not written, here or on a page never shown.
    for (const char* key : {"CC_ShowLegend", "CC_HintsCheckerEnable", "PP_FloatingToolbar"}) {
        EXPECT_EQ(env.setting(key), std::nullopt) << key;
    }
}

TEST_F(PreferenceSheetOnWindows, TheAboutPageShowsItsPictureAndCancelWritesNothing) {
    ASSERT_TRUE(open());
    HWND page = showTab(kAboutTab);
    ASSERT_TRUE(page);
    expectBuiltFrom(page, dialog117::make());
    EXPECT_TRUE(SendDlgItemMessageA(page, dialog117::kPicture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    const RECT picture = screenRectOf(GetDlgItem(page, dialog117::kPicture));
    EXPECT_EQ(picture.right - picture.left, 64) << "the bitmap is shown at its own size";
    expectScreenshot(sheet, "preferences-about");

    click(GetDlgItem(sheet, IDCANCEL));
    EXPECT_TRUE(waitUntil([&] { return closed(); }));
    EXPECT_FALSE(env.settings());
}

}  // namespace
}  // namespace wintest
