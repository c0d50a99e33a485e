// A status bar along the bottom of a dialog, in the manner of MFC's CStatusBarCtrl:
// created at run time, divided into parts, each with its text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/Control.h"

namespace ui {

class StatusBar : public Control {
public:
    // Creates the bar along the bottom of the dialog and takes it over; false when the
    // dialog has no window.
    bool create(Dialog& parent, int32_t id);
    // The bar is at least this many pixels high, borders not counted.
    void setMinHeight(int32_t height);
    // The right edge of each part in the bar's client coordinates; -1 reaches its end.
    void setParts(const std::vector<int32_t>& rightEdges);
    // style: 0, or kSbtNoBorders for a part drawn without its sunken frame.
    void setText(int32_t part, const std::string& text, uint32_t style = 0);
    std::string text(int32_t part) const;
};

}  // namespace ui
