// Reading and writing a shape's ShapeSheet cells by name or by section, row and cell.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/visio/VCell.h"
#include "platform/visio/VShape.h"

// True when the shape has the cell, its master's inherited cells included.
bool cellExists(const visio::VShape& shape, const std::string& cellName);

// The text the cell holds: its value as a string, so that a string constant reads
// without its quotes and with its doubled quotes single, a joined string or a
// reference as what it gives. Empty for a missing cell.
std::string getCellString(const visio::VShape& shape, const std::string& cellName);
// The same for a cell already looked up.
std::string cellText(const visio::VCell& cell);
std::string getCellStringSRC(const visio::VShape& shape, int16_t section, int16_t row,
                             int16_t cell);
// The text a formula as read gives when it is a lone string constant; none for any other
// formula, whose value only the cell can tell.
std::optional<std::string> stringConstantText(const std::string& formula);

// The cell's formula exactly as Visio holds it: nothing stripped, nothing cut. What is
// saved to be written back later must be read this way, or a quoted string constant
// would come back as a bare name.
std::string getCellFormula(const visio::VShape& shape, const std::string& cellName);
std::string getCellFormulaSRC(const visio::VShape& shape, int16_t section, int16_t row,
                              int16_t cell);
// What puts the cell back as it is now. A formula inherited from the master is saved as
// the empty formula, which makes the cell inherit again: writing the master's formula
// itself would leave the shape with a local copy that no longer follows its master.
std::string formulaToRestore(const visio::VCell& cell);

// The plain formula write, which a guarded cell refuses.
void setCellFormula(const visio::VShape& shape, const std::string& cellName,
                    const std::string& formula);
void setCellFormulaSRC(const visio::VShape& shape, int16_t section, int16_t row, int16_t cell,
                       const std::string& formula);

// The cell's value in Visio's internal units.
double getCellResult(const visio::VShape& shape, const std::string& cellName);
// The value truncated toward zero (and held inside the 32-bit range).
int32_t getCellResultInt(const visio::VShape& shape, const std::string& cellName);
int32_t resultAsInt(double value);

// Writes the formula into a "User." cell, adding the user row first when it is missing.
void ensureUserCell(const visio::VShape& shape, const std::string& cellName,
                    const std::string& formula);
// Adds the "User." cell with the formula only when the shape lacks it (its master's
// included): a present cell keeps what it holds, and an inherited one keeps inheriting.
// True when it added the cell.
bool addMissingUserCell(const visio::VShape& shape, const std::string& cellName,
                        const std::string& formula);
