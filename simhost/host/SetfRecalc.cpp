#include "simhost/host/SetfRecalc.h"

#include <vector>

#include "platform/visio/VisioConstants.h"
#include "simhost/formula/Expression.h"
#include "simhost/formula/Formula.h"
#include "simhost/host/Application.h"
#include "simhost/host/Shape.h"

namespace simhost {
namespace {

// SETF formulas that set each other's cells stop after this many rounds, as Visio stops
// a recalculation that goes round in circles.
constexpr int kDeepestRecalc = 8;
// Only one recalculation runs at a time, on Visio's one thread; the counter always
// returns to 0 when it ends.
int depth = 0;

// Where shapes keep the formulas that watch their other cells.
constexpr int16_t kWatchingSections[] = {visio::visSectionScratch, visio::visSectionUser};

bool setsFormulas(const SheetCell* cell) {
    return cell && cell->expression && cell->expression->setsFormulas();
}

}  // namespace

void SetfRecalc::afterWrite(Shape& shape, const CellAddress& address, bool changed) {
    if (depth >= kDeepestRecalc || shape.isDeleted()) return;
    ++depth;
    // The written formula takes effect at once, then the formulas that watch the cell.
    const bool own =
        address.section != visio::visSectionAction && setsFormulas(shape.sheet().cell(address));
    if (own) run(shape, address);
    std::vector<CellAddress> watching;
    if (changed) {
        for (int16_t section : kWatchingSections) {
            const int16_t rows = shape.sheet().rowCount(section);
            for (int16_t row = 0; row < rows; ++row) {
                const SheetRow* cells = shape.sheet().row(section, row);
                for (size_t c = 0; cells && c < cells->cells.size(); ++c) {
                    CellAddress at{section, row, static_cast<int16_t>(c)};
                    if (at == address || !setsFormulas(&cells->cells[c])) continue;
                    if (refersTo(shape, at, address)) watching.push_back(at);
                }
            }
        }
    }
    for (const CellAddress& at : watching) {
        if (shape.isDeleted()) break;
        run(shape, at);
    }
    --depth;
}

void SetfRecalc::run(Shape& shape, const CellAddress& address) {
    if (Application* application = shape.application())
        application->evaluator().runAction(shape, address);
}

bool SetfRecalc::refersTo(Shape& shape, const CellAddress& formulaCell,
                          const CellAddress& written) {
    const SheetCell* cell = shape.sheet().cell(formulaCell);
    if (!cell || !cell->expression) return false;
    for (const auto& [qualifier, name] : formula::referencedCells(*cell->expression)) {
        if (shape.resolveSheet(qualifier) != &shape) continue;
        std::optional<CellAddress> address = shape.sheet().resolve(name);
        if (address && *address == written) return true;
    }
    return false;
}

}  // namespace simhost
