// Moves values between a dialog's controls and its fields, in the manner of MFC's DDX:
// one DoDataExchange lists the pairs, and the direction decides which way they go.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

class Control;
class Dialog;

class DataExchange {
public:
    // saveAndValidate: true moves the controls into the fields, false the other way.
    DataExchange(Dialog& dialog, bool saveAndValidate);

    bool isSaving() const { return saving_; }

    // A check box's state: 0 unchecked, 1 checked.
    void check(int32_t id, int32_t& value);
    // An edit's or a static's text. A control that already shows the text is not set
    // again, so an edit does not report a change it did not have.
    void text(int32_t id, std::string& value);
    // The index of a drop-down list's selection, -1 for none.
    void listIndex(int32_t id, int32_t& value);
    // A trackbar's position.
    void trackbarPosition(int32_t id, int32_t& value);
    // Which radio button of the group that starts at firstId is checked: its index in
    // the group, -1 for none.
    void radio(int32_t firstId, int32_t& value);
    // Binds the control to the object the first time, in either direction (DDX_Control).
    void control(int32_t id, Control& object);

private:
    Dialog& dialog_;
    bool saving_;
};

}  // namespace ui
