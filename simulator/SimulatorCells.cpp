#include "simulator/SimulatorCells.h"

#include <cstdint>

#include "platform/visio/VisioConstants.h"

namespace {

constexpr uint16_t kProtectionCells = 15;
constexpr uint16_t kMiscCell = 2;
constexpr int32_t kWrittenKey = 1;
constexpr int32_t kOutlinesKey = 2;

}  // namespace

void addSimulatorCells(CellAddressTable& written, CellAddressTable& outlines) {
    for (uint16_t cell = 0; cell < kProtectionCells; ++cell) {
        written.addUnique(visio::visSectionObject, visio::visRowLock, cell);
    }
    written.addUnique(visio::visSectionObject, visio::visRowMisc, kMiscCell);
    outlines.addUnique(visio::visSectionObject, visio::visRowLine, visio::visLineColor);
    outlines.addUnique(visio::visSectionObject, visio::visRowLine, visio::visLineWeight);
}

CellAddressTableMap simulatorTables(CellAddressTable* written, CellAddressTable* outlines) {
    return {{kWrittenKey, written}, {kOutlinesKey, outlines}};
}
