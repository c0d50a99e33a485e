#include "simulator/SimulatorCells.h"

#include <cstdint>

#include "model/CellAddressTable.h"
#include "platform/visio/VisioConstants.h"

namespace {

constexpr uint16_t kProtectionCells = 15;
constexpr uint16_t kMiscCell = 2;

}  // namespace

void addSimulatorCells(CellAddressTable& written, CellAddressTable& saved) {
    for (CellAddressTable* table : {&saved, &written}) {
        for (uint16_t cell = 0; cell < kProtectionCells; ++cell) {
            table->addUnique(visio::visSectionObject, visio::visRowLock, cell);
        }
        table->addUnique(visio::visSectionObject, visio::visRowMisc, kMiscCell);
    }
    saved.addUnique(visio::visSectionObject, visio::visRowLine, visio::visLineColor);
    saved.addUnique(visio::visSectionObject, visio::visRowLine, visio::visLineWeight);
}
