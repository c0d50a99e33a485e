// Values as text: the plain decimal form of numbers, the text that operators like "&"
// see, and the formula text that reproduces a value (what SETF writes).
#pragma once

#include <optional>
#include <string>

#include "simhost/formula/Value.h"

namespace simhost::formula {

class ValueText {
public:
    // Up to 15 significant digits, "." as separator, never an exponent; non-finite
    // numbers, which no cell can hold, give "0".
    static std::string formatNumber(double value);

    // The text of a string, number or boolean as "&", STRSAME and LEN use it; none for
    // points, cell references and errors.
    static std::optional<std::string> displayText(const Value& value);

    // Formula text that evaluates to the value again: strings verbatim (they are
    // formulas themselves), TRUE/FALSE, lengths in inches ("2 in"), angles in degrees,
    // colours as RGB(r,g,b); none for points, cell references and errors.
    static std::optional<std::string> formulaText(const Value& value);

private:
    static std::string colourText(double colour);
};

}  // namespace simhost::formula
