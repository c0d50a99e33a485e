#include "helpers/FormulaBatchHelpers.h"

#include <cstdint>
#include <new>
#include <vector>

#include "helpers/VisioText.h"
#include "platform/visio/VCell.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VisioConstants.h"

namespace {

// Write through guards, in universal syntax.
constexpr int16_t kBatchFlags = visio::visSetBlastGuards | visio::visSetUniversalSyntax;

// Section, row and cell are unsigned 16-bit numbers; Visio takes them as the same 16
// bits, in the batch and in a single cell's lookup alike. Cut to 16 bits, a larger
// number would name another cell, so it names none.
bool namesACell(const FormulaBatchKey& key) {
    for (std::size_t i = 1; i < key.size(); ++i) {
        if (key[i] < 0 || key[i] > UINT16_MAX) return false;
    }
    return true;
}

// The batch names shapes by signed 16-bit IDs (0 is the page sheet).
bool batchNamesTheShape(int32_t shapeID) {
    return shapeID >= 0 && shapeID <= INT16_MAX;
}

int16_t as16Bits(int32_t part) {
    return static_cast<int16_t>(static_cast<uint16_t>(part));
}

void appendAddress(std::vector<int16_t>& stream, const FormulaBatchKey& key) {
    for (int32_t part : key) stream.push_back(as16Bits(part));
}

// What the batch cannot carry is written cell by cell, through guards as the batch
// writes; the shape is looked up by its full ID.
void writeOnItsOwn(const visio::VShapes& shapes, const FormulaBatchKey& key,
                   const std::string& formula) {
    shapes.ItemFromID(key[0])
        .CellsSRC(as16Bits(key[1]), as16Bits(key[2]), as16Bits(key[3]))
        .SetFormulaForceU(formula);
}

}  // namespace

void setFormulasBatch(const visio::VShapes& shapes, FormulaBatchMap batch) {
    std::vector<int16_t> addresses;
    std::vector<std::string> formulas;
    try {
        addresses.reserve(4 * batch.size());
        formulas.reserve(batch.size());
    } catch (const std::bad_alloc&) {
        return;
    }
    for (auto& [key, formula] : batch) {
        if (!namesACell(key)) continue;
        // A formula cut to what the batch takes would be another formula, or none.
        if (!batchNamesTheShape(key[0]) || exceedsFormulaLimit(formula)) {
            writeOnItsOwn(shapes, key, formula);
            continue;
        }
        appendAddress(addresses, key);
        formulas.push_back(std::move(formula));
    }
    shapes.ContainingPage().SetFormulas(addresses, formulas, kBatchFlags);
}
