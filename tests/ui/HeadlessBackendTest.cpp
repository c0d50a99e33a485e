#include "simhost/ui/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "ExampleDialog.h"
#include "HeadlessFixture.h"
#include "simhost/ui/MessageBoxLayout.h"
#include "simhost/ui/TextMetrics.h"
#include "simhost/ui/WindowListing.h"

namespace {

using simhost::headless::MessageBoxLayout;
using simhost::headless::MessageBoxRecord;
using simhost::headless::TextMetrics;

class HeadlessBackendTest : public HeadlessTest {
protected:
    int32_t show(uint32_t type, const std::string& text = "Question?") {
        return backend.messageBox(ui::WindowHandle(), text, "Caption", type);
    }
    const MessageBoxRecord& lastBox() const { return backend.messageBoxes().back(); }
};

// --- Message boxes

TEST_F(HeadlessBackendTest, AMessageBoxWithoutQueuedAnswerTakesItsDefaultButton) {
    EXPECT_EQ(show(ui::kMbYesNoCancel | ui::kMbIconQuestion), ui::kIdYes);
    EXPECT_TRUE(lastBox().answeredByDefault);
    EXPECT_EQ(show(ui::kMbYesNoCancel | ui::kMbDefButton2), ui::kIdNo);
    EXPECT_EQ(show(ui::kMbYesNo | ui::kMbDefButton3), ui::kIdYes) << "no third button";
    EXPECT_EQ(show(ui::kMbOk), ui::kIdOk);

    ASSERT_EQ(backend.messageBoxes().size(), 4u);
    const MessageBoxRecord& first = backend.messageBoxes()[0];
    EXPECT_EQ(first.text, "Question?");
    EXPECT_EQ(first.caption, "Caption");
    EXPECT_EQ(first.type, ui::kMbYesNoCancel | ui::kMbIconQuestion);
    EXPECT_EQ(first.buttonTexts(), (std::vector<std::string>{"Yes", "No", "Cancel"}));
    EXPECT_TRUE(backend.topLevelWindows().empty()) << "the box is gone after its answer";
}

TEST_F(HeadlessBackendTest, QueuedAnswersAreTakenInOrder) {
    backend.answerMessageBox(ui::kIdNo);
    backend.answerMessageBoxByNumber(3);
    backend.answerMessageBoxByEscape();
    backend.answerMessageBoxByEscape();
    EXPECT_EQ(show(ui::kMbYesNoCancel), ui::kIdNo);
    EXPECT_EQ(show(ui::kMbYesNoCancel), ui::kIdCancel);
    EXPECT_EQ(show(ui::kMbYesNoCancel), ui::kIdCancel);
    EXPECT_EQ(show(ui::kMbOk), ui::kIdOk) << "Escape on a box with only OK answers OK";
    EXPECT_FALSE(lastBox().answeredByDefault);
    EXPECT_EQ(backend.pendingMessageBoxAnswers(), 0u);
}

TEST_F(HeadlessBackendTest, AnswersTheBoxCannotTakeAreSkipped) {
    backend.answerMessageBoxByEscape();
    backend.answerMessageBox(ui::kIdCancel);
    backend.answerMessageBoxByNumber(3);
    backend.answerMessageBox(ui::kIdNo);
    EXPECT_EQ(show(ui::kMbYesNo), ui::kIdNo) << "a Yes/No box has no Escape, Cancel or third";

    backend.answerMessageBoxByEscape();
    EXPECT_EQ(show(ui::kMbYesNo | ui::kMbDefButton2), ui::kIdNo);
    EXPECT_TRUE(lastBox().answeredByDefault);
}

TEST_F(HeadlessBackendTest, TheBoxIsLaidOutAsWindowsDoes) {
    show(ui::kMbYesNoCancel | ui::kMbIconWarning, "Line one\nLine two");
    const MessageBoxRecord& box = lastBox();
    ASSERT_EQ(box.buttons.size(), 3u);
    const int32_t row = 3 * 75 + 2 * 6;
    EXPECT_EQ(box.clientRect.width(), row + 24) << "the buttons are wider than icon and text";
    EXPECT_EQ(box.buttons[0].rect.left, 12);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(box.buttons[i].rect.size(), (ui::Size{75, 23}));
        EXPECT_EQ(box.buttons[i].rect.top, 12 + 32 + 12) << "below the 32-pixel icon";
    }
    EXPECT_EQ(box.buttons[1].rect.left - box.buttons[0].rect.right, 6);

    const std::string wide(60, 'x');
    show(ui::kMbOk, wide);
    EXPECT_EQ(lastBox().clientRect.width(), 12 + TextMetrics::width(wide) + 12);
    EXPECT_EQ(lastBox().buttons[0].rect.left, (lastBox().clientRect.width() - 75) / 2);
}

TEST_F(HeadlessBackendTest, TheBoxIsARealWindowWhileItIsUp) {
    ui::WindowHandle seen;
    backend.answerMessageBoxWith([&](ui::WindowHandle box) {
        seen = box;
        EXPECT_EQ(backend.getClassName(box), "#32770");
        EXPECT_EQ(backend.getWindowText(box), "Caption");
        EXPECT_EQ(backend.getActiveWindow(), box);
        EXPECT_EQ(backend.getWindowText(backend.getDlgItem(box, MessageBoxLayout::kTextId)),
                  "Question?");
        ui::WindowHandle no = backend.getDlgItem(box, ui::kIdNo);
        backend.setWindowText(no, "Later");
        return ui::kIdNo;
    });
    EXPECT_EQ(show(ui::kMbYesNo), ui::kIdNo);
    EXPECT_TRUE(seen);
    EXPECT_FALSE(backend.isWindow(seen));
    EXPECT_EQ(lastBox().buttonTexts(), (std::vector<std::string>{"Yes", "Later"}))
        << "the texts the buttons showed when the box was answered";
}

TEST_F(HeadlessBackendTest, TheOwnerIsDisabledWhileTheBoxIsUpAndActivatedAgainAfter) {
    example::OptionsDialog owner;
    ASSERT_TRUE(owner.create());
    owner.show(ui::kSwShow);
    bool ownerEnabled = true;
    backend.answerMessageBoxWith([&](ui::WindowHandle) {
        ownerEnabled = backend.isWindowEnabled(owner.handle());
        return ui::kIdOk;
    });
    owner.messageBox("Text", "Caption", ui::kMbOk);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(backend.isWindowEnabled(owner.handle()));
    EXPECT_EQ(backend.getActiveWindow(), owner.handle());
}

// --- The CBT hook

std::vector<std::pair<int32_t, uintptr_t>>* hookCalls = nullptr;

intptr_t recordingHook(int32_t code, uintptr_t wParam, intptr_t lParam) {
    if (hookCalls) hookCalls->push_back({code, wParam});
    return ui::Backend::current().callNextHook(ui::HookHandle(), code, wParam, lParam);
}

intptr_t refusingHook(int32_t code, uintptr_t, intptr_t) {
    return code == ui::kHcbtActivate ? 1 : 0;
}

TEST_F(HeadlessBackendTest, HooksSeeTheBoxCreatedAndActivatedBeforeItIsAnswered) {
    std::vector<std::pair<int32_t, uintptr_t>> calls;
    hookCalls = &calls;
    ui::HookHandle hook = backend.installCbtHook(&recordingHook);
    ui::WindowHandle box;
    backend.answerMessageBoxWith([&](ui::WindowHandle b) {
        box = b;
        EXPECT_EQ(calls.size(), 2u) << "created and activated before the answer";
        return ui::kIdOk;
    });
    show(ui::kMbOk);
    hookCalls = nullptr;
    EXPECT_TRUE(backend.removeHook(hook));
    EXPECT_FALSE(backend.removeHook(hook));
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0], std::make_pair(ui::kHcbtCreateWnd, box.value()));
    EXPECT_EQ(calls[1], std::make_pair(ui::kHcbtActivate, box.value()));
    EXPECT_EQ(calls[2], std::make_pair(ui::kHcbtDestroyWnd, box.value()));
}

TEST_F(HeadlessBackendTest, TheChainRunsNewestFirstAndPassesOn) {
    std::vector<std::pair<int32_t, uintptr_t>> calls;
    hookCalls = &calls;
    ui::HookHandle older = backend.installCbtHook(&refusingHook);
    ui::HookHandle newer = backend.installCbtHook(&recordingHook);
    example::OptionsDialog dialog;
    ASSERT_TRUE(dialog.create());
    dialog.activate();
    hookCalls = nullptr;
    EXPECT_NE(backend.getActiveWindow(), dialog.handle()) << "the older hook refused";
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), std::make_pair(ui::kHcbtActivate, dialog.handle().value()));
    backend.removeHook(newer);
    backend.removeHook(older);
    dialog.activate();
    EXPECT_EQ(backend.getActiveWindow(), dialog.handle());
}

TEST_F(HeadlessBackendTest, AHookIsCalledOnlyOnTheThreadThatInstalledIt) {
    std::vector<std::pair<int32_t, uintptr_t>> calls;
    hookCalls = &calls;
    ui::HookHandle hook;
    std::thread other([&]() { hook = backend.installCbtHook(&recordingHook); });
    other.join();
    show(ui::kMbOk);
    hookCalls = nullptr;
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(backend.installedHookCount(), 1u);
    EXPECT_TRUE(backend.removeHook(hook));
}

ui::HookHandle selfRemoving;

intptr_t removesItself(int32_t code, uintptr_t wParam, intptr_t lParam) {
    if (hookCalls) hookCalls->push_back({-100, wParam});
    ui::Backend::current().removeHook(selfRemoving);
    return ui::Backend::current().callNextHook(selfRemoving, code, wParam, lParam);
}

TEST_F(HeadlessBackendTest, AHookThatRemovesItselfStillPassesOnToTheNextOne) {
    std::vector<std::pair<int32_t, uintptr_t>> calls;
    hookCalls = &calls;
    ui::HookHandle last = backend.installCbtHook(&recordingHook);
    selfRemoving = backend.installCbtHook(&removesItself);
    show(ui::kMbOk);
    hookCalls = nullptr;
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0].first, -100);
    EXPECT_EQ(calls[1].first, ui::kHcbtCreateWnd) << "the next hook got the call";
    EXPECT_EQ(backend.installedHookCount(), 1u);
    backend.removeHook(last);
}

// --- Other services

TEST_F(HeadlessBackendTest, ColourAndFolderDialogsTakeQueuedAnswersAndOtherwiseCancel) {
    backend.answerColor(0x00FF00);
    backend.answerColor(std::nullopt);
    backend.answerFolder(std::string("C:\\Out"));
    EXPECT_EQ(backend.chooseColor({}, 255, ui::kCcFullOpen), std::optional<ui::ColorRef>(0x00FF00));
    EXPECT_EQ(backend.chooseColor({}, 255, ui::kCcFullOpen), std::nullopt);
    EXPECT_EQ(backend.chooseColor({}, 255, ui::kCcFullOpen), std::nullopt);
    EXPECT_EQ(backend.browseForFolder({}, "Choose your destination path!", ui::kBifEditBox),
              std::optional<std::string>("C:\\Out"));
    EXPECT_EQ(backend.browseForFolder({}, "Again", 0), std::nullopt);

    ASSERT_EQ(backend.colorRequests().size(), 3u);
    EXPECT_EQ(backend.colorRequests()[0].initial, 255u);
    EXPECT_EQ(backend.colorRequests()[0].flags, ui::kCcFullOpen);
    ASSERT_EQ(backend.folderRequests().size(), 2u);
    EXPECT_EQ(backend.folderRequests()[0].title, "Choose your destination path!");
}

TEST_F(HeadlessBackendTest, HelpCallsAreRecorded) {
    const std::string path = "C:\\Help\\QAV_STENCILS.CHM>$global_Visio";
    EXPECT_FALSE(backend.htmlHelp({}, path, ui::kHhDisplayTopic, 0));
    ASSERT_EQ(backend.helpCalls().size(), 1u);
    EXPECT_EQ(backend.helpCalls()[0].path, path);
    EXPECT_EQ(backend.helpCalls()[0].command, ui::kHhDisplayTopic);
    backend.clearRecords();
    EXPECT_TRUE(backend.helpCalls().empty());
}

TEST_F(HeadlessBackendTest, WindowsAreFoundByClassAndTitleAndClosedByMessage) {
    ui::WindowHandle visio = backend.createWindow({}, "VisioA", "Microsoft Visio");
    ui::WindowHandle floating = backend.createWindow({}, "MsoCommandBar", "QAV Tools 2.1.1");
    ui::WindowHandle dock = backend.createWindow(visio, "MsoCommandBarDock", "MsoDockTop");
    ui::WindowHandle docked = backend.createWindow(dock, "MsoCommandBar", "QAV Tools 2.1.1");

    EXPECT_EQ(backend.findWindow("MsoCommandBar", "QAV Tools 2.1.1"), floating);
    EXPECT_EQ(backend.findWindow("", "Microsoft Visio"), visio);
    EXPECT_FALSE(backend.findWindow("MsoCommandBar", "Other"));
    EXPECT_EQ(backend.findChildWindow(visio, "", "MsoDockTop"), dock);
    EXPECT_EQ(backend.findChildWindow(dock, "MsoCommandBar", "QAV Tools 2.1.1"), docked);
    EXPECT_FALSE(backend.findChildWindow(visio, "MsoCommandBar", "QAV Tools 2.1.1"))
        << "children only, not grandchildren";

    EXPECT_EQ(backend.sendMessage(docked, ui::kWmClose, 0, 0), 0);
    ASSERT_EQ(backend.closeMessages().size(), 1u);
    EXPECT_EQ(backend.closeMessages()[0].window, docked);
    EXPECT_EQ(backend.closeMessages()[0].className, "MsoCommandBar");
    EXPECT_FALSE(backend.isWindowVisible(docked));
    EXPECT_TRUE(backend.isWindow(docked));
}

TEST_F(HeadlessBackendTest, FramesFollowTheStyleAndOwnedDialogsSitInTheirOwnersClientArea) {
    ui::DialogTemplate owner;
    owner.caption = "Owner";
    owner.rect = {100, 80, 100, 50};
    ui::Dialog ownerDialog(owner);
    ASSERT_TRUE(ownerDialog.create());
    EXPECT_EQ(ownerDialog.windowRect(), (ui::Rect{150, 130, 306, 240})) << "3-pixel frame, title";

    ui::DialogTemplate tool;
    tool.caption = "Legend";
    tool.rect = {4, 8, 100, 50};
    tool.style |= ui::dialog_style::kToolWindow;
    ui::Dialog toolDialog(tool, ownerDialog.handle());
    ASSERT_TRUE(toolDialog.create());
    const ui::Point ownerClient = backend.clientToScreen(ownerDialog.handle(), {0, 0});
    EXPECT_EQ(ownerClient, (ui::Point{153, 156}));
    EXPECT_EQ(toolDialog.windowRect().topLeft(), (ui::Point{153 + 6, 156 + 13}));
    EXPECT_EQ(toolDialog.windowRect().height() - toolDialog.clientRect().height(), 23);
}

TEST_F(HeadlessBackendTest, TextIsMeasuredWithFixedMetrics) {
    ui::WindowHandle w = backend.createWindow({}, "Button", "x");
    EXPECT_EQ(backend.textWidth(w, "Replace ALL"), 7 + 6 + 6 + 2 + 6 + 6 + 6 + 3 + 7 + 7 + 7);
    EXPECT_LT(backend.textWidth(w, "Replace ONE"), MessageBoxLayout::kButtonWidth);
    EXPECT_EQ(backend.textWidth(w, "ab\nabcd"), 24);
    EXPECT_EQ(backend.textWidth({}, "ab"), 0) << "no window, no device context";
}

TEST_F(HeadlessBackendTest, ListViewsToolbarsAndStatusBarsKeepWhatTheyAreGiven) {
    ui::DialogTemplate t;
    t.caption = "Controls";
    t.rect = {0, 0, 200, 150};
    t.controls = {{1058, ui::ControlKind::ListView, "", {10, 40, 100, 60}, 0},
                  {1, ui::ControlKind::Toolbar, "", {}, ui::control_style::kFlat},
                  {2, ui::ControlKind::StatusBar, "", {}, 0}};
    ui::Dialog dialog(t);
    ASSERT_TRUE(dialog.create());

    ui::WindowHandle list = dialog.item(1058);
    backend.insertListViewColumn(list, 0, "No.", 37);
    backend.insertListViewColumn(list, 1, "Name", 93);
    EXPECT_EQ(backend.insertListViewItem(list, 0, "1"), 0);
    backend.setListViewItemText(list, 0, 1, "P1");
    EXPECT_EQ(backend.insertListViewItem(list, 0, "2"), 0);
    EXPECT_EQ(backend.getListViewItemCount(list), 2);
    EXPECT_EQ(backend.getListViewItemText(list, 1, 1), "P1");
    backend.deleteAllListViewItems(list);
    EXPECT_EQ(backend.getListViewItemCount(list), 0);

    ui::WindowHandle bar = dialog.item(1);
    backend.addToolbarButtons(bar, 160, {16, 15}, {{0, 40015}, {1, 40021}});
    EXPECT_EQ(dialog.itemRect(1), (ui::Rect{0, 0, 300, 26}));
    backend.setToolbarButtonState(bar, 40021, ui::kTbStateIndeterminate);
    EXPECT_FALSE(user.clickToolbarButton(dialog.handle(), 1, 40021)) << "greyed";
    EXPECT_FALSE(user.clickToolbarButton(dialog.handle(), 1, 40099)) << "no such button";

    ui::WindowHandle status = dialog.item(2);
    backend.setStatusBarMinHeight(status, 25);
    backend.setStatusBarParts(status, {150, -1});
    backend.setStatusBarText(status, 1, "Step 0", 0);
    EXPECT_EQ(backend.getStatusBarText(status, 1), "Step 0");
    EXPECT_EQ(dialog.itemRect(2), (ui::Rect{0, 244 - 27, 300, 244}));
}

TEST_F(HeadlessBackendTest, AButtonTakesTheMouseAndIsClickedOnlyWhenReleasedOverIt) {
    example::OptionsDialog dialog;
    ASSERT_TRUE(dialog.create());
    const ui::WindowHandle swatch = dialog.item(example::kSwatch);
    const ui::Rect rect = backend.getWindowRect(swatch);
    const ui::Point over{rect.left + 2, rect.top + 2};
    user.mouseDown(over);
    EXPECT_EQ(backend.getCapture(), swatch);
    EXPECT_TRUE(windowOf(swatch).pushed);
    user.mouseUp({rect.right + 20, rect.top});
    EXPECT_FALSE(backend.getCapture());
    EXPECT_FALSE(windowOf(swatch).pushed);
    EXPECT_EQ(dialog.swatchClicks, 0) << "released elsewhere";

    // Pressed by a message, as a window holding the mouse passes a press on.
    backend.sendMessage(swatch, ui::kWmLButtonDown, 0, ui::pointParam({2, 2}));
    EXPECT_EQ(backend.getCapture(), swatch);
    user.mouseUp(over);
    EXPECT_EQ(dialog.swatchClicks, 1);
}

TEST_F(HeadlessBackendTest, OpenWindowsAreListedWithWhatAUserSees) {
    example::OptionsDialog dialog;
    dialog.folder = "Pics";
    ASSERT_TRUE(dialog.create());
    dialog.enableItem(example::kBrowse, false);
    const std::string listing = simhost::headless::WindowListing::describe(backend);
    for (const char* line :
         {"\"Options\" dialog #32770 0x", " visible active\n",
          "  101 check box \"Show toolbar\" checked\n", "  102 radio button \"Floating\" checked\n",
          "  103 radio button \"Docked\" unchecked\n", "  104 edit \"Pics\"\n",
          "  105 drop-down list [emf, wmf, png] selected 0\n",
          "  106 trackbar 100..5000 at 1000 ticks every 1\n",
          "  107 push button \"Browse...\" disabled\n", "  108 icon 113\n",
          "  110 owner-drawn button filled 0x0000FF\n"}) {
        EXPECT_NE(listing.find(line), std::string::npos) << line << "\n" << listing;
    }
}

}  // namespace
