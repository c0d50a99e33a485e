// The message box with caller-given buttons on real message boxes: the thread's CBT hook
// gives the system's box the caller's texts, the row widened and centred, and the answer
// is the number of the button the user pressed. A box opened while another is up keeps
// its own texts, and the first keeps its.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "helpers/MessageBoxWithButtons.h"
#include "platform/ui/WinApiConstants.h"
#include "platform/win32/Win32Backend.h"
#include "tests/win32/DesktopUser.h"
#include "tests/win32/Screenshots.h"

namespace wintest {
namespace {

constexpr int kGap = 6;

std::vector<int> buttonIds(size_t count) {
    if (count == 3) return {IDYES, IDNO, IDCANCEL};
    if (count == 2) return {IDYES, IDNO};
    return {IDOK};
}

int ask(const std::string& caption, const std::vector<std::string>& texts) {
    const HWND none = nullptr;
    const ui::WindowHandle owner(reinterpret_cast<uintptr_t>(none));
    switch (texts.size()) {
        case 3:
            return messageBoxWithButtons(owner, "Which one?", caption, texts[0], texts[1], texts[2],
                                         ui::kMbIconQuestion);
        case 2:
            return messageBoxWithButtons(owner, "Which one?", caption, texts[0], texts[1],
                                         ui::kMbIconQuestion);
        default:
            return messageBoxWithButtons(owner, "Noted.", caption, texts[0], ui::kMbIconStop);
    }
}

// The box as the user sees it: its buttons' texts and whether they form one row of
// equal buttons, 6 pixels apart and centred (a single button keeps its place).
struct BoxLook {
    std::vector<std::string> texts;
    bool rowLaidOut = false;
};

BoxLook lookAt(HWND box, size_t count) {
    BoxLook look;
    RECT client;
    GetClientRect(box, &client);
    std::vector<RECT> places;
    for (int id : buttonIds(count)) {
        HWND button = GetDlgItem(box, id);
        look.texts.push_back(textOf(button));
        RECT r = screenRectOf(button);
        MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
        places.push_back(r);
    }
    const int width = places[0].right - places[0].left;
    const int n = static_cast<int>(count);
    const int left = (client.right - (n * width + (n - 1) * kGap)) / 2;
    look.rowLaidOut = true;
    for (int i = 0; count > 1 && i < n; ++i) {
        const RECT& r = places[static_cast<size_t>(i)];
        look.rowLaidOut &= r.right - r.left == width && r.left == left + i * (width + kGap);
    }
    return look;
}

// The user comes back to the box from another window: the box is activated once more,
// and every activation gives the buttons their texts and lays the row out. (Wine
// activates a message box before the box places its own buttons, which undoes the row
// of the first activation; Windows activates it once it is laid out.)
void activateAnew(HWND box) {
    HWND other = CreateWindowExA(WS_EX_TOOLWINDOW, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 8, 8,
                                 nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    pumpFor(50);
    SetForegroundWindow(box);
    pumpFor(100);
    DestroyWindow(other);
}

// Long texts make a row wider than its box: the user clicks what the box shows of the
// button.
void clickShownPart(HWND box, int id) {
    RECT shown;
    const RECT button = screenRectOf(GetDlgItem(box, id));
    const RECT inside = screenRectOf(box);
    IntersectRect(&shown, &button, &inside);
    clickAt({(shown.left + shown.right) / 2, (shown.top + shown.bottom) / 2});
}

// Under load a click can land before the box takes the mouse: the user clicks again
// until the box has gone. A box that never goes is closed, so that the expectations
// fail instead of the run hanging on it.
void clickUntilGone(HWND box, int id) {
    constexpr int kTries = 5;
    for (int i = 0; i < kTries && IsWindow(box); ++i) {
        if (i > 0) activateAnew(box);
        clickShownPart(box, id);
        if (waitUntil([&] { return !IsWindow(box); }, 1000)) return;
    }
    ADD_FAILURE() << "the box did not take the click";
    PostMessageA(box, WM_CLOSE, 0, 0);
}

class MessageBoxOnWindows : public ::testing::Test {
protected:
    MessageBoxOnWindows() { ui::Backend::install(&backend); }
    ~MessageBoxOnWindows() override { ui::Backend::install(nullptr); }

    win32::Win32Backend backend;
};

TEST_F(MessageBoxOnWindows, ItShowsTheCallersTextsAndAnswersTheButtonPressed) {
    std::mt19937 random(1108);
    const std::array<std::string, 4> words = {"Replace ALL", "Replace ONE", "Cancel",
                                              "QAV-Petri_net and some more words to fit"};
    // Each button count answered by each of its buttons, and by Escape where it has one.
    for (size_t count = 1; count <= 3; ++count) {
        for (int press = 0; press <= static_cast<int>(count); ++press) {
            if (press == 0 && count == 2) continue;  // Yes/No has no Escape
            std::vector<std::string> texts;
            for (size_t i = 0; i < count; ++i) texts.push_back(words[random() % words.size()]);
            const std::string caption = "Box " + std::to_string(count) + std::to_string(press);
            BoxLook look;
            int answer = 0;
            {
                UserThread user([&] {
                    HWND box = waitForWindow("#32770", caption.c_str());
                    if (!box) return;
                    activateAnew(box);
                    look = lookAt(box, count);
                    if (count == 3 && press == 3) {
                        EXPECT_GT(takeScreenshot(box, "message-box-three-buttons").colours, 3u);
                    }
                    if (press == 0) {
                        SetForegroundWindow(box);
                        pressKey(VK_ESCAPE);
                    } else {
                        clickUntilGone(box, buttonIds(count)[static_cast<size_t>(press - 1)]);
                    }
                });
                answer = ask(caption, texts);
            }
            SCOPED_TRACE(caption);
            EXPECT_EQ(look.texts, texts);
            EXPECT_TRUE(look.rowLaidOut);
            EXPECT_EQ(answer, press == 0 ? static_cast<int>(count == 3 ? 3 : 1) : press);
        }
    }
    EXPECT_FALSE(messageBoxButtonsState().hook);
}

int innerAnswer = 0;

VOID CALLBACK openInnerBox(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    innerAnswer = ask("Inner", {"First inside", "Second inside"});
}

TEST_F(MessageBoxOnWindows, ABoxOpenedWhileAnotherIsUpLeavesEachItsTexts) {
    const std::vector<std::string> outerTexts = {"Replace ALL", "Replace ONE", "Cancel"};
    BoxLook outerMeanwhile, innerLook, outerAfter;
    int outerAnswer = 0;
    {
        UserThread user([&] {
            HWND outer = waitForWindow("#32770", "Outer");
            HWND inner = waitForWindow("#32770", "Inner");
            if (!outer || !inner) return;
            activateAnew(inner);
            outerMeanwhile = lookAt(outer, 3);
            innerLook = lookAt(inner, 2);
            EXPECT_GT(takeScreenshot(inner, "message-box-inside-another").colours, 3u);
            clickUntilGone(inner, IDNO);
            activateAnew(outer);
            outerAfter = lookAt(outer, 3);
            clickUntilGone(outer, IDCANCEL);
        });
        // The inner box opens from the outer one's message loop, as an event would.
        SetTimer(nullptr, 0, 100, &openInnerBox);
        outerAnswer = ask("Outer", outerTexts);
    }
    EXPECT_EQ(outerMeanwhile.texts, outerTexts);
    EXPECT_EQ(innerLook.texts, (std::vector<std::string>{"First inside", "Second inside"}));
    EXPECT_EQ(outerAfter.texts, outerTexts);
    EXPECT_TRUE(innerLook.rowLaidOut);
    EXPECT_TRUE(outerAfter.rowLaidOut);
    EXPECT_EQ(innerAnswer, 2);
    EXPECT_EQ(outerAnswer, 3);
}

}  // namespace
}  // namespace wintest
