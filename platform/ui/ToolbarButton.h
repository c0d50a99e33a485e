// One button of a toolbar (TBBUTTON): its image in the toolbar's bitmap, its command and
// its state.
#pragma once

#include <cstdint>

#include "platform/ui/WinApiConstants.h"

namespace ui {

struct ToolbarButton {
    int32_t image = 0;
    int32_t command = 0;
    uint8_t state = kTbStateEnabled;
};

}  // namespace ui
