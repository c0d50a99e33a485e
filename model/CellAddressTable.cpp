#include "model/CellAddressTable.h"

CellAddressTable::~CellAddressTable() = default;

int32_t CellAddressTable::addUnique(uint16_t section, uint16_t row, uint16_t cell) {
    const CellAddress address{section, row, cell};
    for (std::size_t i = 0; i < addresses_.size(); ++i) {
        if (addresses_[i] == address) return static_cast<int32_t>(i);
    }
    addresses_.push_back(address);
    return getCount() - 1;
}

CellAddress CellAddressTable::get(int32_t i) const {
    if (i < 0 || i >= getCount()) return {};
    return addresses_[static_cast<std::size_t>(i)];
}
