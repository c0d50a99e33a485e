// Toolbar 160, the run commands of the Petri Net Simulation Controls: five buttons of
// 16 x 15 pixels from bitmap 160, without separators. The string table holds, under
// each command's id, the text the controls show while the mouse is over its button.
#pragma once

#include <cstdint>

#include "platform/ui/ToolBar.h"

namespace toolbar160 {

constexpr int32_t kId = 160;
constexpr int32_t kBitmap = 160;

constexpr int32_t kReset = 40015;
constexpr int32_t kSemiAutoSim = 40017;
constexpr int32_t kStepBack = 40018;
constexpr int32_t kStepForward = 40020;
constexpr int32_t kAutoSim = 40021;

// The buttons in the order they stand: Reset, AutoSim, SemiAutoSim, One Step Back, One
// Step Forward.
ui::ToolbarResource make();

}  // namespace toolbar160
