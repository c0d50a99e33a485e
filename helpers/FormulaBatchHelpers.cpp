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

// In universal syntax; through guards when told.
int16_t batchFlags(GuardedCells guarded) {
    const int16_t blast = guarded == GuardedCells::Overwrite ? visio::visSetBlastGuards : 0;
    return static_cast<int16_t>(blast | visio::visSetUniversalSyntax);
}

// Section, row and cell are unsigned 16-bit numbers; Visio takes them as the same 16
// bits, in the batch and in a single cell's lookup alike. Cut to 16 bits, a larger
// number would name another cell, so it names none.
bool namesACell(const FormulaBatchKey& key) {
    for (std::size_t i = 1; i < key.size(); ++i) {
        if (key[i] < 0 || key[i] > UINT16_MAX) return false;
    }
    return true;
}

int16_t as16Bits(int32_t part) {
    return static_cast<int16_t>(static_cast<uint16_t>(part));
}

void appendAddress(std::vector<int16_t>& stream, const FormulaBatchKey& key) {
    for (int32_t part : key) stream.push_back(as16Bits(part));
}

// The shape of a full ID: as the caller knows it, else looked up on the page.
visio::VShape shapeByID(const visio::VShapes& shapes, const ShapeOfID& shapeOf, int32_t id) {
    visio::VShape shape = shapeOf ? shapeOf(id) : visio::VShape();
    return shape.isEmpty() ? shapes.ItemFromID(id) : shape;
}

// The shape's cell at the key's section, row and cell.
visio::VCell cellAt(const visio::VShape& shape, const FormulaBatchKey& key) {
    return shape.CellsSRC(as16Bits(key[1]), as16Bits(key[2]), as16Bits(key[3]));
}

// A formula the batch cannot carry is written on its own, through guards or not as the
// batch writes.
void writeOnItsOwn(const visio::VShape& shape, const FormulaBatchKey& key,
                   const std::string& formula, GuardedCells guarded) {
    if (guarded == GuardedCells::Overwrite) {
        cellAt(shape, key).SetFormulaForceU(formula);
    } else {
        cellAt(shape, key).SetFormulaU(formula);
    }
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

void writeShapeBatches(const visio::VShapes& shapes, const ShapeOfID& shapeOf,
                       std::map<int32_t, ShapeBatch>& batches, GuardedCells guarded) {
    for (auto& [shapeID, batch] : batches) {
        shapeByID(shapes, shapeOf, shapeID)
            .SetFormulas(batch.addresses, batch.formulas, batchFlags(guarded));
    }
}

}  // namespace

ShapeOfID shapeIn(const ShapesByID& shapes) {
    return [&shapes](int32_t id) {
        auto it = shapes.find(id);
        return it == shapes.end() ? visio::VShape() : it->second;
    };
}

bool pageBatchNamesShape(int32_t shapeID) {
    return shapeID >= 0 && shapeID <= INT16_MAX;
}

void setFormulasBatch(const visio::VShapes& shapes, FormulaBatchMap batch, const ShapeOfID& shapeOf,
                      GuardedCells guarded) {
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
            writeOnItsOwn(shapeByID(shapes, shapeOf, key[0]), key, formula, guarded);
        } else if (!pageBatchNamesShape(key[0])) {
            ShapeBatch& own = shapeBatches[key[0]];
            appendCellAddress(own.addresses, key);
            own.formulas.push_back(std::move(formula));
        } else {
            appendAddress(addresses, key);
            formulas.push_back(std::move(formula));
        }
    }
    shapes.ContainingPage().SetFormulas(addresses, formulas, batchFlags(guarded));
    writeShapeBatches(shapes, shapeOf, shapeBatches, guarded);
}

namespace {

// Reads the cells in batches, with readBatch on the page for those the page's batch can
// name and on each other shape for its own. An answer that does not cover its cells (a
// cell was missing) is replaced by readOne for each of them.
template <class T, class ReadBatch, class ReadOne>
std::vector<T> readInBatches(const visio::VPage& page, const std::vector<FormulaBatchKey>& cells,
                             const ShapeOfID& shapeOf, ReadBatch readBatch, ReadOne readOne) {
    std::vector<T> values(cells.size());
    std::vector<int16_t> pageStream;
    std::vector<std::size_t> onPage;
    std::map<int32_t, std::pair<std::vector<int16_t>, std::vector<std::size_t>>> ownReads;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (!namesACell(cells[i])) continue;
        if (pageBatchNamesShape(cells[i][0])) {
            appendAddress(pageStream, cells[i]);
            onPage.push_back(i);
        } else {
            auto& own = ownReads[cells[i][0]];
            appendCellAddress(own.first, cells[i]);
            own.second.push_back(i);
        }
    }
    auto take = [&](const std::vector<T>& answer, const std::vector<std::size_t>& at) {
        if (answer.size() == at.size()) {
            for (std::size_t k = 0; k < at.size(); ++k) values[at[k]] = answer[k];
            return;
        }
        for (std::size_t k : at) values[k] = readOne(shapeOf(cells[k][0]), cells[k]);
    };
    if (!onPage.empty()) take(readBatch(page, pageStream), onPage);
    for (const auto& [shapeID, own] : ownReads)
        take(readBatch(shapeOf(shapeID), own.first), own.second);
    return values;
}

// Values in internal units; what is no number reads as 0, as ResultIU reads it.
std::vector<double> numbersOf(const std::vector<visio::Variant>& answer) {
    std::vector<double> numbers;
    numbers.reserve(answer.size());
    for (const visio::Variant& v : answer) {
        const double* number = std::get_if<double>(&v);
        numbers.push_back(number ? *number : 0);
    }
    return numbers;
}

constexpr int16_t kGetFloats = 0;

}  // namespace

std::vector<std::string> getFormulasBatch(const visio::VPage& page,
                                          const std::vector<FormulaBatchKey>& cells,
                                          const ShapeOfID& shapeOf) {
    return readInBatches<std::string>(
        page, cells, shapeOf,
        [](const auto& sheet, const std::vector<int16_t>& stream) {
            std::vector<std::string> answer;
            sheet.GetFormulasU(stream, &answer);
            return answer;
        },
        [](const visio::VShape& shape, const FormulaBatchKey& key) {
            return cellAt(shape, key).FormulaU();
        });
}

FormulaBatchMap cellsTypedOver(const visio::VPage& page, const FormulaBatchMap& written,
                               const ShapeOfID& shapeOf) {
    FormulaBatchMap typed;
    if (written.empty()) return typed;
    std::vector<FormulaBatchKey> cells;
    cells.reserve(written.size());
    for (const auto& entry : written) cells.push_back(entry.first);
    std::vector<std::string> now = getFormulasBatch(page, cells, shapeOf);
    std::size_t i = 0;
    for (const auto& [key, formula] : written) {
        if (now[i] != formula) typed.emplace(key, std::move(now[i]));
        ++i;
    }
    return typed;
}

std::vector<double> getResultsBatch(const visio::VPage& page,
                                    const std::vector<FormulaBatchKey>& cells,
                                    const ShapeOfID& shapeOf) {
    return readInBatches<double>(
        page, cells, shapeOf,
        [](const auto& sheet, const std::vector<int16_t>& stream) {
            std::vector<visio::Variant> answer;
            sheet.GetResults(stream, kGetFloats, {}, &answer);
            return numbersOf(answer);
        },
        [](const visio::VShape& shape, const FormulaBatchKey& key) {
            return cellAt(shape, key).ResultIU();
        });
}
