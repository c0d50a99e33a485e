#include "ExampleDialog.h"

namespace example {

ui::DialogTemplate optionsTemplate() {
    using ui::ControlKind;
    namespace cs = ui::control_style;
    ui::DialogTemplate t;
    t.id = 901;
    t.caption = "Options";
    t.rect = {10, 20, 200, 120};
    t.style |= ui::dialog_style::kVisible;
    t.controls = {
        {kShow, ControlKind::CheckBox, "Show toolbar", {8, 8, 100, 10}, cs::kTabStop},
        {kFloating, ControlKind::RadioButton, "Floating", {8, 22, 60, 10}, cs::kGroup},
        {kDocked, ControlKind::RadioButton, "Docked", {70, 22, 60, 10}, 0},
        {kFolder, ControlKind::Edit, "", {8, 36, 120, 12}, cs::kAutoHScroll},
        {kFormat, ControlKind::DropDownList, "", {8, 52, 60, 60}, 0, 0, {"emf", "wmf", "png"}},
        {kDelay, ControlKind::Trackbar, "", {8, 68, 120, 14}, cs::kAutoTicks},
        {kBrowse, ControlKind::PushButton, "Browse...", {140, 36, 50, 14}, 0},
        {kPicture, ControlKind::IconPicture, "", {140, 8, 20, 20}, cs::kNotify, 113},
        {kNote, ControlKind::StaticText, "A note", {8, 86, 120, 10}, 0},
        {kSwatch, ControlKind::OwnerDrawButton, "", {140, 60, 20, 14}, 0},
        {ui::kIdOk, ControlKind::PushButton, "OK", {90, 100, 50, 14}, cs::kDefaultButton},
        {ui::kIdCancel, ControlKind::PushButton, "Cancel", {145, 100, 50, 14}, 0},
    };
    return t;
}

OptionsDialog::OptionsDialog(ui::WindowHandle parent) : ui::Dialog(optionsTemplate(), parent) {
    mapClicked(kBrowse, [this]() { ++browseClicks; });
    mapClicked(kPicture, [this]() { ++pictureClicks; });
    mapClicked(kSwatch, [this]() { ++swatchClicks; });
    mapCommand(kFolder, ui::kEnChange, [this]() { ++folderChanges; });
    mapCommand(kFormat, ui::kCbnSelChange, [this]() { ++formatChanges; });
    mapScroll(kDelay, [this](int32_t code) {
        if (code == ui::kTbEndTrack) ++delayScrolls;
    });
    mapDrawItem(kSwatch, [this](const ui::DrawItem& item) {
        item.canvas->fillRect(item.rect, swatch);
        item.canvas->drawEdge(item.rect, ui::kEdgeRaised, ui::kBfRect);
    });
}

bool OptionsDialog::OnInitDialog() {
    backend().setTrackbarRange(item(kDelay), 100, 5000);
    return ui::Dialog::OnInitDialog();
}

void OptionsDialog::DoDataExchange(ui::DataExchange& dx) {
    dx.check(kShow, showToolbar);
    dx.radio(kFloating, placement);
    dx.text(kFolder, folder);
    dx.listIndex(kFormat, format);
    dx.trackbarPosition(kDelay, delay);
}

}  // namespace example
