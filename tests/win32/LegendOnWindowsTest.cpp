// The checker's legend as a real window: it opens when a check starts in the library
// Visio loads; its colour pictures and Enter open help topics, or tell in a box owned by
// the legend that there is no help file.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "helpers/AddonConstants.h"
#include "resources/Dialog112Legend.h"
#include "simhost/stencil/PetriStencil.h"
#include "tests/win32/AddonWindowsHost.h"
#include "tests/win32/DesktopUser.h"
#include "tests/win32/Screenshots.h"
#include "tests/win32/TemplateCheck.h"

namespace wintest {
namespace {

constexpr char kLegendCaption[] = "QAV Support Tools - Consistency Checker Legend";
constexpr char kNoHelpFile[] =
    "The QAV Stencils Help file could not be found. Make sure that your File Path settings of "
    "Visio are correct and the Help file exists there.";
constexpr int kPictures[] = {dialog112::kSyntaxErrorColor, dialog112::kAntiPatternColor,
                             dialog112::kConsistentColor, dialog112::kIgnoredColor};

class LegendOnWindows : public ::testing::Test {
protected:
    // Starts a check on a Petri net; the legend opens with it.
    HWND startChecking(const std::string& helpFolders) {
        env.host.application().SetHelpPaths(helpFolders);
        env.host.openDocument("C:\\nets\\net.vsd", [](simhost::Document& document) {
            simhost::stencil::dropPlace(*document.page(1));
        });
        EXPECT_TRUE(env.press("CCStartButton"));
        return waitForWindow("#32770", kLegendCaption);
    }

    AddonWindowsHost env{"CC_SaveBefore=FALSE\r\n"};
};

TEST_F(LegendOnWindows, ItShowsTheFourLooksAboveOtherWindowsUntilCheckingStops) {
    HWND legend = startChecking("");
    ASSERT_TRUE(legend);
    expectBuiltFrom(legend, dialog112::make());
    for (int id : kPictures) {
        EXPECT_TRUE(SendDlgItemMessageA(legend, id, STM_GETICON, 0, 0)) << id;
        EXPECT_TRUE(GetWindowLongPtrA(GetDlgItem(legend, id), GWL_STYLE) & SS_NOTIFY) << id;
    }
    const LONG_PTR exStyle = GetWindowLongPtrA(legend, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(GetWindow(legend, GW_OWNER));
    EXPECT_GT(takeScreenshot(legend, "checker-legend").colours, 3u);

    EXPECT_TRUE(env.press("CCStopButton"));
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(legend); }));
}

TEST_F(LegendOnWindows, WithoutHelpFileEachPictureAndEnterTellInABoxOfTheLegend) {
    HWND legend = startChecking("C:\\nowhere");
    ASSERT_TRUE(legend);
    for (int id : kPictures) {
        BoxSeen seen;
        {
            UserThread user([&] {
                seen = answerBox(productTitle, kNoHelpFile, VK_RETURN,
                                 id == kPictures[0] ? "checker-legend-no-help" : nullptr);
            });
            click(GetDlgItem(legend, id));
        }
        EXPECT_TRUE(seen.shown && seen.hasText) << id;
        EXPECT_EQ(seen.owner, legend) << id;
    }
    BoxSeen seen;
    {
        UserThread user([&] { seen = answerBox(productTitle, kNoHelpFile, VK_ESCAPE); });
        SetForegroundWindow(legend);
        pressKey(VK_RETURN);
    }
    EXPECT_TRUE(seen.shown && seen.hasText) << "Enter opens the checker's topic";
    EXPECT_TRUE(IsWindow(legend)) << "Enter leaves the legend open";
}

TEST_F(LegendOnWindows, WithTheHelpFileAPictureAsksHtmlHelp) {
    env.system.makeFolders("C:\\help");
    env.system.writeFile("C:\\help\\QAV_STENCILS.CHM", "help");
    HWND legend = startChecking("C:\\help");
    ASSERT_TRUE(legend);
    click(GetDlgItem(legend, dialog112::kAntiPatternColor));
    EXPECT_TRUE(GetModuleHandleA("hhctrl.ocx")) << "HTML Help was not loaded";
    EXPECT_FALSE(FindWindowA("#32770", productTitle));
}

}  // namespace
}  // namespace wintest
