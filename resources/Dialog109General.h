// Dialog 109, the General page of the preference sheet: whether the add-on's toolbar is
// shown and whether it floats.
#pragma once

#include <cstdint>

#include "platform/ui/DialogTemplate.h"

namespace dialog109 {

constexpr int32_t kId = 109;
constexpr int32_t kShowToolbar = 1001;  // automatic check box
constexpr int32_t kFloating = 1002;     // automatic radio button, starts the group
constexpr int32_t kDocked = 1003;       // automatic radio button
constexpr int32_t kNote = 1006;         // static text
constexpr int32_t kNoteBox = 1007;      // group box

ui::DialogTemplate make();

}  // namespace dialog109
