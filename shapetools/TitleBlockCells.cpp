#include "shapetools/TitleBlockCells.h"

#include "helpers/VisioText.h"
#include "platform/visio/VCell.h"

namespace titleblock {
namespace {

// Sizes and positions of the title block are read and written in this unit.
const visio::Variant kMillimetres = std::string("mm");

}  // namespace

void setCellFormulaForced(const visio::VShape& shape, const std::string& cellName,
                          const std::string& formula) {
    shape.CellsU(cellName).SetFormulaForceU(formula);
}

std::string getCellFormula(const visio::VShape& shape, const std::string& cellName) {
    return limitVisioText(shape.CellsU(cellName).FormulaU());
}

double getCellMillimetres(const visio::VShape& shape, const std::string& cellName) {
    return shape.CellsU(cellName).Result(kMillimetres);
}

void setCellMillimetres(const visio::VShape& shape, const std::string& cellName, double value) {
    shape.CellsU(cellName).SetResult(kMillimetres, value);
}

std::string pageName(const visio::VPage& page) {
    return limitVisioText(page.Name());
}

}  // namespace titleblock
