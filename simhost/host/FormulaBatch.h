// Page.SetFormulas: many formula writes in one call. The stream holds four 16-bit
// numbers per formula (shape ID, section, row, cell); shape ID 0 is the page sheet.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace simhost {

class Page;

class FormulaBatch {
public:
    // Writes what it can: missing shapes and cells are skipped, and so are guarded cells
    // unless flags has 2 (visSetBlastGuards). Each write raises a cell-changed event.
    // Answers how many formulas were written.
    static int16_t write(Page& page, const std::vector<int16_t>& stream,
                         const std::vector<std::string>& formulas, int16_t flags);
};

}  // namespace simhost
