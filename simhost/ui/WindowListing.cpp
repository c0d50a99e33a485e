#include "simhost/ui/WindowListing.h"

#include <cstdio>
#include <optional>

namespace simhost::headless {
namespace {

using ui::ControlKind;

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items) out += (out.empty() ? "" : ", ") + item;
    return "[" + out + "]";
}

std::string hex(uintptr_t value) {
    char buffer[32];
    std::snprintf(buffer, sizeof(buffer), "0x%llx", static_cast<unsigned long long>(value));
    return buffer;
}

// A COLORREF as Windows writes it: 0x00BBGGRR.
std::string colorText(ui::ColorRef color) {
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "0x%06X", static_cast<unsigned>(color));
    return buffer;
}

std::string tipSideName(int32_t side) {
    switch (side) {
        case ui::kTbtsTop:
            return "top";
        case ui::kTbtsLeft:
            return "left";
        case ui::kTbtsBottom:
            return "bottom";
        case ui::kTbtsRight:
            return "right";
        default:
            return std::to_string(side);
    }
}

}  // namespace

std::string WindowListing::describe(const HeadlessBackend& backend) {
    std::string out;
    for (ui::WindowHandle h : backend.topLevelWindows()) describeInto(backend, h, 0, out);
    return out;
}

std::string WindowListing::describe(const HeadlessBackend& backend, ui::WindowHandle window) {
    std::string out;
    describeInto(backend, window, 0, out);
    return out;
}

void WindowListing::describeInto(const HeadlessBackend& backend, ui::WindowHandle window, int depth,
                                 std::string& out) {
    const HeadlessWindow* w = backend.window(window);
    if (!w) return;
    std::string line(static_cast<size_t>(depth) * 2, ' ');
    if (w->kind) {
        line += std::to_string(w->id) + " " + kindName(*w);
        if (!w->text.empty()) line += " " + quoted(w->text);
        line += contents(*w);
    } else {
        line += quoted(w->text) + (w->events ? " dialog " : " window ") + w->className;
        line += w->isChild() ? " " + std::to_string(w->id) : " " + hex(window.value());
    }
    out += line + states(backend, *w) + "\n";
    for (ui::WindowHandle child : w->children) describeInto(backend, child, depth + 1, out);
}

std::string WindowListing::kindName(const HeadlessWindow& w) {
    switch (*w.kind) {
        case ControlKind::CheckBox:
            return "check box";
        case ControlKind::RadioButton:
            return "radio button";
        case ControlKind::PushButton:
            return "push button";
        case ControlKind::GroupBox:
            return "group box";
        case ControlKind::StaticText:
            return "text";
        case ControlKind::IconPicture:
            return "icon " + std::to_string(w.resourceId);
        case ControlKind::BitmapPicture:
            return "bitmap " + std::to_string(w.resourceId);
        case ControlKind::Edit:
            return "edit";
        case ControlKind::DropDownList:
            return "drop-down list";
        case ControlKind::Trackbar:
            return "trackbar";
        case ControlKind::ListView:
            return "list view";
        case ControlKind::OwnerDrawButton:
            return "owner-drawn button";
        case ControlKind::Toolbar:
            return "toolbar";
        case ControlKind::StatusBar:
            return "status bar";
        case ControlKind::TabControl:
            return "tabs";
    }
    return "control";
}

std::string WindowListing::contents(const HeadlessWindow& w) {
    switch (*w.kind) {
        case ControlKind::DropDownList:
        case ControlKind::TabControl:
            return " " + joined(w.entries) + " selected " + std::to_string(w.selection);
        case ControlKind::Trackbar:
            return " " + std::to_string(w.trackbarMinimum) + ".." +
                   std::to_string(w.trackbarMaximum) + " at " + std::to_string(w.trackbarPosition) +
                   (w.hasStyle(ui::control_style::kAutoTicks)
                        ? " ticks every " + std::to_string(w.ticFrequency)
                        : "") +
                   (w.hasStyle(ui::control_style::kToolTips) ? " tips " + tipSideName(w.tipSide)
                                                             : "");
        case ControlKind::OwnerDrawButton: {
            std::optional<ui::ColorRef> color = w.filledColor();
            return color ? " filled " + colorText(*color) : "";
        }
        case ControlKind::ListView: {
            std::string rows;
            for (const std::vector<std::string>& row : w.rows) rows += " " + joined(row);
            return " " + std::to_string(w.rows.size()) + " rows" + rows;
        }
        case ControlKind::Toolbar: {
            std::vector<std::string> buttons;
            for (const ui::ToolbarButton& b : w.toolbarButtons) {
                bool enabled = (b.state & ui::kTbStateEnabled) != 0;
                bool pressed = (b.state & (ui::kTbStatePressed | ui::kTbStateChecked)) != 0;
                buttons.push_back(std::to_string(b.command) + (enabled ? "" : " greyed") +
                                  (pressed ? " pressed" : ""));
            }
            return " " + joined(buttons);
        }
        case ControlKind::StatusBar: {
            std::vector<std::string> parts;
            for (const StatusBarPart& p : w.statusParts) parts.push_back(quoted(p.text));
            return " " + joined(parts);
        }
        default:
            return "";
    }
}

std::string WindowListing::states(const HeadlessBackend& backend, const HeadlessWindow& w) {
    std::string out;
    if (w.isKind(ControlKind::CheckBox) || w.isKind(ControlKind::RadioButton)) {
        out += w.check == ui::kBstChecked ? " checked" : " unchecked";
    }
    if (!w.isChild()) out += w.visible ? " visible" : " hidden";
    if (w.isChild() && !w.visible) out += " hidden";
    if (w.pushed) out += " pushed";
    if (!w.enabled) out += " disabled";
    if (w.topmost) out += " topmost";
    if (backend.activeWindow() == w.handle) out += " active";
    return out;
}

}  // namespace simhost::headless
