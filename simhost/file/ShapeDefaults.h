// The cells a sheet has without being told: what the host gives a new shape of each
// kind (from a master or not), a new page sheet, and a document sheet. The drawing file
// holds only what differs from these.
#pragma once

#include <cstdint>

#include "simhost/host/DefaultCells.h"
#include "simhost/sheet/ShapeSheet.h"

namespace simhost {

class FormulaCache;

class ShapeDefaults {
public:
    // The kind of a shape of that type and dimension; false when the host makes no
    // such shape (a 1-D foreign object, an unknown type).
    static bool kindOf(int16_t type, bool oneD, SheetKind* kind);
    // The sheet of a new sheet of that kind; master makes its cells inherited.
    static ShapeSheet sheetOf(SheetKind kind, bool master, FormulaCache& cache);
};

}  // namespace simhost
