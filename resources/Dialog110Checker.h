// Dialog 110, the Consistency Checker page of the preference sheet: whether the legend
// is shown and the document saved when a check starts, and the two optional rules.
#pragma once

#include <cstdint>

#include "platform/ui/DialogTemplate.h"

namespace dialog110 {

constexpr int32_t kId = 110;
constexpr int32_t kShowLegend = 1005;    // automatic check box
constexpr int32_t kNameClashes = 1006;   // automatic check box
constexpr int32_t kAntiPatterns = 1007;  // automatic check box
constexpr int32_t kSaveBefore = 1021;    // automatic check box

ui::DialogTemplate make();

}  // namespace dialog110
