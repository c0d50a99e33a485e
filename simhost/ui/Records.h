// What the headless backend records of the system services the add-on used: every
// message box, help call, WM_CLOSE, colour dialog and folder browser.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Geometry.h"
#include "platform/ui/Handle.h"

namespace simhost::headless {

// A button of a message box as it was when the box was answered.
struct MessageBoxButton {
    int32_t id = 0;
    std::string text;
    // In the box's client coordinates.
    ui::Rect rect;
    bool visible = true;
};

struct MessageBoxRecord {
    ui::WindowHandle owner;
    std::string text;
    std::string caption;
    uint32_t type = 0;
    // The id of the button that ended the box (kIdOk, kIdCancel, kIdYes, kIdNo).
    int32_t answer = 0;
    // True when no queued answer decided it and the default button did.
    bool answeredByDefault = false;
    // The buttons in their order on the box, with the texts they showed.
    std::vector<MessageBoxButton> buttons;
    // The box's client area (left and top 0).
    ui::Rect clientRect;

    // The texts of the buttons, in their order.
    std::vector<std::string> buttonTexts() const {
        std::vector<std::string> texts;
        for (const MessageBoxButton& b : buttons) texts.push_back(b.text);
        return texts;
    }
};

struct HelpCall {
    ui::WindowHandle caller;
    std::string path;
    uint32_t command = 0;
    uintptr_t data = 0;
};

struct CloseMessage {
    ui::WindowHandle window;
    std::string className;
    std::string title;
};

struct ColorRequest {
    ui::WindowHandle owner;
    ui::ColorRef initial = 0;
    uint32_t flags = 0;
    std::optional<ui::ColorRef> answer;
};

struct FolderRequest {
    ui::WindowHandle owner;
    std::string title;
    uint32_t flags = 0;
    std::optional<std::string> answer;
};

}  // namespace simhost::headless
