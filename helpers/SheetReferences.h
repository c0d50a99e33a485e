// References of one shape's formulas to another shape ("Sheet.7!Width").
#pragma once

#include <cstdint>
#include <map>
#include <string>

// The formula with each reference "Sheet.<ID>!" to a shape the map names renamed to the
// ID it maps to, as Visio renames the references among shapes it copies. The same text
// in a string constant, or ending a longer name, is the user's and stays.
std::string renamedSheetReferences(const std::string& formula,
                                   const std::map<int32_t, int32_t>& ids);
