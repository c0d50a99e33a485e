#include "tests/win32/DesktopUser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "tests/win32/Screenshots.h"

namespace wintest {
namespace {

void handleMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void send(INPUT input) {
    SendInput(1, &input, sizeof(INPUT));
}

INPUT mouse(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

INPUT key(WORD virtualKey, WORD character, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = character;
    input.ki.dwFlags = flags;
    return input;
}

}  // namespace

bool waitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > milliseconds) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        handleMessages();
    }
    return true;
}

void pumpFor(DWORD milliseconds) {
    waitUntil([] { return false; }, milliseconds);
}

void clickAt(POINT screenPoint) {
    SetCursorPos(screenPoint.x, screenPoint.y);
    send(mouse(MOUSEEVENTF_LEFTDOWN));
    send(mouse(MOUSEEVENTF_LEFTUP));
    // The windows of this thread see the click only when it handles its messages.
    pumpFor(60);
}

void moveMouseTo(POINT screenPoint) {
    // Absolute moves are in 65536ths of the primary screen.
    INPUT input = mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    input.mi.dx = MulDiv(screenPoint.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(screenPoint.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    send(input);
    pumpFor(60);
}

void click(HWND window) {
    const RECT r = screenRectOf(window);
    clickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void pressKey(WORD virtualKey) {
    send(key(virtualKey, 0, 0));
    send(key(virtualKey, 0, KEYEVENTF_KEYUP));
    pumpFor(60);
}

void typeText(const std::string& text) {
    for (char c : text) {
        send(key(0, static_cast<unsigned char>(c), KEYEVENTF_UNICODE));
        send(key(0, static_cast<unsigned char>(c), KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
    pumpFor(60);
}

// Key by key: under load Wine can drop a key of a burst, which the user would see and
// press again.
void typeInto(HWND edit, const std::string& text) {
    constexpr int kTries = 3;
    click(edit);
    waitForFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (std::size_t typed = 0; typed < text.size(); ++typed) {
        const int wanted = static_cast<int>(typed + 1);
        for (int i = 0; i < kTries; ++i) {
            typeText(text.substr(typed, 1));
            if (waitUntil([&] { return GetWindowTextLengthA(edit) >= wanted; }, 1000)) break;
        }
    }
}

bool waitForFocus(HWND control) {
    const DWORD thread = GetWindowThreadProcessId(control, nullptr);
    return waitUntil([&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        return GetGUIThreadInfo(thread, &info) && info.hwndFocus == control;
    });
}

HWND waitForWindow(const char* className, const char* caption) {
    HWND found = nullptr;
    waitUntil([&] {
        found = FindWindowA(className, caption);
        return found && IsWindowVisible(found);
    });
    return found;
}

HWND childWithText(HWND parent, const std::string& text) {
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (textOf(c) == text) return c;
    }
    return nullptr;
}

HWND waitForOwnWindow(const char* className, const std::string& caption) {
    struct Search {
        std::string className;
        std::string caption;
        HWND found;
    } search{className, caption, nullptr};
    waitUntil([&] {
        search.found = nullptr;
        EnumWindows(
            [](HWND w, LPARAM data) -> BOOL {
                auto& s = *reinterpret_cast<Search*>(data);
                DWORD process = 0;
                GetWindowThreadProcessId(w, &process);
                const bool match = process == GetCurrentProcessId() && IsWindowVisible(w) &&
                                   classOf(w) == s.className && textOf(w) == s.caption;
                if (match) s.found = w;
                return !match;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    return search.found;
}

POINT closeBoxOf(HWND window) {
    // The caption's row, searched from the right edge for the place the window calls
    // its close box.
    const RECT r = screenRectOf(window);
    for (LONG y = r.top + 2; y < r.top + GetSystemMetrics(SM_CYCAPTION) + 8; ++y) {
        for (LONG x = r.right - 2; x > r.right - 60; --x) {
            if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE)
                return {x - 4, y + 3};
        }
    }
    return {r.right - 10, r.top + 10};
}

BoxSeen answerBox(const char* caption, const std::string& text, WORD key, const char* screenshot) {
    BoxSeen seen;
    HWND box = waitForWindow("#32770", caption);
    if (!box) return seen;
    seen.shown = true;
    seen.hasText = childWithText(box, text) != nullptr;
    seen.owner = GetWindow(box, GW_OWNER);
    std::vector<std::pair<LONG, std::string>> buttons;
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (classOf(c) == "Button") buttons.emplace_back(screenRectOf(c).left, textOf(c));
    }
    std::sort(buttons.begin(), buttons.end());
    for (const auto& b : buttons) seen.buttons.push_back(b.second);
    if (screenshot) {
        EXPECT_GT(takeScreenshot(box, screenshot).colours, 3u) << screenshot << " looks blank";
    }
    SetForegroundWindow(box);
    pressKey(key);
    return seen;
}

std::string textOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::string classOf(HWND window) {
    char name[257] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

RECT screenRectOf(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

}  // namespace wintest
