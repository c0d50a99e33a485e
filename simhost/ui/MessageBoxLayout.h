// How the headless backend lays out a standard message box, as Windows does at 96 dpi:
// 12-pixel margins; a 32-pixel icon followed by a 12-pixel gap when the type names one;
// the text (13-pixel lines, widths from TextMetrics); below them the buttons, 75 x 23
// pixels each, 6 pixels apart, centred. The client area is as wide as the wider of the
// icon and text and the button row, margins included.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/Geometry.h"

namespace simhost::headless {

struct MessageBoxLayout {
    static constexpr int32_t kMargin = 12;
    static constexpr int32_t kIconSize = 32;
    static constexpr int32_t kButtonWidth = 75;
    static constexpr int32_t kButtonHeight = 23;
    static constexpr int32_t kButtonGap = 6;
    // The id Windows gives a message box's text and icon.
    static constexpr int32_t kTextId = 0xFFFF;
    static constexpr int32_t kIconId = 0x14;

    struct Button {
        int32_t id = 0;
        std::string text;
        ui::Rect rect;
    };

    ui::Size clientSize;
    bool hasIcon = false;
    ui::Rect iconRect;
    ui::Rect textRect;
    // In their order on the box.
    std::vector<Button> buttons;

    static MessageBoxLayout compute(const std::string& text, uint32_t type);
    // The ids of the type's buttons in their order: OK; OK, Cancel; Yes, No, Cancel; Yes, No.
    static std::vector<int32_t> buttonIds(uint32_t type);
    static const char* buttonText(int32_t id);
    // The button the box answers when the user presses Enter at once (MB_DEFBUTTONn).
    static int32_t defaultButton(uint32_t type);
    // What Escape and the close box answer: Cancel, or OK on a box with only OK; 0 when
    // the box offers neither (Yes/No).
    static int32_t escapeAnswer(uint32_t type);
};

}  // namespace simhost::headless
