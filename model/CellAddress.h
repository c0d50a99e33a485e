// A ShapeSheet cell's address: Visio's section, row and cell indices.
#pragma once

#include <cstdint>

struct CellAddress {
    uint16_t section = 0;
    uint16_t row = 0;
    uint16_t cell = 0;

    bool operator==(const CellAddress& o) const {
        return section == o.section && row == o.row && cell == o.cell;
    }
    bool operator!=(const CellAddress& o) const { return !(*this == o); }
};
