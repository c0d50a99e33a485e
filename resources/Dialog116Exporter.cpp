#include "resources/Dialog116Exporter.h"

#include <string>
#include <vector>

#include "platform/ui/WinApiConstants.h"

namespace dialog116 {
namespace {

std::vector<std::string> formatEntries() {
    return std::vector<std::string>(kFormatNames.begin(), kFormatNames.end());
}

}  // namespace

ui::DialogTemplate make() {
    namespace cs = ui::control_style;
    using ui::ControlKind;
    ui::DialogTemplate t;
    t.id = kId;
    t.caption = "Picture Exporter";
    t.rect = {0, 0, 267, 175};
    t.style = ui::dialog_style::kChild;
    t.controls = {
        {ui::kIdStatic,
         ControlKind::StaticText,
         "Export all page drawings (except background-pages) to picture files named "
         "corresponding the page name:",
         {7, 7, 253, 18}},
        {kExportA, ControlKind::CheckBox, "Export as:", {13, 30, 50, 10}, cs::kTabStop},
        {kFormatA,
         ControlKind::DropDownList,
         "",
         {65, 29, 45, 80},
         cs::kTabStop,
         0,
         formatEntries()},
        {kFolderLabelA, ControlKind::StaticText, "Output Folder:", {13, 47, 50, 8}},
        {kFolderA, ControlKind::Edit, "", {65, 45, 130, 12}, cs::kTabStop | cs::kAutoHScroll},
        {kBrowseA, ControlKind::PushButton, "Browse...", {200, 44, 55, 14}, cs::kTabStop},
        {kRelativeA,
         ControlKind::CheckBox,
         "relative to original document",
         {65, 60, 150, 10},
         cs::kTabStop},
        {kExportB, ControlKind::CheckBox, "Export as:", {13, 78, 50, 10}, cs::kTabStop},
        {kFormatB,
         ControlKind::DropDownList,
         "",
         {65, 77, 45, 80},
         cs::kTabStop,
         0,
         formatEntries()},
        {kFolderLabelB, ControlKind::StaticText, "Output Folder:", {13, 95, 50, 8}},
        {kFolderB, ControlKind::Edit, "", {65, 93, 130, 12}, cs::kTabStop},
        {kBrowseB, ControlKind::PushButton, "Browse...", {200, 92, 55, 14}, cs::kTabStop},
        {kRelativeB,
         ControlKind::CheckBox,
         "relative to original document",
         {65, 108, 150, 10},
         cs::kTabStop},
        {kNamingException,
         ControlKind::CheckBox,
         "Name picture like document if only one foreground page",
         {13, 124, 240, 10},
         cs::kTabStop},
        {ui::kIdStatic, ControlKind::GroupBox, "Note", {7, 138, 253, 30}},
        {ui::kIdStatic,
         ControlKind::StaticText,
         "The export settings used are the same as the current export settings available "
         "in the File -> Save as... dialog.",
         {13, 148, 240, 16}},
    };
    return t;
}

}  // namespace dialog116
