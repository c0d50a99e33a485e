// The user at the virtual display: the mouse and the keyboard through SendInput, which
// reach the windows as the system's own input does, and the waiting while the windows
// handle it. Works from the thread that owns the windows (it handles their messages
// while it waits) and from a second thread while the first runs a modal loop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace wintest {

// Handles this thread's messages until the condition holds; false when it did not
// within the time.
bool waitUntil(const std::function<bool()>& condition, DWORD milliseconds = 5000);
// Handles this thread's messages for that long.
void pumpFor(DWORD milliseconds);

void clickAt(POINT screenPoint);
// The mouse moves there, as the user's hand moves it.
void moveMouseTo(POINT screenPoint);
// In the middle of the window.
void click(HWND window);
void pressKey(WORD virtualKey);
void typeText(const std::string& text);
// Clicks into the edit, waits for its focus, and types the text over what it holds; waits
// until the edit holds as many characters, so that the next key cannot outrun them.
void typeInto(HWND edit, const std::string& text);

// Waits until the control has the keyboard focus of its thread: keys sent before the
// thread moved it (a Tab under load) would reach the control before.
bool waitForFocus(HWND control);
// The first shown top-level window of the class and caption (null caption: any),
// waited for; null when none came.
HWND waitForWindow(const char* className, const char* caption);
// A top-level dialog's control whose window text is the text (for controls without id).
HWND childWithText(HWND parent, const std::string& text);
// The same among this process's windows only, where the caption may be empty.
HWND waitForOwnWindow(const char* className, const std::string& caption);
// The close box of the window's caption, in screen coordinates.
POINT closeBoxOf(HWND window);

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

// A message box as the user saw it, and answered from a second thread.
struct BoxSeen {
    bool shown = false;
    // A static of the box shows the text.
    bool hasText = false;
    HWND owner = nullptr;
    // The texts of its buttons, left to right.
    std::vector<std::string> buttons;
};
// Waits for the box with the caption, reads it, takes its picture when a name is given,
// and answers it with the key (Enter, Escape).
BoxSeen answerBox(const char* caption, const std::string& text, WORD key,
                  const char* screenshot = nullptr);

std::string textOf(HWND window);
std::string classOf(HWND window);
RECT screenRectOf(HWND window);

}  // namespace wintest
