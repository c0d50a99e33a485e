#include "resources/Dialog112Legend.h"

#include "platform/ui/WinApiConstants.h"

namespace dialog112 {

namespace {

ui::ControlTemplate groupBox(const char* title, ui::UnitRect place) {
    return {ui::kIdStatic, ui::ControlKind::GroupBox, title, place};
}

ui::ControlTemplate text(const char* content, ui::UnitRect place) {
    return {ui::kIdStatic, ui::ControlKind::StaticText, content, place};
}

ui::ControlTemplate colour(int32_t id, int32_t icon, ui::UnitRect place) {
    return {id, ui::ControlKind::IconPicture, "", place, ui::control_style::kNotify, icon};
}

}  // namespace

ui::DialogTemplate make() {
    namespace ds = ui::dialog_style;
    ui::DialogTemplate t;
    t.id = kId;
    t.caption = "QAV Support Tools - Consistency Checker Legend";
    t.rect = {3, 1, 237, 198};
    t.style = ds::kPopup | ds::kCaption | ds::kSystemMenu | ds::kToolWindow;
    t.controls = {
        groupBox("Syntax Error", {5, 5, 225, 70}),
        colour(kSyntaxErrorColor, kSyntaxErrorIcon, {10, 32, 20, 20}),
        text("A syntax error was detected. The diagram may be not bipartite or contains "
             "non-interpretable constructs.\n\nNote: please attach start/end point of edges to "
             "the connection points of shapes to build up a valid connection.The edges must "
             "also touch the shapes.",
             {35, 17, 190, 50}),
        groupBox("Anti-Pattern", {5, 80, 225, 25}),
        colour(kAntiPatternColor, kAntiPatternIcon, {10, 84, 20, 20}),
        text("A common Anti-Pattern or a Name Clash was recognized.", {35, 89, 190, 10}),
        groupBox("OK", {5, 110, 225, 25}),
        colour(kConsistentColor, kConsistentIcon, {10, 114, 20, 20}),
        text("No syntax errors or Anti-Patterns were detected.", {35, 119, 190, 10}),
        groupBox("Ignored", {5, 140, 225, 35}),
        colour(kIgnoredColor, kIgnoredIcon, {10, 151, 20, 20}),
        text("Element was ignored because it is not considered relevant for consistency "
             "checking or it was disabled for this check.",
             {35, 151, 190, 20}),
        text("To obtain more information please click on a color.", {38, 182, 160, 10}),
    };
    return t;
}

}  // namespace dialog112
