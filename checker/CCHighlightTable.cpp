#include "checker/CCHighlightTable.h"

#include <utility>

CCHighlightTable::~CCHighlightTable() = default;

void CCHighlightTable::addCell(CellAddress address, std::string finding, std::string consistent,
                               std::string ignored) {
    const int32_t index = addUnique(address.section, address.row, address.cell);
    Looks looks{std::move(finding), std::move(consistent), std::move(ignored)};
    if (index < static_cast<int32_t>(looks_.size())) {
        looks_[static_cast<std::size_t>(index)] = std::move(looks);
    } else {
        looks_.push_back(std::move(looks));
    }
}

std::string CCHighlightTable::getValue(int32_t index, int32_t mode) const {
    if (index < 0 || index >= static_cast<int32_t>(looks_.size())) return std::string();
    if (mode < 0 || mode >= 3) return std::string();
    return looks_[static_cast<std::size_t>(index)][static_cast<std::size_t>(mode)];
}

void CCHighlightTable::setInputs(GEElementSet* active, GEElementSet* passive, GEElementSet* arcs,
                                 GEAdjacencyMatrix* matrix) {
    active_ = active;
    passive_ = passive;
    arcs_ = arcs;
    matrix_ = matrix;
}
