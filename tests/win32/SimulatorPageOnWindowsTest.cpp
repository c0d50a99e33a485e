// The simulator's page, its colour buttons, the palette popup and the system's colour
// dialog as real windows, in the add-on's preference sheet over the Win32 backend. The
// page is not yet in the library's sheet (its tool is not), so the test links it.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
// Its PropertySheet macro would rename the window layer's class.
#undef PropertySheet

#include <gtest/gtest.h>

#include <string>

#include "core/PPDialog.h"
#include "core/PreferencesTool.h"
#include "helpers/AddonConstants.h"
#include "platform/ui/PropertySheet.h"
#include "platform/visio/VApplication.h"
#include "platform/win32/Win32Backend.h"
#include "resources/Dialog118Simulator.h"
#include "resources/Dialog5100Palette.h"
#include "simhost/os/StandInSystem.h"
#include "simulator/ColorPalettePopup.h"
#include "simulator/PNSPropertyPage.h"
#include "tests/win32/AddonWindowsHost.h"
#include "tests/win32/DesktopUser.h"
#include "tests/win32/Screenshots.h"
#include "tests/win32/TemplateCheck.h"

namespace wintest {
namespace {

// The colour dialog's edits for red, green and blue.
constexpr int kRedEdit = 706;
constexpr int kGreenEdit = 707;
constexpr int kBlueEdit = 708;

class SimulatorPageOnWindows : public ::testing::Test {
protected:
    SimulatorPageOnWindows() {
        ui::Backend::install(&backend);
        system.install();
        ColorPalette::shared().reset();
        page.attachSettings(&store, nullptr);
        auto* sheet = new PPDialog(settingsTitle);  // deletes itself with its window
        sheet->addPage(&page);
        EXPECT_TRUE(sheet->create());
        sheetWindow = reinterpret_cast<HWND>(sheet->handle().value());
        pageWindow = reinterpret_cast<HWND>(page.handle().value());
        SetForegroundWindow(sheetWindow);
        pumpFor(100);
    }
    ~SimulatorPageOnWindows() override {
        DestroyWindow(sheetWindow);
        ui::Backend::install(nullptr);
    }
    HWND item(int id) const { return GetDlgItem(pageWindow, id); }
    int trackbarPosition() const {
        return static_cast<int>(SendMessageA(item(dialog118::kDelay), TBM_GETPOS, 0, 0));
    }
    // The palette of the conflict colour's button, dropped down by a click.
    HWND dropPalette() {
        click(item(dialog118::kConflictColor));
        HWND popup = nullptr;
        waitUntil([&] {
            popup =
                page.conflictColorButton().popup()
                    ? reinterpret_cast<HWND>(page.conflictColorButton().popup()->handle().value())
                    : nullptr;
            return popup && IsWindowVisible(popup);
        });
        return popup;
    }
    // The colour the screen shows in the middle of the window.
    static COLORREF shownColour(HWND window) {
        const RECT r = screenRectOf(window);
        HDC screen = GetDC(nullptr);
        const COLORREF colour = GetPixel(screen, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        ReleaseDC(nullptr, screen);
        return colour;
    }

    std::string setting(const std::string& key) { return settingIn(system, key).value_or(""); }

    win32::Win32Backend backend;
    simhost::StandInSystem system;
    // Keeps the settings in the stand-in system's settings file.
    PreferencesTool store{visio::VApplication()};
    PNSPropertyPage page;
    HWND sheetWindow = nullptr;
    HWND pageWindow = nullptr;
};

TEST_F(SimulatorPageOnWindows, TheKeyboardMovesTheDelayAndApplyWritesWhatItShows) {
    ASSERT_TRUE(pageWindow);
    expectBuiltFrom(pageWindow, dialog118::make());
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
    EXPECT_FALSE(enabled(pageWindow, dialog118::kConflictColor));
    EXPECT_FALSE(enabled(pageWindow, dialog118::kConflictColorLabel));
    EXPECT_TRUE(enabled(pageWindow, dialog118::kEnabledColor));

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
    const RECT sheet = screenRectOf(sheetWindow);
    clickAt({sheet.right - 20, sheet.bottom - 60});
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(popup); }));
    EXPECT_EQ(page.conflictColor, 0x0000FFu);

    popup = dropPalette();
    ASSERT_TRUE(popup);
    click(GetDlgItem(popup, dialog5100::kFirstSwatch + 1));
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(popup); }));
    EXPECT_FALSE(GetCapture());
    EXPECT_EQ(page.conflictColor, 0x000080u);
    EXPECT_EQ(ColorPalette::shared().rank(1), 1);
    pumpFor(100);
    EXPECT_EQ(shownColour(item(dialog118::kConflictColor)), 0x000080u);
    EXPECT_TRUE(enabled(sheetWindow, ui::PropertySheet::kApplyNowId));
}

TEST_F(SimulatorPageOnWindows, OtherOpensTheColourDialogWhoseColourReplacesTheOldestSwatch) {
    HWND popup = dropPalette();
    ASSERT_TRUE(popup);
    const int oldest = ColorPalette::shared().leastRecentlyUsed();
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
                click(GetDlgItem(dialog, id));
                SendDlgItemMessageA(dialog, id, EM_SETSEL, 0, -1);
                typeText(text);
            }
            typed = true;
            EXPECT_GT(takeScreenshot(dialog, "colour-dialog").colours, 3u);
            click(GetDlgItem(dialog, IDOK));
        });
        click(GetDlgItem(popup, dialog5100::kOther));
    }
    ASSERT_TRUE(typed);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(popup); }));
    EXPECT_EQ(page.conflictColor, RGB(18, 52, 86));
    EXPECT_EQ(ColorPalette::shared().color(oldest), RGB(18, 52, 86));
    EXPECT_EQ(ColorPalette::shared().rank(oldest), 1);
    click(GetDlgItem(sheetWindow, IDOK));
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(sheetWindow); }));
    EXPECT_EQ(setting(PNSPropertyPage::kConflictColorKey), std::to_string(RGB(18, 52, 86)));
}

}  // namespace
}  // namespace wintest
