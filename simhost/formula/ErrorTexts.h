// The error values of ShapeSheet formulas, as Visio shows them.
#pragma once

namespace simhost::formula::errors {

inline constexpr const char kRef[] = "#REF!";        // no such sheet or cell
inline constexpr const char kDivZero[] = "#DIV/0!";  // division by zero
inline constexpr const char kName[] = "#NAME?";      // unknown function
inline constexpr const char kValue[] = "#VALUE!";    // wrong argument count or type
inline constexpr const char kCirc[] = "#CIRC!";      // the cell depends on itself
inline constexpr const char kNum[] = "#NUM!";        // no finite result

}  // namespace simhost::formula::errors
