// Dialog 119, the Petri Net Simulation Controls: the hint asking the user to choose
// transitions, the recursion stack list, and the numbers of enabled transitions and
// conflict places. The toolbar and the status bar are created when the dialog starts;
// the room at the bottom is the status bar's.
#pragma once

#include <cstdint>

#include "platform/ui/DialogTemplate.h"

namespace dialog119 {

constexpr int32_t kId = 119;
// The hint's picture, shown at its own size.
constexpr int32_t kHintBitmap = 164;

constexpr int32_t kHintPicture = 1045;     // bitmap, hidden
constexpr int32_t kHintText = 1046;        // static text, hidden
constexpr int32_t kRecursionList = 1058;   // list view, disabled
constexpr int32_t kRecursionGroup = 1059;  // group box, disabled
constexpr int32_t kEnabledLabel = 1060;    // static text
constexpr int32_t kConflictLabel = 1061;   // static text
constexpr int32_t kInfoGroup = 1062;       // group box
constexpr int32_t kEnabledCount = 1063;    // static text
constexpr int32_t kConflictCount = 1064;   // static text

ui::DialogTemplate make();

}  // namespace dialog119
