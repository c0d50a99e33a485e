// A toolbar along the top of a dialog, in the manner of MFC's CToolBar inside a dialog:
// created at run time, filled from a toolbar resource (a strip of equally sized button
// images and the command of each button), and given room by moving the dialog's other
// controls down and making the dialog taller. A click on a button reaches the dialog as
// the button's command (WM_COMMAND with BN_CLICKED); the mouse moving over the bar
// reaches the object (Control::OnMouseMove).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/ui/Control.h"
#include "platform/ui/ToolbarButton.h"

namespace ui {

// A toolbar resource: the bitmap holding the button images side by side, the size of
// one image, and the buttons' commands in order (0 for a separator).
struct ToolbarResource {
    int32_t bitmapId = 0;
    Size imageSize;
    std::vector<int32_t> commands;
};

class ToolBar : public Control {
public:
    // Creates the bar along the top of the dialog (flat: kFlat in style) and takes it
    // over; false when the dialog has no window.
    bool create(Dialog& parent, int32_t id, uint32_t style);
    // Adds the resource's buttons, enabled, each showing its image of the strip.
    void loadToolBar(const ToolbarResource& resource);
    // Moves every other control of the dialog down by the bar's height and makes the
    // dialog that much taller, so that the bar covers nothing.
    void makeRoomInParent();

    // 0 when the bar has no such button.
    uint8_t buttonState(int32_t command) const;
    void setButtonState(int32_t command, uint8_t state);
    int32_t buttonCount() const;
    // The command of the button at the index, from 0; 0 where there is none.
    int32_t commandAt(int32_t index) const;
    // In the bar's client coordinates; empty where there is no button.
    Rect itemRect(int32_t index) const;
    // The command of the button under the point of the bar's client area; 0 where no
    // button is (a separator, or past the last button).
    int32_t commandAtPoint(Point point) const;
};

}  // namespace ui
