// The one table between ShapeSheet cell names ("User.QAV_marking", "Char.Color[2]",
// "Geometry1.X3", "PinX") and their section/row/cell numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace simhost {

struct CellAddress {
    int16_t section = 0;
    int16_t row = 0;
    int16_t cell = 0;
    bool operator==(const CellAddress& o) const {
        return section == o.section && row == o.row && cell == o.cell;
    }
    bool operator<(const CellAddress& o) const {
        if (section != o.section) return section < o.section;
        if (row != o.row) return row < o.row;
        return cell < o.cell;
    }
};

// How a section's rows are addressed by name.
enum class RowNaming {
    Fixed,     // the object section: each row has its own cell names ("PinX", "LineColor")
    Indexed,   // "Char.Color", "Char.Color[2]": the first row bare, later rows by [n]
    Numbered,  // "Scratch.X1", "Connections.X3": the row number follows the cell name
    Geometry,  // "Geometry1.NoShow" for row 0, "Geometry1.X2" for vertex rows
    Named,     // "User.Name", "User.Name.Prompt", "Prop.Name.Label", "Actions.Name.Action"
};

struct SectionInfo {
    int16_t section;
    const char* prefix;  // "User", "Char", "Geometry" (the geometry number follows)
    RowNaming naming;
    std::vector<const char*> cells;  // cell names by cell index (for Fixed: unused)
};

// A name resolved against a shape's rows: the address, or the row name to look up.
struct ParsedCellName {
    int16_t section = 0;
    int16_t row = -1;     // known row index, or -1 when the row is named
    std::string rowName;  // for named rows
    int16_t cell = 0;
};

class CellNames {
public:
    // Splits a cell name into section, row (index or name) and cell. Case-insensitive
    // on section and cell names, as Visio is; row names keep their case for lookup.
    static std::optional<ParsedCellName> parse(const std::string& name);

    // The canonical name of a cell; rowName is used for named sections.
    static std::string format(const CellAddress& address, const std::string& rowName);

    // The cells a row of the section has (for the object section: of that row).
    static int16_t cellCount(int16_t section, int16_t row);
    static const SectionInfo* section(int16_t section);
    // The section a prefix names ("User" -> 242), -1 when none.
    static int16_t sectionOfPrefix(const std::string& prefix);

    // Rows of the object section and their cells.
    struct FixedCell {
        const char* name;
        int16_t row;
        int16_t cell;
    };
    static const std::vector<FixedCell>& fixedCells();
};

}  // namespace simhost
