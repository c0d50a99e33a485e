#include "resources/Dialog118Simulator.h"

#include "platform/ui/WinApiConstants.h"

namespace dialog118 {

ui::DialogTemplate make() {
    namespace cs = ui::control_style;
    using ui::ControlKind;
    ui::DialogTemplate t;
    t.id = kId;
    t.caption = "Petri Net Simulator";
    t.rect = {0, 0, 267, 175};
    t.style = ui::dialog_style::kChild;
    t.controls = {
        {kHighlightConflicts,
         ControlKind::CheckBox,
         "Highlight Conflict Situations during Simulation",
         {13, 10, 200, 10},
         cs::kTabStop},
        {kConflictColorLabel, ControlKind::StaticText, "Choose Highlight Color:", {25, 26, 90, 8}},
        {kConflictColor, ControlKind::OwnerDrawButton, "", {120, 24, 30, 12}, cs::kTabStop},
        {kHighlightEnabled,
         ControlKind::CheckBox,
         "Highlight Enabled Transitions during Simulation",
         {13, 44, 200, 10},
         cs::kTabStop},
        {kEnabledColorLabel, ControlKind::StaticText, "Choose Highlight Color:", {25, 60, 90, 8}},
        {kEnabledColor, ControlKind::OwnerDrawButton, "", {120, 58, 30, 12}, cs::kTabStop},
        // "&&" is one ampersand on the screen, as in a resource script.
        {ui::kIdStatic,
         ControlKind::GroupBox,
         "Automatic && Semi-Automatic Simulation",
         {7, 80, 253, 88}},
        {ui::kIdStatic,
         ControlKind::StaticText,
         "Firing Delay (in milliseconds):",
         {15, 94, 150, 8}},
        {kDelay,
         ControlKind::Trackbar,
         "",
         {15, 106, 190, 20},
         cs::kTabStop | cs::kAutoTicks | cs::kToolTips},
        {kDelayText, ControlKind::StaticText, "", {210, 111, 28, 8}},
        {ui::kIdStatic, ControlKind::StaticText, "ms", {240, 111, 12, 8}},
        {ui::kIdStatic,
         ControlKind::StaticText,
         "Semi-Automatic Simulation only:",
         {15, 134, 150, 8}},
        {kFireAll,
         ControlKind::CheckBox,
         "Simultaneously fire concurrent Transitions",
         {15, 147, 200, 10},
         cs::kTabStop},
    };
    return t;
}

}  // namespace dialog118
