#include "resources/Dialog119SimulationControls.h"

#include "platform/ui/WinApiConstants.h"

namespace dialog119 {

ui::DialogTemplate make() {
    namespace cs = ui::control_style;
    namespace ds = ui::dialog_style;
    using ui::ControlKind;
    ui::DialogTemplate t;
    t.id = kId;
    t.caption = "Petri Net Simulation Controls";
    t.rect = {0, 0, 234, 170};
    t.style = ds::kPopup | ds::kCaption | ds::kSystemMenu | ds::kToolWindow;
    t.controls = {
        {kHintPicture, ControlKind::BitmapPicture, "", {7, 7, 20, 20}, cs::kHidden, kHintBitmap},
        {kHintText,
         ControlKind::StaticText,
         "Please select enabled transitions to fire\nor\ngo back one step",
         {34, 5, 193, 26},
         cs::kHidden},
        {kRecursionGroup,
         ControlKind::GroupBox,
         "Recursion Stack",
         {7, 36, 220, 62},
         cs::kDisabled},
        {kRecursionList,
         ControlKind::ListView,
         "",
         {14, 48, 206, 44},
         cs::kDisabled | cs::kBorder | cs::kTabStop},
        {kInfoGroup, ControlKind::GroupBox, "Current Petri Net Info", {7, 102, 220, 44}},
        {kEnabledLabel, ControlKind::StaticText, "Enabled Transitions:", {14, 116, 90, 8}},
        {kEnabledCount, ControlKind::StaticText, "0", {110, 116, 40, 8}},
        {kConflictLabel, ControlKind::StaticText, "Conflict Places:", {14, 130, 90, 8}},
        {kConflictCount, ControlKind::StaticText, "0", {110, 130, 40, 8}},
    };
    return t;
}

}  // namespace dialog119
