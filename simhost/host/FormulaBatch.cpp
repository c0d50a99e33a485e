#include "simhost/host/FormulaBatch.h"

#include <algorithm>

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Application.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"

namespace simhost {

int16_t FormulaBatch::write(Page& page, const std::vector<int16_t>& stream,
                            const std::vector<std::string>& formulas, int16_t flags) {
    CallCounters& counters = page.application()->counters();
    ++counters.batchWrites;
    bool force = (flags & visio::visSetBlastGuards) != 0;
    size_t count = std::min(stream.size() / 4, formulas.size());
    // Counted in full: Visio's answer is 16 bits wide, the counter is not.
    size_t written = 0;
    for (size_t i = 0; i < count; ++i) {
        // Shape IDs travel as 16 bits; read them unsigned so IDs above 32767 still work.
        int32_t id = static_cast<uint16_t>(stream[4 * i]);
        Shape* shape = id == 0 ? page.pageSheet() : page.findShape(id);
        if (!shape) continue;
        CellAddress address{stream[4 * i + 1], stream[4 * i + 2], stream[4 * i + 3]};
        if (shape->writeFormula(address, formulas[i], force) == kWriteDone) ++written;
    }
    counters.batchCells += static_cast<uint64_t>(written);
    return static_cast<int16_t>(written);
}

}  // namespace simhost
