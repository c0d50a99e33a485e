#include "platform/ui/DataExchange.h"

#include <vector>

#include "platform/ui/Control.h"
#include "platform/ui/Dialog.h"

namespace ui {

DataExchange::DataExchange(Dialog& dialog, bool saveAndValidate)
    : dialog_(dialog), saving_(saveAndValidate) {}

void DataExchange::check(int32_t id, int32_t& value) {
    WindowHandle control = dialog_.item(id);
    if (saving_) {
        value = dialog_.backend().getCheck(control);
    } else {
        dialog_.backend().setCheck(control, value);
    }
}

void DataExchange::text(int32_t id, std::string& value) {
    WindowHandle control = dialog_.item(id);
    if (saving_) {
        value = dialog_.backend().getWindowText(control);
    } else if (dialog_.backend().getWindowText(control) != value) {
        dialog_.backend().setWindowText(control, value);
    }
}

void DataExchange::listIndex(int32_t id, int32_t& value) {
    WindowHandle control = dialog_.item(id);
    if (saving_) {
        value = dialog_.backend().getListSelection(control);
    } else {
        dialog_.backend().setListSelection(control, value);
    }
}

void DataExchange::trackbarPosition(int32_t id, int32_t& value) {
    WindowHandle control = dialog_.item(id);
    if (saving_) {
        value = dialog_.backend().getTrackbarPosition(control);
    } else {
        dialog_.backend().setTrackbarPosition(control, value, true);
    }
}

void DataExchange::radio(int32_t firstId, int32_t& value) {
    std::vector<int32_t> group = dialog_.dialogTemplate().radioGroup(firstId);
    if (saving_) value = -1;
    for (size_t i = 0; i < group.size(); ++i) {
        WindowHandle button = dialog_.item(group[i]);
        int32_t index = static_cast<int32_t>(i);
        if (saving_) {
            if (value < 0 && dialog_.backend().getCheck(button) == kBstChecked) value = index;
        } else {
            dialog_.backend().setCheck(button, index == value ? kBstChecked : kBstUnchecked);
        }
    }
}

void DataExchange::control(int32_t id, Control& object) {
    if (object.handle() != dialog_.item(id)) object.subclassDlgItem(id, dialog_);
}

}  // namespace ui
