#include "model/SavedCellList.h"

#include <algorithm>
#include <utility>

int32_t SavedCellList::packSectionRow(uint16_t section, uint16_t row) {
    return static_cast<int32_t>(static_cast<uint32_t>(section) |
                                (static_cast<uint32_t>(row) << 16));
}

void SavedCellList::add(int32_t sectionRow, uint16_t cell) {
    const bool listed = std::any_of(records_.begin(), records_.end(), [&](const Record& r) {
        return r.sectionRow == sectionRow && r.cell == cell;
    });
    if (!listed) records_.push_back({sectionRow, cell, std::string()});
}

CellAddress SavedCellList::getAddress(int32_t i) const {
    if (!has(i)) return {};
    const auto packed = static_cast<uint32_t>(records_[static_cast<std::size_t>(i)].sectionRow);
    return {static_cast<uint16_t>(packed & 0xFFFFu), static_cast<uint16_t>(packed >> 16),
            records_[static_cast<std::size_t>(i)].cell};
}

std::string SavedCellList::getFormula(int32_t i) const {
    if (!has(i)) return std::string();
    return records_[static_cast<std::size_t>(i)].formula;
}

void SavedCellList::setFormula(int32_t i, std::string formula) {
    if (has(i)) records_[static_cast<std::size_t>(i)].formula = std::move(formula);
}
