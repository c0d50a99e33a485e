#include "platform/ui/ListView.h"

namespace ui {

void ListView::setExtendedStyle(uint32_t style) {
    backend().setListViewExtendedStyle(handle(), style);
}

void ListView::insertColumn(int32_t column, const std::string& heading, int32_t width) {
    backend().insertListViewColumn(handle(), column, heading, width);
}

int32_t ListView::insertItem(int32_t row, const std::string& text) {
    return backend().insertListViewItem(handle(), row, text);
}

void ListView::setItemText(int32_t row, int32_t column, const std::string& text) {
    backend().setListViewItemText(handle(), row, column, text);
}

std::string ListView::itemText(int32_t row, int32_t column) const {
    return backend().getListViewItemText(handle(), row, column);
}

void ListView::deleteAllItems() {
    backend().deleteAllListViewItems(handle());
}

int32_t ListView::itemCount() const {
    return backend().getListViewItemCount(handle());
}

}  // namespace ui
