// The cell access the title block component needs beyond the shared helpers: the forced
// formula write, values in millimetres, and the names of pages as read through the
// add-on's text buffer.
#pragma once

#include <string>

#include "platform/visio/VPage.h"
#include "platform/visio/VShape.h"

namespace titleblock {

// Replaces the formula even when the cell is guarded.
void setCellFormulaForced(const visio::VShape& shape, const std::string& cellName,
                          const std::string& formula);
// The cell's formula exactly as it stands (at most the buffer's length).
std::string getCellFormula(const visio::VShape& shape, const std::string& cellName);

double getCellMillimetres(const visio::VShape& shape, const std::string& cellName);
// A plain write of the value as a constant in millimetres (a guarded cell refuses it).
void setCellMillimetres(const visio::VShape& shape, const std::string& cellName, double value);

std::string pageName(const visio::VPage& page);

}  // namespace titleblock
