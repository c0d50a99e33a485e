// Dialog 118, the Petri Net Simulator page of the preference sheet: the two highlight
// switches, each with its colour button, the firing delay on a trackbar and the
// semi-automatic switch for concurrent transitions.
#pragma once

#include <cstdint>

#include "platform/ui/DialogTemplate.h"

namespace dialog118 {

constexpr int32_t kId = 118;
constexpr int32_t kConflictColor = 1029;       // owner-drawn button
constexpr int32_t kEnabledColor = 1030;        // owner-drawn button
constexpr int32_t kHighlightConflicts = 1036;  // automatic check box
constexpr int32_t kHighlightEnabled = 1037;    // automatic check box
constexpr int32_t kDelay = 1039;               // trackbar with tick marks and tool tips
constexpr int32_t kFireAll = 1041;             // automatic check box
constexpr int32_t kDelayText = 1042;           // static text: the delay in milliseconds
constexpr int32_t kConflictColorLabel = 1043;  // static text
constexpr int32_t kEnabledColorLabel = 1044;   // static text

ui::DialogTemplate make();

}  // namespace dialog118
