// The user at the virtual display: the mouse and the keyboard through SendInput, which
// reach the windows as the system's own input does, and the waiting while the windows
// handle it. Works from the thread that owns the windows (it handles their messages
// while it waits) and from a second thread while the first runs a modal loop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

namespace wintest {

// Handles this thread's messages until the condition holds; false when it did not
// within the time.
bool waitUntil(const std::function<bool()>& condition, DWORD milliseconds = 5000);
// Handles this thread's messages for that long.
void pumpFor(DWORD milliseconds);

void clickAt(POINT screenPoint);
// In the middle of the window.
void click(HWND window);
void pressKey(WORD virtualKey);
void typeText(const std::string& text);

// The first shown top-level window of the class and caption (null caption: any),
// waited for; null when none came.
HWND waitForWindow(const char* className, const char* caption);
// A top-level dialog's control whose window text is the text (for controls without id).
HWND childWithText(HWND parent, const std::string& text);

// Plays the user on a second thread while this one is inside a modal loop (a message
// box, a modal dialog); joined when the object goes.
class UserThread {
public:
    explicit UserThread(std::function<void()> play) : thread_(std::move(play)) {}
    ~UserThread() { thread_.join(); }
    UserThread(const UserThread&) = delete;
    UserThread& operator=(const UserThread&) = delete;

private:
    std::thread thread_;
};

std::string textOf(HWND window);
std::string classOf(HWND window);
RECT screenRectOf(HWND window);

}  // namespace wintest
