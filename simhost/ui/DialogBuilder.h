// Builds the headless windows of a dialog template: the dialog with its frame and its
// controls, placed by the template's dialog units.
//
// Dialog base units follow the font size: 6 x 13 pixels for 8 points. Frames: none for a
// child page; 3 pixels on each side and a 23-pixel title bar for a captioned window (17
// for a tool window); 1 pixel for a bordered window without title bar. Toolbars without
// a place of their own sit along the top (their height comes with their buttons), status
// bars along the bottom (20 pixels, or their minimum height plus 2).
#pragma once

#include "platform/ui/DialogTemplate.h"
#include "simhost/ui/WindowTree.h"

namespace simhost::headless {

class DialogBuilder {
public:
    static constexpr int32_t kStatusBarHeight = 20;

    explicit DialogBuilder(WindowTree& tree) : tree_(tree) {}

    // The dialog window, not yet visible, with its controls; null when a child template
    // has no parent. A top-level dialog is placed relative to its owner's client area.
    HeadlessWindow* build(const ui::DialogTemplate& dialog, ui::WindowHandle parent,
                          ui::WindowEvents* events);

    static ui::Size baseUnitsFor(int16_t fontSize);
    static ui::Rect map(const ui::UnitRect& units, ui::Size baseUnits);
    static ui::Rect frameFor(uint32_t dialogStyle);
    static const char* classNameOf(ui::ControlKind kind);
    // Places a status bar along the bottom of its parent's client area.
    static void dockStatusBar(HeadlessWindow& statusBar, const ui::Rect& parentClient);

    // A control of the template added to the dialog, after its other children.
    HeadlessWindow& addControl(HeadlessWindow& dialog, const ui::ControlTemplate& control);

private:
    WindowTree& tree_;
};

}  // namespace simhost::headless
