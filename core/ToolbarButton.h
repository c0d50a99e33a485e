// A tool's button on the add-on's command bar: adding it and setting it up.
#pragma once

#include <cstdint>
#include <string>

#include "platform/visio/VToolbarItem.h"

class CommandBarObject;

// The icon numbers of the button faces: positions among the library's icon groups in
// ascending id order (resources/QAVSupportTools.rc).
namespace buttonIcon {
constexpr int kCheckerStart = 0;   // icon group 104
constexpr int kCheckerStop = 1;    // 105
constexpr int kPreferences = 2;    // 107
constexpr int kPictureExport = 6;  // 116
constexpr int kHelp = 8;           // 121
constexpr int kSimulator = 9;      // 122
}  // namespace buttonIcon

// What a tool puts on its button; the icon number selects one of the library's icon
// groups (see resources/icons).
struct ButtonLook {
    std::string tooltip;
    std::string tag;
    // Only the checker, the simulator and the help button carry one (the help button's
    // is empty, which still sets it).
    bool hasCaption = false;
    std::string caption;
    // 3 for the checker's and the simulator's buttons, 1 for the others.
    int16_t secondDisplayValue = 1;
    int iconNumber = 0;
    bool enabled = true;
    // Only the buttons that show a pressed state set it: 0 up, -1 pressed.
    bool hasState = false;
    int16_t state = 0;
};

// The look of a button that switches its tool between running and idle (the checker's
// and the simulator's): with a caption, the second display value 3, and a state, pressed
// (-1) while the tool runs, when it is always enabled.
ButtonLook switchButtonLook(const std::string& tooltip, const std::string& tag,
                            const std::string& caption, int iconNumber, bool running, bool enabled);

// The face of a button: an icon reference into this library.
std::string buttonFace(int iconNumber);

// Adds a new item at the end of the bar's toolbar (every call adds one); empty when the
// bar holds no toolbar.
visio::VToolbarItem getButtonControl(const CommandBarObject* bar);

// Sets the item's properties in the order Visio is to receive them; nothing on an empty
// item.
void setUpButton(const visio::VToolbarItem& item, const ButtonLook& look);
