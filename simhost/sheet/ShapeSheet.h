// The sections, rows and cells of one shape's ShapeSheet, addressed by section/row/cell
// numbers or by name. Storage only: formulas are evaluated by the host.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "simhost/sheet/CellNames.h"

namespace simhost {

namespace formula {
class Expression;
}

// What a cell inherited before it got a formula of its own.
struct InheritedFormula {
    std::string formula;
    std::shared_ptr<const formula::Expression> expression;
};

// The inherited formulas that local ones stand over, one per text: many instances of a
// master have the same formula under the same cell, and the host keeps one.
class InheritedFormulas {
public:
    std::shared_ptr<const InheritedFormula> keep(
        std::string formula, std::shared_ptr<const formula::Expression> expression);
    size_t size() const { return kept_.size(); }

private:
    std::unordered_map<std::string, std::shared_ptr<const InheritedFormula>> kept_;
};

struct SheetCell {
    std::string formula;
    // The parsed formula, shared by every cell with the same text; null when the text
    // does not parse (the text is kept and evaluates to an error).
    std::shared_ptr<const formula::Expression> expression;
    // Comes from the master and has no local value yet.
    bool inherited = false;
    // Set while a local formula stands over an inherited one.
    std::shared_ptr<const InheritedFormula> underneath;
};

struct SheetRow {
    // Stays with the row when rows before it are added or deleted, so a cell handle
    // keeps naming the same cell.
    uint32_t id = 0;
    int16_t index = 0;  // the row number in the object section (its rows are fixed)
    std::string name;   // rows of the User, Prop, Actions and Connections sections
    int16_t tag = 0;
    bool inherited = false;
    // Was inherited until one of its cells got a local formula.
    bool inheritedBefore = false;
    std::vector<SheetCell> cells;
};

struct SheetSection {
    bool inherited = false;
    // Was inherited until one of its cells got a local formula.
    bool inheritedBefore = false;
    std::vector<SheetRow> rows;
};

class ShapeSheet {
public:
    static constexpr int16_t kAppendRow = -2;  // Visio's visRowLast

    // Sections. A section the shape only inherits exists unless localOnly is asked.
    bool sectionExists(int16_t section, bool localOnly = false) const;
    // Adds an empty section (a geometry section with its component row); false when it
    // already exists or the number names no section.
    bool addSection(int16_t section, bool inherited = false);
    void deleteSection(int16_t section);
    std::vector<int16_t> sectionNumbers() const;

    // Rows, numbered as Visio numbers them in the section.
    int16_t rowCount(int16_t section) const;
    bool rowExists(int16_t section, int16_t row, bool localOnly = false) const;
    // Inserts a row at that position (appended when the position is past the end or
    // kAppendRow); the section is added when missing. Answers the new row's number, or
    // -1 when the section takes no such row.
    int16_t addRow(int16_t section, int16_t row, int16_t tag, bool inherited = false);
    // Appends a row with that name; -1 when the section has no named rows, the name is
    // not a valid row name or the section already has a row of that name.
    int16_t addNamedRow(int16_t section, const std::string& name, int16_t tag,
                        bool inherited = false);
    bool deleteRow(int16_t section, int16_t row);
    // The number of the row of that name (case-insensitive), -1 when none.
    int16_t rowOfName(int16_t section, const std::string& name) const;
    SheetRow* row(int16_t section, int16_t row);
    const SheetRow* row(int16_t section, int16_t row) const;
    // The row with that identity and its current number, or null.
    SheetRow* rowById(int16_t section, uint32_t id, int16_t* number);

    // Cells. Null when the cell does not exist (or is inherited and localOnly is asked).
    SheetCell* cell(const CellAddress& address, bool localOnly = false);
    const SheetCell* cell(const CellAddress& address, bool localOnly = false) const;
    // The address of an existing cell by its name ("User.Row.Prompt", "Char.Color[2]").
    std::optional<CellAddress> resolve(const std::string& name) const;
    // The canonical name of a cell of this sheet; empty when it does not exist.
    std::string nameOf(const CellAddress& address) const;
    // The cell a name gives, with its section and row added when missing (the host's
    // way to build shapes); null when the name names no cell.
    SheetCell* ensureCell(const std::string& name, CellAddress* address, bool inherited = false);

    // Where the formulas that local ones stand over are kept; each its own when none is
    // given. The host's sheets share the application's.
    void keepInheritedIn(InheritedFormulas* kept) { inheritedFormulas_.formulas = kept; }
    // Stores a formula as a local value: the cell, its row and its section become local.
    void setLocal(const CellAddress& address, std::string formula,
                  std::shared_ptr<const formula::Expression> expression);
    // Drops the cell's local formula over an inherited one: the cell, and its row and
    // section when all in them is inherited again, inherit as before. False when the
    // cell has no inherited formula under its own.
    bool inheritAgain(const CellAddress& address);

private:
    SheetSection* section(int16_t number);
    const SheetSection* section(int16_t number) const;
    SheetRow makeRow(int16_t section, int16_t index, int16_t tag, bool inherited);
    int16_t insertRow(int16_t section, int16_t position, SheetRow row);
    static bool isNamedSection(int16_t section);
    static bool isGeometrySection(int16_t section);

    std::map<int16_t, SheetSection> sections_;
    uint32_t nextRowId_ = 1;
    // Where the formulas are kept belongs to the sheet's shape, not to its cells: a sheet
    // that takes another's cells (a shape read from a file, a copy) keeps its own place.
    struct KeptIn {
        InheritedFormulas* formulas = nullptr;
        KeptIn() = default;
        KeptIn(const KeptIn&) = default;
        KeptIn& operator=(const KeptIn&) { return *this; }
    };
    KeptIn inheritedFormulas_;
};

}  // namespace simhost
