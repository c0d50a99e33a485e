// The former formulas of one shape's cells, saved before a client writes its own.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "model/CellAddress.h"

class SavedCellList {
public:
    // Section in the low 16 bits, row in the high 16 bits.
    static int32_t packSectionRow(uint16_t section, uint16_t row);

    // Room for that many records: a list of every shape of a page grows no further.
    void reserve(int32_t count) { records_.reserve(static_cast<std::size_t>(std::max(count, 0))); }
    // Room for formulas of that many characters together.
    void reserveFormulas(std::size_t chars) { formulas_.reserve(chars); }
    // Appends a record with an empty formula unless the address is already listed.
    void add(int32_t sectionRow, uint16_t cell);
    int32_t getCount() const { return static_cast<int32_t>(records_.size()); }
    // Address and formula of record i; empty past the end.
    CellAddress getAddress(int32_t i) const;
    std::string getFormula(int32_t i) const;
    void setFormula(int32_t i, std::string formula);

private:
    // A page's lists hold many records of short formulas: each record names its formula's
    // place among the list's formulas, which are kept one after another in one text.
    struct Record {
        int32_t sectionRow = 0;
        uint16_t cell = 0;
        uint32_t offset = 0;
        uint32_t length = 0;
    };

    bool has(int32_t i) const { return i >= 0 && i < getCount(); }

    std::vector<Record> records_;
    std::string formulas_;
};
