#include "helpers/FormulaBatchHelpers.h"

#include <cstdint>
#include <new>
#include <utility>
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

// A formula the batch cannot carry is written on its own, through guards as the batch
// writes; the shape is looked up by its full ID.
void writeOnItsOwn(const visio::VShapes& shapes, const FormulaBatchKey& key,
                   const std::string& formula) {
    shapes.ItemFromID(key[0])
        .CellsSRC(as16Bits(key[1]), as16Bits(key[2]), as16Bits(key[3]))
        .SetFormulaForceU(formula);
}

// A shape whose ID the page's batch cannot carry gets a batch of its own: its section,
// row and cell for each formula.
struct ShapeBatch {
    std::vector<int16_t> addresses;
    std::vector<std::string> formulas;
};

void appendCellAddress(std::vector<int16_t>& stream, const FormulaBatchKey& key) {
    for (std::size_t i = 1; i < key.size(); ++i) stream.push_back(as16Bits(key[i]));
}

void writeShapeBatches(const visio::VShapes& shapes, std::map<int32_t, ShapeBatch>& batches) {
    for (auto& [shapeID, batch] : batches) {
        shapes.ItemFromID(shapeID).SetFormulas(batch.addresses, batch.formulas, kBatchFlags);
    }
}

std::string readOnItsOwn(const visio::VShape& shape, const FormulaBatchKey& key) {
    return shape.CellsSRC(as16Bits(key[1]), as16Bits(key[2]), as16Bits(key[3])).FormulaU();
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
    std::map<int32_t, ShapeBatch> shapeBatches;
    for (auto& [key, formula] : batch) {
        if (!namesACell(key)) continue;
        // A formula cut to what the batch takes would be another formula, or none.
        if (exceedsFormulaLimit(formula)) {
            writeOnItsOwn(shapes, key, formula);
        } else if (!batchNamesTheShape(key[0])) {
            ShapeBatch& own = shapeBatches[key[0]];
            appendCellAddress(own.addresses, key);
            own.formulas.push_back(std::move(formula));
        } else {
            appendAddress(addresses, key);
            formulas.push_back(std::move(formula));
        }
    }
    shapes.ContainingPage().SetFormulas(addresses, formulas, kBatchFlags);
    writeShapeBatches(shapes, shapeBatches);
}

std::vector<std::string> getFormulasBatch(const visio::VPage& page,
                                          const std::vector<FormulaBatchKey>& cells,
                                          const ShapeOfID& shapeOf) {
    std::vector<std::string> formulas(cells.size());
    // Where each cell's answer comes from: the page's read, or its shape's own.
    std::vector<int16_t> pageStream;
    std::vector<std::size_t> onPage;
    std::map<int32_t, std::pair<std::vector<int16_t>, std::vector<std::size_t>>> ownReads;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (!namesACell(cells[i])) continue;
        if (batchNamesTheShape(cells[i][0])) {
            appendAddress(pageStream, cells[i]);
            onPage.push_back(i);
        } else {
            auto& own = ownReads[cells[i][0]];
            appendCellAddress(own.first, cells[i]);
            own.second.push_back(i);
        }
    }
    auto take = [&](const std::vector<std::string>& answer, const std::vector<std::size_t>& at) {
        if (answer.size() == at.size()) {
            for (std::size_t k = 0; k < at.size(); ++k) formulas[at[k]] = answer[k];
            return;
        }
        for (std::size_t k : at) formulas[k] = readOnItsOwn(shapeOf(cells[k][0]), cells[k]);
    };
    if (!onPage.empty()) {
        std::vector<std::string> answer;
        page.GetFormulasU(pageStream, &answer);
        take(answer, onPage);
    }
    for (const auto& [shapeID, own] : ownReads) {
        std::vector<std::string> answer;
        shapeOf(shapeID).GetFormulasU(own.first, &answer);
        take(answer, own.second);
    }
    return formulas;
}
