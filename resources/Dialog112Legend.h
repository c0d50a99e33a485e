// Dialog 112, the consistency checker's legend: the four looks of a check, each with a
// picture of its colour that opens the help topic about it.
#pragma once

#include <cstdint>

#include "platform/ui/DialogTemplate.h"

namespace dialog112 {

constexpr int32_t kId = 112;

// The pictures, which report clicks.
constexpr int32_t kSyntaxErrorColor = 1031;
constexpr int32_t kAntiPatternColor = 1032;
constexpr int32_t kConsistentColor = 1033;
constexpr int32_t kIgnoredColor = 1034;

// Their icon resources, each showing the colour of its look.
constexpr int32_t kSyntaxErrorIcon = 113;
constexpr int32_t kConsistentIcon = 114;
constexpr int32_t kIgnoredIcon = 115;
constexpr int32_t kAntiPatternIcon = 120;

ui::DialogTemplate make();

}  // namespace dialog112
