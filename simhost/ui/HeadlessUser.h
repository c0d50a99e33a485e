// Plays the user on the headless backend's windows: clicks, ticks, types, chooses, moves
// trackbars, presses Enter, Escape and a sheet's buttons, closes windows, uses toolbars
// and the mouse. Like a user it can only reach what is there, shown and enabled: each
// action answers false when it could not be done, and nothing happens then.
//
// A control is looked for among the window's children first, then in its shown
// descendants (so a sheet's controls and those of its shown page are both reachable
// from the sheet).
//
// While a window holds the mouse capture, a click goes where the mouse goes: to that
// window, at the middle of the control clicked.
#pragma once

#include <cstdint>
#include <string>

#include "simhost/ui/HeadlessBackend.h"

namespace simhost::headless {

class HeadlessUser {
public:
    explicit HeadlessUser(HeadlessBackend& backend) : backend_(backend) {}

    ui::WindowHandle control(ui::WindowHandle window, int32_t id) const;

    // A push button, check box, radio button, owner-drawn button or notifying picture.
    bool click(ui::WindowHandle window, int32_t id);
    // Clicks a check box when it is not in the state wanted.
    bool tick(ui::WindowHandle window, int32_t id, bool checked);
    // Replaces an edit's text, which reports the change.
    bool type(ui::WindowHandle window, int32_t id, const std::string& text);
    // An entry of a drop-down list or a tab.
    bool choose(ui::WindowHandle window, int32_t id, int32_t index);
    bool moveTrackbar(ui::WindowHandle window, int32_t id, int32_t position);

    // To the top-level dialog the window belongs to: IDOK and IDCANCEL.
    bool pressEnter(ui::WindowHandle window);
    bool pressEscape(ui::WindowHandle window);
    // WM_CLOSE, as the close box sends it.
    bool close(ui::WindowHandle window);
    bool activate(ui::WindowHandle window);

    // A property sheet's buttons and tabs.
    bool pressOk(ui::WindowHandle sheet);
    bool pressCancel(ui::WindowHandle sheet);
    bool pressApply(ui::WindowHandle sheet);
    bool selectPage(ui::WindowHandle sheet, int32_t index);

    bool clickToolbarButton(ui::WindowHandle window, int32_t toolbarId, int32_t command);
    // The mouse comes over the middle of a toolbar button, greyed or not.
    bool hoverToolbarButton(ui::WindowHandle window, int32_t toolbarId, int32_t command);

    // The left mouse button at a screen point: to the window with the capture, else to
    // the window there.
    void mouseDown(ui::Point screenPoint);
    void mouseUp(ui::Point screenPoint);
    void moveMouse(ui::Point screenPoint);
    // Pressed and released at the point.
    void clickAt(ui::Point screenPoint);

private:
    // Clicks the control, through the mouse while another window holds the capture.
    bool press(const HeadlessWindow& control);
    // The control when it is there, shown and enabled, and its dialog takes input.
    const HeadlessWindow* usable(ui::WindowHandle window, int32_t id) const;
    bool takesInput(ui::WindowHandle window) const;
    const HeadlessWindow* toolbarButtonHolder(ui::WindowHandle window, int32_t toolbarId,
                                              int32_t command) const;

    HeadlessBackend& backend_;
};

}  // namespace simhost::headless
