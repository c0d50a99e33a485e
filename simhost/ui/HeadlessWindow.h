// One window of the headless backend with everything a user could see of it: its place,
// text, state and, for controls, their contents. Tests and the runner read these.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/ControlTemplate.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Handle.h"
#include "platform/ui/ToolbarButton.h"
#include "platform/ui/WindowEvents.h"

namespace simhost::headless {

struct ListViewColumn {
    std::string text;
    int32_t width = 0;
};

struct StatusBarPart {
    int32_t rightEdge = -1;
    std::string text;
    uint32_t style = 0;
};

// One drawing call of an owner-drawn control's last painting.
struct PaintOperation {
    enum class Kind { Fill, Edge, Frame };
    Kind kind = Kind::Fill;
    ui::Rect rect;
    ui::ColorRef color = 0;  // Fill and Frame
    uint32_t edge = 0;       // Edge
    uint32_t borders = 0;    // Edge
};

struct HeadlessWindow {
    ui::WindowHandle handle;
    // A child's parent; none for top-level windows.
    ui::WindowHandle parent;
    // A top-level window's owner.
    ui::WindowHandle owner;
    std::string className;
    std::string text;
    int32_t id = 0;
    // The id of the template a dialog was made from; id holds it for pages only.
    int32_t templateId = 0;
    // The kind of a control made from a template; none for dialogs and other windows.
    std::optional<ui::ControlKind> kind;
    // control_style flags of a control, dialog_style flags of a dialog.
    uint32_t style = 0;
    int32_t resourceId = 0;

    // A child's rectangle in its parent's client coordinates, a top-level window's on
    // the screen.
    ui::Rect rect;
    // The frame around the client area: left, top (with the title bar), right, bottom.
    ui::Rect frame;
    // Dialog base units of the dialog's font, in pixels.
    ui::Size baseUnits{6, 13};
    bool visible = false;
    bool enabled = true;
    bool topmost = false;
    // Children in z-order, the top first (for dialogs: the order of the template).
    std::vector<ui::WindowHandle> children;
    // The object behind a dialog window; null for controls and other windows.
    ui::WindowEvents* events = nullptr;
    bool destroying = false;

    // Buttons: checked or not, and held down by the mouse (BST_PUSHED).
    int32_t check = 0;
    bool pushed = false;
    // Drop-down lists and tab controls.
    std::vector<std::string> entries;
    int32_t selection = -1;
    // Trackbars.
    int32_t trackbarMinimum = 0;
    int32_t trackbarMaximum = 100;
    int32_t trackbarPosition = 0;
    int32_t ticFrequency = 1;
    bool ticsCleared = false;
    int32_t tipSide = ui::kTbtsTop;
    // List views.
    uint32_t listViewStyle = 0;
    std::vector<ListViewColumn> columns;
    std::vector<std::vector<std::string>> rows;
    // Toolbars.
    int32_t toolbarBitmap = 0;
    ui::Size toolbarImageSize;
    std::vector<ui::ToolbarButton> toolbarButtons;
    // Status bars.
    std::vector<StatusBarPart> statusParts;
    int32_t statusMinHeight = 0;
    // Owner-drawn controls: what the last painting drew.
    std::vector<PaintOperation> painting;

    // The colour of the last painting's first fill, which an owner-drawn control that
    // shows a colour paints first; none before any fill.
    std::optional<ui::ColorRef> filledColor() const {
        for (const PaintOperation& op : painting) {
            if (op.kind == PaintOperation::Kind::Fill) return op.color;
        }
        return std::nullopt;
    }

    bool isChild() const { return static_cast<bool>(parent); }
    bool isKind(ui::ControlKind k) const { return kind && *kind == k; }
    bool hasStyle(uint32_t flag) const { return (style & flag) != 0; }
};

}  // namespace simhost::headless
