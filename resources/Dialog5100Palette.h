// Dialog 5100, the colour palette that drops down below a colour button: twenty
// owner-drawn swatches in four columns and five rows, and "Other..." for the system's
// colour dialog. A borderless popup without caption.
#pragma once

#include <cstdint>

#include "platform/ui/DialogTemplate.h"

namespace dialog5100 {

constexpr int32_t kId = 5100;
constexpr int32_t kFirstSwatch = 5101;  // owner-drawn buttons 5101 to 5120
constexpr int32_t kSwatchCount = 20;
constexpr int32_t kLastSwatch = kFirstSwatch + kSwatchCount - 1;
constexpr int32_t kOther = 5121;  // push button

ui::DialogTemplate make();

}  // namespace dialog5100
