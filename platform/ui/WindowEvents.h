// What a backend tells the object behind a dialog window: the window messages the
// add-on's dialogs handle, decoded (WM_INITDIALOG, WM_COMMAND, WM_NOTIFY, WM_HSCROLL,
// WM_DRAWITEM, mouse buttons, the mouse moving over a control, WM_CLOSE, WM_DESTROY,
// WM_NCDESTROY).
#pragma once

#include <cstdint>

#include "platform/ui/Canvas.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Handle.h"

namespace ui {

// One request to paint an owner-drawn control (DRAWITEMSTRUCT).
struct DrawItem {
    int32_t controlId = 0;
    WindowHandle control;
    Rect rect;           // the control's client area
    uint32_t state = 0;  // kOdsSelected, kOdsDisabled, kOdsFocus
    Canvas* canvas = nullptr;
};

class WindowEvents {
public:
    // The window exists; sent before anything else, with its handle.
    virtual void wmCreate(WindowHandle window) = 0;
    // Answers whether the system should set the focus.
    virtual bool wmInitDialog() = 0;
    virtual void wmCommand(int32_t id, int32_t notification) = 0;
    virtual void wmNotify(int32_t id, int32_t code, intptr_t parameter) = 0;
    virtual void wmHScroll(int32_t id, int32_t code) = 0;
    virtual void wmDrawItem(const DrawItem& item) = 0;
    // kWmLButtonDown or kWmLButtonUp at a point of the window's client area.
    virtual void wmMouseButton(uint32_t message, Point point) = 0;
    // WM_MOUSEMOVE that a control of the window received, at a point of the control's
    // client area: what a control subclassed by an object sees of the mouse.
    virtual void wmControlMouseMove(int32_t controlId, Point point) = 0;
    virtual void wmClose() = 0;
    // The window is being destroyed; it and its children still exist.
    virtual void wmDestroy() = 0;
    // The last message: the window is gone. Nothing of it may be used afterwards.
    virtual void wmNcDestroy() = 0;

protected:
    ~WindowEvents() = default;
};

}  // namespace ui
