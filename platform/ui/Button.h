// A button control taken over by an object, in the manner of MFC's CButton: an
// owner-drawn button paints itself in DrawItem, and a click reaches OnClicked before
// the dialog's handlers.
#pragma once

#include "platform/ui/Control.h"

namespace ui {

class Button : public Control {
public:
    // Paints an owner-drawn button; nothing here.
    virtual void DrawItem(const ui::DrawItem& item);
    // The button was clicked: true when handled here, so the dialog's handler for the
    // click does not run. Nothing is handled here.
    virtual bool OnClicked();

protected:
    bool OnChildNotify(int32_t notification) override;
    bool OnReflectedDrawItem(const ui::DrawItem& item) override;
};

}  // namespace ui
