// Writes a ShapeSheet into the drawing file as its differences from the sheet its kind
// starts with: object-section cells by name ("cells" local, "inherited" from the
// master), the default rows and sections it lacks ("removed"), and every other section
// that is not as the default, whole and in row order ("sections").
#pragma once

#include <cstdint>

#include "simhost/file/Json.h"
#include "simhost/sheet/ShapeSheet.h"

namespace simhost {

class SheetEncoder {
public:
    // Adds the members to out; a member with nothing to say is left out.
    static void encode(const ShapeSheet& sheet, const ShapeSheet& base, Json& out);
    // How many of the cells both sheets have are inherited in sheet, and how many local:
    // tells whether a shape is best written as an instance of a master.
    static void countInherited(const ShapeSheet& sheet, const ShapeSheet& base, int* inherited,
                               int* local);

    // Whether an object-section cell of sheet has an empty formula of its own where base
    // has the cell.
    static bool holdsEmptyOverDefault(const ShapeSheet& sheet, const ShapeSheet& base);

private:
    static void encodeObjectCells(const ShapeSheet& sheet, const ShapeSheet& base, Json& cells,
                                  Json& inherited, Json& removed);
    static Json encodeSection(const ShapeSheet& sheet, int16_t section);
    static Json encodeRow(int16_t section, int16_t number, const SheetRow& row);
    static bool isInherited(const ShapeSheet& sheet, int16_t section);
    static bool sameSection(const ShapeSheet& a, const ShapeSheet& b, int16_t section);
};

}  // namespace simhost
