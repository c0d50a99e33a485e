// Delivers the headless backend's window messages to the objects behind its dialogs:
// commands, notifications, trackbar scrolls and mouse buttons go to the nearest dialog
// of the window concerned; owner-drawn controls are painted by their dialog on a
// recording canvas. A dialog that is being destroyed receives nothing more.
#pragma once

#include <cstdint>

#include "simhost/ui/WindowTree.h"

namespace simhost::headless {

class DialogMessenger {
public:
    explicit DialogMessenger(WindowTree& tree) : tree_(tree) {}

    void command(ui::WindowHandle window, int32_t id, int32_t notification);
    void notify(ui::WindowHandle window, int32_t id, int32_t code, intptr_t parameter);
    void scroll(ui::WindowHandle control, int32_t code);
    // The point on the screen; the dialog gets it in its client coordinates.
    void mouseButton(ui::WindowHandle window, uint32_t message, ui::Point screenPoint);
    // The point in the control's client coordinates; its dialog hands it on.
    void controlMouseMove(ui::WindowHandle control, ui::Point point);

    // Has an owner-drawn control painted by its dialog and keeps what it drew.
    void paint(ui::WindowHandle control);
    void paintOwnerDrawn(ui::WindowHandle dialog);

    // Checks the radio button and clears the others of its group: the radio buttons
    // around it up to those that start a group.
    void checkRadioGroup(HeadlessWindow& button);

private:
    // The dialog that takes the window's messages, or null.
    HeadlessWindow* receiver(ui::WindowHandle window);

    WindowTree& tree_;
};

}  // namespace simhost::headless
