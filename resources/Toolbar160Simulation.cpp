#include "resources/Toolbar160Simulation.h"

namespace toolbar160 {

ui::ToolbarResource make() {
    ui::ToolbarResource bar;
    bar.bitmapId = kBitmap;
    bar.imageSize = {16, 15};
    bar.commands = {kReset, kAutoSim, kSemiAutoSim, kStepBack, kStepForward};
    return bar;
}

}  // namespace toolbar160
