// The simulation's controls as a real window: opened by the simulator's button in the
// library Visio loads, its toolbar and status bar created at run time around the
// template's controls, its buttons told in the status bar as the mouse comes over them,
// clicked with the mouse, and closed by its close box.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "helpers/AddonConstants.h"
#include "platform/visio/VisioConstants.h"
#include "resources/Dialog119SimulationControls.h"
#include "resources/Toolbar160Simulation.h"
#include "simhost/stencil/PetriStencil.h"
#include "simulator/SimulationControlsDialog.h"
#include "tests/win32/AddonWindowsHost.h"
#include "tests/win32/DesktopUser.h"
#include "tests/win32/DrawnNets.h"
#include "tests/win32/Screenshots.h"
#include "tests/win32/TemplateCheck.h"

namespace wintest {
namespace {

constexpr char kCaption[] = "Petri Net Simulation Controls";
constexpr int kToolBar = SimulationControlsDialog::kToolBarId;
constexpr int kStatusBar = SimulationControlsDialog::kStatusBarId;
// The toolbar's buttons by their place on it.
constexpr char kShapeAdded[] =
    "You have added a shape while Petri net simulation is running. The freshly added shape is "
    "not taken into account in the current simulation.\n\n Please choose one of the "
    "possibilities below.";
enum Button { kReset, kAutoSim, kSemiAutoSim, kStepBack, kStepForward };

class SimulationControlsOnWindows : public ::testing::Test {
protected:
    HWND startSimulating() {
        // The token of p may go to q through a or to r through b: a conflict.
        document = env.host.openDocument("C:\\nets\\net.vsd", [&](simhost::Document& d) {
            drawNet(env.host, *d.page(1), {{"p", 1}, {"q"}, {"r"}}, {"a", "b"},
                    {{"p", "a"}, {"p", "b"}, {"a", "q"}, {"b", "r"}});
        });
        env.host.pump();
        EXPECT_TRUE(env.press("PNSButton"));
        controls = waitForWindow("#32770", kCaption);
        toolbar = GetDlgItem(controls, kToolBar);
        return controls;
    }
    POINT buttonCentre(Button button) const {
        RECT r = {};
        SendMessageA(toolbar, TB_GETITEMRECT, button, reinterpret_cast<LPARAM>(&r));
        MapWindowPoints(toolbar, nullptr, reinterpret_cast<POINT*>(&r), 2);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    // A click on the button, then Visio's idle tick, in which a running mode steps.
    void clickButton(Button button) {
        clickAt(buttonCentre(button));
        env.host.pump();
    }
    bool buttonEnabled(Button button) const {
        const int command = toolbar160::make().commands[button];
        return SendMessageA(toolbar, TB_ISBUTTONENABLED, command, 0) &&
               !SendMessageA(toolbar, TB_ISBUTTONINDETERMINATE, command, 0);
    }
    std::string statusText(int part) const {
        char text[256] = {};
        SendDlgItemMessageA(controls, kStatusBar, SB_GETTEXTA, part,
                            reinterpret_cast<LPARAM>(text));
        return text;
    }
    std::string itemText(int id) const { return textOf(GetDlgItem(controls, id)); }
    bool shown(int id) const { return IsWindowVisible(GetDlgItem(controls, id)) != FALSE; }

    AddonWindowsHost env{
        "CC_SaveBefore=FALSE\r\nCC_ShowLegend=FALSE\r\nPNS_Hightlight_Duration=100\r\n"};
    visio::ComRef<simhost::Document> document;
    HWND controls = nullptr;
    HWND toolbar = nullptr;
};

TEST_F(SimulationControlsOnWindows, TheyOpenAt200WithTheirBarsAndTellEachButtonUnderTheMouse) {
    ASSERT_TRUE(startSimulating());
    const RECT frame = screenRectOf(controls);
    EXPECT_EQ(frame.left, 200);
    EXPECT_EQ(frame.top, 200);
    EXPECT_FALSE(GetWindow(controls, GW_OWNER));
    expectBuiltFrom(controls, dialog119::make(),
                    {{{dialog119::kEnabledCount, "2"}, {dialog119::kConflictCount, "1"}},
                     {"ToolbarWindow32", "msctls_statusbar32"}});

    // The toolbar lies along the top, and the template's controls moved down below it.
    ASSERT_TRUE(toolbar);
    EXPECT_TRUE(GetWindowLongPtrA(toolbar, GWL_STYLE) & TBSTYLE_FLAT);
    POINT clientOrigin = {0, 0};
    ClientToScreen(controls, &clientOrigin);
    const RECT bar = screenRectOf(toolbar);
    EXPECT_EQ(bar.top, clientOrigin.y);
    EXPECT_GE(screenRectOf(GetDlgItem(controls, dialog119::kHintPicture)).top, bar.bottom);
    std::vector<int> commands;
    for (int i = 0; i < SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0); ++i) {
        TBBUTTON button = {};
        SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        commands.push_back(button.idCommand);
    }
    EXPECT_EQ(commands, toolbar160::make().commands);
    for (Button b : {kReset, kAutoSim, kSemiAutoSim, kStepForward}) EXPECT_TRUE(buttonEnabled(b));
    EXPECT_FALSE(buttonEnabled(kStepBack));

    // The status bar along the bottom: the step in its second part.
    HWND status = GetDlgItem(controls, kStatusBar);
    RECT client = {};
    GetClientRect(controls, &client);
    EXPECT_EQ(screenRectOf(status).bottom, clientOrigin.y + client.bottom);
    EXPECT_GE(screenRectOf(status).bottom - screenRectOf(status).top, 25);
    EXPECT_EQ(SendMessageA(status, SB_GETPARTS, 0, 0), 2);
    EXPECT_EQ(statusText(1), "Step 0");

    // The hint: the user has to choose what fires.
    EXPECT_TRUE(shown(dialog119::kHintPicture) && shown(dialog119::kHintText));
    EXPECT_TRUE(
        SendDlgItemMessageA(controls, dialog119::kHintPicture, STM_GETIMAGE, IMAGE_BITMAP, 0));

    HWND list = GetDlgItem(controls, dialog119::kRecursionList);
    RECT listClient = {};
    GetClientRect(list, &listClient);
    const std::pair<const char*, int> columns[] = {{"No.", listClient.right * 2 / 8},
                                                   {"Name", listClient.right * 5 / 8}};
    for (int i = 0; i < 2; ++i) {
        char text[32] = {};
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = text;
        column.cchTextMax = sizeof(text);
        ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(text, columns[i].first);
        EXPECT_EQ(column.cx, columns[i].second);
    }
    EXPECT_TRUE(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_GRIDLINES);
    EXPECT_GT(takeScreenshot(controls, "simulation-controls").colours, 3u);

    const char* texts[] = {"Reset - return to initial marking",
                           "AutoSim - conflicts/concurrencies are decided automatically",
                           "SemiAutoSim - Holds on conflicts and on concurrency", "One Step Back",
                           "One Step Forward"};
    for (Button b : {kReset, kAutoSim, kSemiAutoSim, kStepBack, kStepForward}) {
        moveMouseTo(buttonCentre(b));
        EXPECT_EQ(statusText(0), texts[b]) << "greyed buttons too";
    }
    EXPECT_EQ(statusText(1), "Step 0");
}

TEST_F(SimulationControlsOnWindows, TheirButtonsStepAndTheirCloseBoxEndsTheSimulation) {
    ASSERT_TRUE(startSimulating());
    // AutoSim decides the conflict and stops: nothing is enabled afterwards.
    clickButton(kAutoSim);
    ASSERT_TRUE(waitUntil([&] { return statusText(1) == "Step 1"; }));
    EXPECT_EQ(itemText(dialog119::kEnabledCount), "0");
    EXPECT_EQ(itemText(dialog119::kConflictCount), "0");
    EXPECT_FALSE(shown(dialog119::kHintPicture) || shown(dialog119::kHintText));
    EXPECT_FALSE(buttonEnabled(kAutoSim));
    EXPECT_TRUE(buttonEnabled(kStepBack));

    clickButton(kStepBack);
    EXPECT_EQ(statusText(1), "Step 0");
    EXPECT_EQ(itemText(dialog119::kEnabledCount), "2");
    EXPECT_TRUE(shown(dialog119::kHintText));

    // Enter and Escape close nothing; the close box does, and the next idle tick ends the
    // simulation, so that the button starts a new one.
    SetForegroundWindow(controls);
    pressKey(VK_ESCAPE);
    pressKey(VK_RETURN);
    ASSERT_TRUE(IsWindow(controls));
    clickAt(closeBoxOf(controls));
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(controls); }));
    env.host.pump();
    ASSERT_TRUE(env.press("PNSButton"));
    HWND again = waitForWindow("#32770", kCaption);
    EXPECT_TRUE(again);
    EXPECT_TRUE(env.press("PNSButton"));
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(again); }));
}

TEST_F(SimulationControlsOnWindows, AShapeAddedMeanwhileAsksAndAbortClosesThem) {
    ASSERT_TRUE(startSimulating());
    BoxSeen seen;
    {
        UserThread user([&] {
            seen = answerBox(productTitle, kShapeAdded, VK_RETURN, "simulator-shape-added");
        });
        env.host.addShape(*document->page(1), simhost::ShapeSpec::box(6, 6, 1, 1));
    }
    EXPECT_TRUE(seen.shown && seen.hasText);
    EXPECT_EQ(seen.buttons, (std::vector<std::string>{"Abort Simulation", "Restart Simulation",
                                                      "Cancel Editing"}));
    env.host.pump();
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(controls); }));
}

}  // namespace
}  // namespace wintest
