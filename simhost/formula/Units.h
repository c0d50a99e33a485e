// Conversions between Visio's internal units and units named by text or by code.
#pragma once

#include <optional>
#include <string>

#include "simhost/formula/Value.h"

namespace simhost::formula {

struct Unit {
    Dimension dimension = Dimension::None;
    double perInternal = 1;  // how many of this unit make one internal unit
    std::string suffix;      // as written after a number in a formula ("mm", "pt", "")
};

class Units {
public:
    // By name ("mm", "cm", "in", "pt", "deg", "rad", "" for a plain number).
    static std::optional<Unit> byName(const std::string& name);
    // By Visio's unit code (32 plain number, 50 points, 65 inches, 71 millimetres,
    // 80 radians, 81 degrees, ...).
    static std::optional<Unit> byCode(int code);

    // A value in internal units expressed in the unit, and back.
    static double fromInternal(double internalValue, const Unit& unit);
    static double toInternal(double value, const Unit& unit);
    // The formula text that gives the value in that unit ("12 mm", "3").
    static std::string formulaText(double value, const Unit& unit);
};

}  // namespace simhost::formula
