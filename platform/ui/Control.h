// A dialog's control taken over by an object, in the manner of MFC's SubclassDlgItem:
// the notifications the control sends its dialog (WM_COMMAND) and the requests to paint
// it (WM_DRAWITEM) are reflected to the object before the dialog's own handlers see
// them, and the mouse moving over the control reaches the object, so that a control
// class can handle its own clicks, painting and mouse. A control can also be created at
// run time inside a dialog that exists, and is then taken over at once.
//
// The object lets go of the control when the control's window goes with its dialog, when
// it takes over another control, and when it is destroyed; the dialog lets go of the
// object when the dialog object goes first.
#pragma once

#include <cstdint>

#include "platform/ui/Backend.h"
#include "platform/ui/ControlTemplate.h"
#include "platform/ui/WindowEvents.h"

namespace ui {

class Dialog;

class Control {
public:
    Control() = default;
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Takes over the dialog's control with the id (letting go of one taken before);
    // false when the dialog has no window or no such control.
    bool subclassDlgItem(int32_t id, Dialog& parent);
    // Creates the control inside the dialog's window and takes it over; false when the
    // dialog has no window.
    bool createIn(Dialog& parent, const ControlTemplate& control);
    void unsubclass();

    // Null while no control is taken over.
    WindowHandle handle() const { return window_; }
    int32_t controlId() const { return id_; }
    // The dialog of the control taken over; null while none is.
    Dialog* parentDialog() const { return parent_; }
    // The backend of the control's dialog (the current one while none is taken over).
    Backend& backend() const;

    // Has the control painted again.
    void invalidate();
    // In screen coordinates.
    Rect windowRect() const;
    // Left and top are 0.
    Rect clientRect() const;

protected:
    // A notification of the control, reflected (ON_CONTROL_REFLECT_EX): true when it is
    // handled here and the dialog's handlers are not to see it. Nothing is handled here.
    virtual bool OnChildNotify(int32_t notification);
    // A request to paint the control, reflected: true when it is painted here. Nothing
    // is painted here.
    virtual bool OnReflectedDrawItem(const DrawItem& item);
    // The mouse moved over the control, to a point of its client area. Nothing is done
    // here.
    virtual void OnMouseMove(Point point);

private:
    friend class Dialog;
    // The dialog's window or the dialog object is gone.
    void release();

    Dialog* parent_ = nullptr;
    WindowHandle window_;
    int32_t id_ = 0;
};

}  // namespace ui
