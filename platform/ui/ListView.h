// A list-view control in report view taken over by an object, in the manner of MFC's
// CListCtrl: columns with headings, rows of texts, and its extended styles.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ui/Control.h"

namespace ui {

class ListView : public Control {
public:
    // kLvsExGridLines draws lines between the rows and columns.
    void setExtendedStyle(uint32_t style);
    void insertColumn(int32_t column, const std::string& heading, int32_t width);
    // A row with the text of its first column; answers its index, -1 when none was made.
    int32_t insertItem(int32_t row, const std::string& text);
    void setItemText(int32_t row, int32_t column, const std::string& text);
    std::string itemText(int32_t row, int32_t column) const;
    void deleteAllItems();
    int32_t itemCount() const;
};

}  // namespace ui
