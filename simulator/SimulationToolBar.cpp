#include "simulator/SimulationToolBar.h"

#include <cstddef>

#include "platform/ui/WinApiConstants.h"
#include "resources/ResourceStrings.h"

namespace {

// The string is read into a buffer of this many bytes.
constexpr std::size_t kTextBufferBytes = 2048;

}  // namespace

void SimulationToolBar::OnMouseMove(ui::Point point) {
    const int32_t command = commandAtPoint(point);
    if (command != 0) {
        statusBar_.setText(0, loadResourceString(command, kTextBufferBytes), ui::kSbtNoBorders);
    }
    ui::ToolBar::OnMouseMove(point);
}
