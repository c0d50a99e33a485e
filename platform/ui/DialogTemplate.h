// A dialog as data: what a resource script's DIALOGEX block holds. One definition
// serves every backend; the Windows backend builds the native template from it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/ControlTemplate.h"

namespace ui {

// Window styles of a dialog (the Windows backend turns them into WS_ and DS_ bits).
namespace dialog_style {
inline constexpr uint32_t kChild = 0x0001;       // a page inside another window
inline constexpr uint32_t kPopup = 0x0002;       // a top-level window
inline constexpr uint32_t kCaption = 0x0004;     // with a title bar
inline constexpr uint32_t kSystemMenu = 0x0008;  // with a close box
inline constexpr uint32_t kToolWindow = 0x0010;  // with the small title bar
inline constexpr uint32_t kVisible = 0x0020;     // shown when created
inline constexpr uint32_t kBorder = 0x0040;      // a thin frame without title bar
}  // namespace dialog_style

struct DialogTemplate {
    int32_t id = 0;
    std::string caption;
    UnitRect rect;
    std::string fontName = "MS Sans Serif";
    int16_t fontSize = 8;
    uint32_t style = dialog_style::kPopup | dialog_style::kCaption | dialog_style::kSystemMenu;
    std::vector<ControlTemplate> controls;

    bool hasStyle(uint32_t flag) const { return (style & flag) != 0; }
    // The control with the id, or null.
    const ControlTemplate* control(int32_t controlId) const;
    // The radio buttons of the group that starts at firstId, in template order: the
    // first and every radio button after it up to the next one that starts a group.
    std::vector<int32_t> radioGroup(int32_t firstId) const;
};

}  // namespace ui
