// Page.SetFormulas and GetFormulasU, and the shape's own: many formulas in one call. A
// page's stream holds four signed 16-bit numbers per formula (shape ID, section, row,
// cell; shape ID 0 is the page sheet, and no negative number names a shape), a shape's
// three (section, row, cell). A page's entry whose shape ID is -1 (visInvalShapeID) or
// whose section's low byte is 255 (visSectionInval) is ignored, as Visio ignores it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVObject.h"

namespace simhost {

class Page;
class Shape;

class FormulaBatch {
public:
    // Writes what it can: ignored entries, missing shapes and cells are skipped, and so
    // are guarded cells unless flags has 2 (visSetBlastGuards). Each write raises a cell-changed
    // event. Answers how many formulas were written.
    static int16_t write(Page& page, const std::vector<int16_t>& stream,
                         const std::vector<std::string>& formulas, int16_t flags);
    static int16_t write(Shape& shape, const std::vector<int16_t>& stream,
                         const std::vector<std::string>& formulas, int16_t flags);
    // The formulas as FormulaU reads them, in stream order. A cell or shape that does not
    // exist fails the whole call, as in Visio: then nothing is answered. An ignored entry
    // gets an empty answer.
    static std::vector<std::string> read(Page& page, const std::vector<int16_t>& stream);
    static std::vector<std::string> read(Shape& shape, const std::vector<int16_t>& stream);
    // GetResults: the values (or formulas) of the cells, as the flags ask, or nothing at
    // all when a cell is missing or the flags or a unit are not understood.
    static std::vector<visio::Variant> results(Page& page, const std::vector<int16_t>& stream,
                                               int16_t flags,
                                               const std::vector<visio::Variant>& units);
    static std::vector<visio::Variant> results(Shape& shape, const std::vector<int16_t>& stream,
                                               int16_t flags,
                                               const std::vector<visio::Variant>& units);
};

}  // namespace simhost
