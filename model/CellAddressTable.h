// The cells that one client (a checker rule, the simulator) will write into shapes.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "model/CellAddress.h"

// Addresses without duplicates, in the order first added.
class CellAddressTable {
public:
    CellAddressTable() = default;
    virtual ~CellAddressTable();

    // The index of an equal address already listed; otherwise the address is appended
    // and its new index answered.
    int32_t addUnique(uint16_t section, uint16_t row, uint16_t cell);
    // Address i; all zero past the end.
    CellAddress get(int32_t i) const;
    int32_t getCount() const { return static_cast<int32_t>(addresses_.size()); }

private:
    std::vector<CellAddress> addresses_;
};

// A client's tables under keys of its own, walked in ascending key order.
using CellAddressTableMap = std::map<int32_t, CellAddressTable*>;
