#include "resources/Dialog110Checker.h"

#include "platform/ui/WinApiConstants.h"

namespace dialog110 {

ui::DialogTemplate make() {
    namespace cs = ui::control_style;
    using ui::ControlKind;
    ui::DialogTemplate t;
    t.id = kId;
    t.caption = "Consistency Checker";
    t.rect = {0, 0, 267, 175};
    t.style = ui::dialog_style::kChild;
    t.controls = {
        {kShowLegend,
         ControlKind::CheckBox,
         "Show Legend if performing Consistency Check",
         {13, 10, 180, 9},
         cs::kTabStop},
        {kSaveBefore,
         ControlKind::CheckBox,
         "Save document before Consistency Check",
         {13, 25, 180, 10},
         cs::kTabStop},
        {ui::kIdStatic, ControlKind::GroupBox, "Optional Checking", {13, 75, 240, 90}},
        {kNameClashes, ControlKind::CheckBox, "Name Clashes", {20, 95, 165, 9}, cs::kTabStop},
        {ui::kIdStatic,
         ControlKind::StaticText,
         "Checks if identifiers are assigned more than once.",
         {32, 105, 165, 20}},
        {kAntiPatterns, ControlKind::CheckBox, "Anti-Patterns", {20, 133, 165, 9}, cs::kTabStop},
        {ui::kIdStatic,
         ControlKind::StaticText,
         "Checks if a common anti-pattern was used within the drawing.",
         {32, 143, 202, 20}},
    };
    return t;
}

}  // namespace dialog110
