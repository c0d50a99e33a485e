// The simulator's page, its colour buttons, the palette popup and the system's colour
// dialog as real windows, in the preference sheet the add-on's own button opens in the
// library Visio loads.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
// Its PropertySheet macro would rename the window layer's class.
#undef PropertySheet

#include <gtest/gtest.h>

#include <string>

#include "platform/ui/PropertySheet.h"
#include "resources/Dialog118Simulator.h"
#include "resources/Dialog5100Palette.h"
#include "simulator/PNSPropertyPage.h"
#include "tests/win32/AddonWindowsHost.h"
#include "tests/win32/DesktopUser.h"
#include "tests/win32/Screenshots.h"
#include "tests/win32/SheetWindow.h"
#include "tests/win32/TemplateCheck.h"

namespace wintest {
namespace {

// The colour dialog's edits for red, green and blue.
constexpr int kRedEdit = 706;
constexpr int kGreenEdit = 707;
constexpr int kBlueEdit = 708;

// The palette entry the library starts with as the least recently used.
constexpr int kOldestAtStart = 10;
// The colour picker's palette, shown without a caption of its own.
constexpr char kNoCaption[] = "";

class SimulatorPageOnWindows : public SheetPageTest {
protected:
    SimulatorPageOnWindows() : SheetPageTest(kSimulatorTab) {}
    int trackbarPosition() const {
        return static_cast<int>(SendMessageA(item(dialog118::kDelay), TBM_GETPOS, 0, 0));
    }
    // The palette of the conflict colour's button, dropped down by a click.
    HWND dropPalette() {
        click(item(dialog118::kConflictColor));
        return waitForOwnWindow("#32770", kNoCaption);
    }
    // The colour the screen shows in the middle of the window.
    static COLORREF shownColour(HWND window) {
        const RECT r = screenRectOf(window);
        HDC screen = GetDC(nullptr);
        const COLORREF colour = GetPixel(screen, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        ReleaseDC(nullptr, screen);
        return colour;
    }
    // Closes the palette with a click beside it.
    void clickBesidePalette(HWND popup) {
        const RECT r = screenRectOf(sheetWindow);
        clickAt({r.right - 20, r.bottom - 60});
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(popup); }));
    }
};

TEST_F(SimulatorPageOnWindows, TheKeyboardMovesTheDelayAndApplyWritesWhatItShows) {
    ASSERT_TRUE(page);
    expectBuiltFrom(page, dialog118::make());
    HWND trackbar = item(dialog118::kDelay);
    EXPECT_EQ(SendMessageA(trackbar, TBM_GETRANGEMIN, 0, 0), 100);
    EXPECT_EQ(SendMessageA(trackbar, TBM_GETRANGEMAX, 0, 0), 5000);
    EXPECT_TRUE(SendMessageA(trackbar, TBM_GETTOOLTIPS, 0, 0));
    EXPECT_GT(SendMessageA(trackbar, TBM_GETNUMTICS, 0, 0), 2);
    EXPECT_EQ(trackbarPosition(), 1000);
    EXPECT_EQ(textOf(item(dialog118::kDelayText)), "1000");
    EXPECT_EQ(shownColour(item(dialog118::kConflictColor)), RGB(255, 0, 0));
    EXPECT_GT(takeScreenshot(sheetWindow, "simulator-page").colours, 3u);

    click(item(dialog118::kHighlightConflicts));
    EXPECT_FALSE(enabled(page, dialog118::kConflictColor));
    EXPECT_FALSE(enabled(page, dialog118::kConflictColorLabel));
    EXPECT_TRUE(enabled(page, dialog118::kEnabledColor));

    SetFocus(trackbar);
    for (WORD key : {VK_END, VK_PRIOR, VK_LEFT, VK_HOME, VK_NEXT}) {
        pressKey(key);
        EXPECT_EQ(textOf(item(dialog118::kDelayText)), std::to_string(trackbarPosition())) << key;
    }
    EXPECT_NE(trackbarPosition(), 1000);
    click(GetDlgItem(sheetWindow, ui::PropertySheet::kApplyNowId));
    EXPECT_EQ(setting(PNSPropertyPage::kDelayKey), std::to_string(trackbarPosition()));
    EXPECT_EQ(setting(PNSPropertyPage::kHighlightConflictsKey), "FALSE");
}

TEST_F(SimulatorPageOnWindows, ThePaletteHoldsTheMouseAndGivesTheButtonASwatch) {
    HWND popup = dropPalette();
    ASSERT_TRUE(popup);
    expectBuiltFrom(popup, dialog5100::make());
    const RECT button = screenRectOf(item(dialog118::kConflictColor));
    const RECT below = screenRectOf(popup);
    EXPECT_EQ(below.left, button.left);
    EXPECT_EQ(below.top, button.bottom);
    EXPECT_FALSE(GetWindowLongPtrA(popup, GWL_STYLE) & WS_CAPTION);
    EXPECT_EQ(GetCapture(), popup);
    EXPECT_EQ(shownColour(GetDlgItem(popup, dialog5100::kFirstSwatch + 1)), 0x000080u);
    EXPECT_GT(takeScreenshot(popup, "colour-palette").colours, 3u);

    // A click outside closes it and changes nothing.
    clickBesidePalette(popup);
    EXPECT_EQ(shownColour(item(dialog118::kConflictColor)), RGB(255, 0, 0));

    popup = dropPalette();
    ASSERT_TRUE(popup);
    click(GetDlgItem(popup, dialog5100::kFirstSwatch + 1));
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(popup); }));
    EXPECT_FALSE(GetCapture());
    pumpFor(100);
    EXPECT_EQ(shownColour(item(dialog118::kConflictColor)), 0x000080u);
    ASSERT_TRUE(enabled(sheetWindow, ui::PropertySheet::kApplyNowId));
    click(GetDlgItem(sheetWindow, ui::PropertySheet::kApplyNowId));
    EXPECT_EQ(setting(PNSPropertyPage::kConflictColorKey), std::to_string(0x000080));
}

TEST_F(SimulatorPageOnWindows, OtherOpensTheColourDialogWhoseColourReplacesTheOldestSwatch) {
    HWND popup = dropPalette();
    ASSERT_TRUE(popup);
    bool typed = false;
    {
        UserThread user([&] {
            HWND dialog = nullptr;
            waitUntil([&] {
                dialog = GetForegroundWindow();
                return dialog && GetWindow(dialog, GW_OWNER) == popup;
            });
            if (!dialog) return;
            EXPECT_TRUE(GetDlgItem(dialog, kRedEdit)) << "the custom colour part is open";
            const std::pair<int, const char*> values[] = {
                {kRedEdit, "18"}, {kGreenEdit, "52"}, {kBlueEdit, "86"}};
            for (const auto& [id, text] : values) {
                typeInto(GetDlgItem(dialog, id), text);
            }
            typed = true;
            EXPECT_GT(takeScreenshot(dialog, "colour-dialog").colours, 3u);
            click(GetDlgItem(dialog, IDOK));
        });
        click(GetDlgItem(popup, dialog5100::kOther));
    }
    ASSERT_TRUE(typed);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(popup); }));
    pumpFor(100);
    EXPECT_EQ(shownColour(item(dialog118::kConflictColor)), RGB(18, 52, 86));
    popup = dropPalette();
    ASSERT_TRUE(popup);
    EXPECT_EQ(shownColour(GetDlgItem(popup, dialog5100::kFirstSwatch + kOldestAtStart)),
              RGB(18, 52, 86));
    clickBesidePalette(popup);
    click(GetDlgItem(sheetWindow, IDOK));
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(sheetWindow); }));
    EXPECT_EQ(setting(PNSPropertyPage::kConflictColorKey), std::to_string(RGB(18, 52, 86)));
}

}  // namespace
}  // namespace wintest
