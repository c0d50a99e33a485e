// One control of a dialog template, as data every backend builds its window from.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/WinApiConstants.h"

namespace ui {

// A place in dialog units, as a resource script writes it: x, y, width, height.
struct UnitRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t cx = 0;
    int32_t cy = 0;
};

enum class ControlKind {
    CheckBox,     // automatic: a click toggles it
    RadioButton,  // automatic: a click checks it and clears the rest of its group
    PushButton,
    GroupBox,
    StaticText,
    IconPicture,    // an icon resource, shown at the control's place
    BitmapPicture,  // a bitmap resource, shown at its own size
    Edit,
    DropDownList,  // a combo box the user can only choose from
    Trackbar,
    ListView,         // report view
    OwnerDrawButton,  // the dialog paints it (see DrawItem)
    Toolbar,          // along the top unless given a place
    StatusBar,        // along the bottom
    TabControl,       // the tabs of a property sheet
};

// Style flags of a control (the Windows backend turns them into WS_, BS_, SS_, ES_, CBS_,
// TBS_ and TBSTYLE_ bits).
namespace control_style {
inline constexpr uint32_t kGroup = 0x0001;  // starts a group (radio buttons)
inline constexpr uint32_t kTabStop = 0x0002;
inline constexpr uint32_t kDisabled = 0x0004;       // created disabled
inline constexpr uint32_t kHidden = 0x0008;         // created not visible
inline constexpr uint32_t kNotify = 0x0010;         // a picture or text that reports clicks
inline constexpr uint32_t kAutoHScroll = 0x0020;    // an edit that scrolls horizontally
inline constexpr uint32_t kSorted = 0x0040;         // a list that sorts its entries
inline constexpr uint32_t kDefaultButton = 0x0080;  // the push button Enter presses
inline constexpr uint32_t kFlat = 0x0100;           // a flat toolbar
inline constexpr uint32_t kToolTips = 0x0200;       // a trackbar that shows its position
inline constexpr uint32_t kAutoTicks = 0x0400;      // a trackbar with tick marks
inline constexpr uint32_t kBorder = 0x0800;
}  // namespace control_style

struct ControlTemplate {
    ControlTemplate() = default;
    ControlTemplate(int32_t controlId, ControlKind controlKind, std::string controlText,
                    UnitRect place, uint32_t flags = 0, int32_t resource = 0,
                    std::vector<std::string> listEntries = {})
        : id(controlId),
          kind(controlKind),
          text(std::move(controlText)),
          rect(place),
          style(flags),
          resourceId(resource),
          entries(std::move(listEntries)) {}

    int32_t id = kIdStatic;
    ControlKind kind = ControlKind::StaticText;
    std::string text;
    UnitRect rect;
    uint32_t style = 0;
    // The icon or bitmap of a picture, the button bitmap of a toolbar.
    int32_t resourceId = 0;
    // The entries a drop-down list or tab control starts with, in order.
    std::vector<std::string> entries;

    bool hasStyle(uint32_t flag) const { return (style & flag) != 0; }
};

}  // namespace ui
