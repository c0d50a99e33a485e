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

void appendAddress(std::vector<int16_t>& stream, const FormulaBatchKey& key) {
    for (int32_t part : key) stream.push_back(static_cast<int16_t>(part));
}

// The batch names shapes and cells by 16-bit numbers; an address that does not fit would
// land on another shape or cell.
bool fitsTheBatch(const FormulaBatchKey& key) {
    for (int32_t part : key) {
        if (part < 0 || part > INT16_MAX) return false;
    }
    return true;
}

// What the batch cannot address is written cell by cell, through guards as the batch
// writes.
void writeOneByOne(const visio::VShapes& shapes, const FormulaBatchKey& key,
                   const std::string& formula) {
    shapes.ItemFromID(key[0])
        .CellsSRC(static_cast<int16_t>(key[1]), static_cast<int16_t>(key[2]),
                  static_cast<int16_t>(key[3]))
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
        if (!fitsTheBatch(key)) {
            writeOneByOne(shapes, key, limitFormulaLength(std::move(formula)));
            continue;
        }
        appendAddress(addresses, key);
        formulas.push_back(limitFormulaLength(std::move(formula)));
    }
    shapes.ContainingPage().SetFormulas(addresses, formulas, kBatchFlags);
}
