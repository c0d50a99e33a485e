#include "simhost/ui/DialogBuilder.h"

#include <algorithm>
#include <memory>

namespace simhost::headless {
namespace {

// MulDiv: rounds half away from zero.
int32_t mulDiv(int32_t value, int32_t multiplier, int32_t divisor) {
    int64_t product = static_cast<int64_t>(value) * multiplier;
    int64_t half = divisor / 2;
    return static_cast<int32_t>(product >= 0 ? (product + half) / divisor
                                             : (product - half) / divisor);
}

}  // namespace

ui::Size DialogBuilder::baseUnitsFor(int16_t fontSize) {
    int32_t size = fontSize > 0 ? fontSize : 8;
    return {mulDiv(size, 6, 8), mulDiv(size, 13, 8)};
}

ui::Rect DialogBuilder::map(const ui::UnitRect& units, ui::Size baseUnits) {
    return {mulDiv(units.x, baseUnits.cx, 4), mulDiv(units.y, baseUnits.cy, 8),
            mulDiv(units.x + units.cx, baseUnits.cx, 4),
            mulDiv(units.y + units.cy, baseUnits.cy, 8)};
}

ui::Rect DialogBuilder::frameFor(uint32_t style) {
    namespace ds = ui::dialog_style;
    if (style & ds::kChild) return {};
    if (style & ds::kCaption) return {3, (style & ds::kToolWindow) ? 20 : 26, 3, 3};
    if (style & ds::kBorder) return {1, 1, 1, 1};
    return {};
}

const char* DialogBuilder::classNameOf(ui::ControlKind kind) {
    switch (kind) {
        case ui::ControlKind::CheckBox:
        case ui::ControlKind::RadioButton:
        case ui::ControlKind::PushButton:
        case ui::ControlKind::GroupBox:
        case ui::ControlKind::OwnerDrawButton:
            return "Button";
        case ui::ControlKind::StaticText:
        case ui::ControlKind::IconPicture:
        case ui::ControlKind::BitmapPicture:
            return "Static";
        case ui::ControlKind::Edit:
            return "Edit";
        case ui::ControlKind::DropDownList:
            return "ComboBox";
        case ui::ControlKind::Trackbar:
            return "msctls_trackbar32";
        case ui::ControlKind::ListView:
            return "SysListView32";
        case ui::ControlKind::Toolbar:
            return "ToolbarWindow32";
        case ui::ControlKind::StatusBar:
            return "msctls_statusbar32";
        case ui::ControlKind::TabControl:
            return "SysTabControl32";
    }
    return "Static";
}

void DialogBuilder::dockStatusBar(HeadlessWindow& statusBar, const ui::Rect& parentClient) {
    int32_t height = std::max(kStatusBarHeight, statusBar.statusMinHeight + 2);
    statusBar.rect = {0, parentClient.bottom - height, parentClient.right, parentClient.bottom};
}

HeadlessWindow* DialogBuilder::build(const ui::DialogTemplate& dialog, ui::WindowHandle parent,
                                     ui::WindowEvents* events) {
    const bool child = dialog.hasStyle(ui::dialog_style::kChild);
    const HeadlessWindow* parentWindow = tree_.find(parent);
    if (child && !parentWindow) return nullptr;

    auto window = std::make_unique<HeadlessWindow>();
    window->className = "#32770";
    window->text = dialog.caption;
    window->id = child ? dialog.id : 0;
    window->templateId = dialog.id;
    window->style = dialog.style;
    window->events = events;
    window->baseUnits = baseUnitsFor(dialog.fontSize);
    window->frame = frameFor(dialog.style);
    ui::Rect client =
        map({dialog.rect.x, dialog.rect.y, dialog.rect.cx, dialog.rect.cy}, window->baseUnits);
    window->rect = {client.left, client.top,
                    client.right + window->frame.left + window->frame.right,
                    client.bottom + window->frame.top + window->frame.bottom};
    if (child) {
        window->parent = parent;
    } else {
        window->owner = parentWindow ? parent : ui::WindowHandle();
        if (parentWindow) {
            ui::Point origin = tree_.clientOrigin(*parentWindow);
            window->rect = window->rect.offsetBy(origin.x, origin.y);
        }
    }
    HeadlessWindow& built = tree_.add(std::move(window));
    for (const ui::ControlTemplate& control : dialog.controls) addControl(built, control);
    return &built;
}

HeadlessWindow& DialogBuilder::addControl(HeadlessWindow& dialog,
                                          const ui::ControlTemplate& control) {
    namespace cs = ui::control_style;
    auto window = std::make_unique<HeadlessWindow>();
    window->parent = dialog.handle;
    window->className = classNameOf(control.kind);
    window->text = control.text;
    window->id = control.id;
    window->kind = control.kind;
    window->style = control.style;
    window->resourceId = control.resourceId;
    window->visible = !control.hasStyle(cs::kHidden);
    window->enabled = !control.hasStyle(cs::kDisabled);
    window->entries = control.entries;
    window->rect = map(control.rect, dialog.baseUnits);
    const ui::Rect client = tree_.clientRect(dialog);
    if (control.kind == ui::ControlKind::TabControl && !control.entries.empty()) {
        window->selection = 0;
    }
    if (control.kind == ui::ControlKind::Toolbar && control.rect.cx <= 0) {
        window->rect = {0, 0, client.right, 0};
    }
    if (control.kind == ui::ControlKind::StatusBar) dockStatusBar(*window, client);
    return tree_.add(std::move(window));
}

}  // namespace simhost::headless
