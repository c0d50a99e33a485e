#include "shapetools/TitleBlockCells.h"

#include "helpers/VisioText.h"
#include "platform/visio/VCell.h"

namespace titleblock {
namespace {

// Sizes and positions of the title block are read and written in this unit.
const visio::Variant kMillimetres = std::string("mm");
// The buffer a shape's name is read into holds this many bytes and a terminating zero.
constexpr std::size_t kShapeNameLimit = 254;

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

std::string shapeName(const visio::VShape& shape) {
    std::string name = shape.Name();
    if (name.size() > kShapeNameLimit) name.resize(kShapeNameLimit);
    return name;
}

}  // namespace titleblock
