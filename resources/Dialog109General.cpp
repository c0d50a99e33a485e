#include "resources/Dialog109General.h"

namespace dialog109 {

ui::DialogTemplate make() {
    namespace cs = ui::control_style;
    using ui::ControlKind;
    ui::DialogTemplate t;
    t.id = kId;
    t.caption = "General";
    t.rect = {0, 0, 267, 175};
    t.style = ui::dialog_style::kChild;
    t.controls = {
        {kShowToolbar,
         ControlKind::CheckBox,
         "Show QAV Support Tools Toolbar",
         {14, 14, 200, 10},
         cs::kTabStop},
        {kFloating,
         ControlKind::RadioButton,
         "as Floating Toolbar",
         {28, 32, 180, 10},
         cs::kGroup | cs::kTabStop},
        {kDocked, ControlKind::RadioButton, "as non-Floating Toolbar", {28, 46, 180, 10}},
        {kNoteBox, ControlKind::GroupBox, "Note", {7, 118, 253, 50}, cs::kGroup},
        {kNote,
         ControlKind::StaticText,
         "Use right-click on an empty toolbar area of Visio to regain access to the QAV "
         "Support Tools.",
         {16, 132, 235, 28}},
    };
    return t;
}

}  // namespace dialog109
