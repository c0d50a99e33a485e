#include "helpers/CellHelpers.h"

#include <cmath>
#include <limits>

#include "helpers/VisioText.h"
#include "platform/visio/VCell.h"
#include "platform/visio/VisioConstants.h"

namespace {

// The user-defined cells' prefix ("User.") that a user cell's row name follows.
constexpr std::size_t kUserPrefixLength = 5;

// The units argument that asks a cell for its value as it stands, which is what a
// string cell gives.
constexpr int32_t kNoUnits = 0;

int32_t truncateToInt32(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
        return std::numeric_limits<int32_t>::max();
    }
    if (value <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(value);
}

}  // namespace

bool cellExists(const visio::VShape& shape, const std::string& cellName) {
    return shape.CellExistsU(cellName, 0) != 0;
}

std::string cellText(const visio::VCell& cell) {
    if (cell.isEmpty()) return std::string();
    return limitVisioText(cell.ResultStr(visio::Variant(kNoUnits)));
}

std::optional<std::string> stringConstantText(const std::string& formula) {
    if (formula.size() < 2 || formula.front() != '"' || formula.back() != '"') return std::nullopt;
    std::string text;
    for (std::size_t i = 1; i + 1 < formula.size(); ++i) {
        if (formula[i] == '"') {
            // Inside a constant a quote stands only doubled; a lone one ends it early.
            if (formula[i + 1] != '"' || i + 2 == formula.size()) return std::nullopt;
            ++i;
        }
        text += formula[i];
    }
    return limitVisioText(std::move(text));
}

int32_t resultAsInt(double value) {
    return truncateToInt32(value);
}

std::string getCellString(const visio::VShape& shape, const std::string& cellName) {
    return cellText(shape.CellsU(cellName));
}

std::string getCellStringSRC(const visio::VShape& shape, int16_t section, int16_t row,
                             int16_t cell) {
    return cellText(shape.CellsSRC(section, row, cell));
}

std::string getCellFormula(const visio::VShape& shape, const std::string& cellName) {
    return shape.CellsU(cellName).FormulaU();
}

std::string getCellFormulaSRC(const visio::VShape& shape, int16_t section, int16_t row,
                              int16_t cell) {
    return shape.CellsSRC(section, row, cell).FormulaU();
}

std::string formulaToRestore(const visio::VCell& cell) {
    return cell.IsInherited() ? std::string() : cell.FormulaU();
}

void setCellFormula(const visio::VShape& shape, const std::string& cellName,
                    const std::string& formula) {
    shape.CellsU(cellName).SetFormulaU(formula);
}

void setCellFormulaSRC(const visio::VShape& shape, int16_t section, int16_t row, int16_t cell,
                       const std::string& formula) {
    shape.CellsSRC(section, row, cell).SetFormulaU(formula);
}

double getCellResult(const visio::VShape& shape, const std::string& cellName) {
    return shape.CellsU(cellName).ResultIU();
}

int32_t getCellResultInt(const visio::VShape& shape, const std::string& cellName) {
    return resultAsInt(getCellResult(shape, cellName));
}

void ensureUserCell(const visio::VShape& shape, const std::string& cellName,
                    const std::string& formula) {
    if (!cellExists(shape, cellName) && cellName.size() > kUserPrefixLength) {
        shape.AddNamedRow(visio::visSectionUser, cellName.substr(kUserPrefixLength),
                          visio::visTagDefault);
    }
    setCellFormula(shape, cellName, formula);
}

bool addMissingUserCell(const visio::VShape& shape, const std::string& cellName,
                        const std::string& formula) {
    if (cellExists(shape, cellName)) return false;
    ensureUserCell(shape, cellName, formula);
    return true;
}
