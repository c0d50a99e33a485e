#include "model/SavedCellList.h"

#include <algorithm>

int32_t SavedCellList::packSectionRow(uint16_t section, uint16_t row) {
    return static_cast<int32_t>(static_cast<uint32_t>(section) |
                                (static_cast<uint32_t>(row) << 16));
}

void SavedCellList::add(int32_t sectionRow, uint16_t cell) {
    const bool listed = std::any_of(records_.begin(), records_.end(), [&](const Record& r) {
        return r.sectionRow == sectionRow && r.cell == cell;
    });
    if (!listed) records_.push_back({sectionRow, cell, 0, 0});
}

CellAddress SavedCellList::getAddress(int32_t i) const {
    if (!has(i)) return {};
    const auto packed = static_cast<uint32_t>(records_[static_cast<std::size_t>(i)].sectionRow);
    return {static_cast<uint16_t>(packed & 0xFFFFu), static_cast<uint16_t>(packed >> 16),
            records_[static_cast<std::size_t>(i)].cell};
}

std::string SavedCellList::getFormula(int32_t i) const {
    if (!has(i)) return std::string();
    const Record& r = records_[static_cast<std::size_t>(i)];
    return formulas_.substr(r.offset, r.length);
}

// A formula set again is appended anew; its former text stays unused.
void SavedCellList::setFormula(int32_t i, std::string formula) {
    if (!has(i)) return;
    Record& r = records_[static_cast<std::size_t>(i)];
    r.offset = static_cast<uint32_t>(formulas_.size());
    r.length = static_cast<uint32_t>(formula.size());
    formulas_ += formula;
}
