// The operators of formulas on evaluated operands.
#pragma once

#include "simhost/formula/Node.h"
#include "simhost/formula/Value.h"

namespace simhost::formula {

class Operators {
public:
    // An error operand is the result (the left one first); otherwise arithmetic takes
    // numbers and booleans, "&" strings, numbers and booleans, comparisons two numbers
    // or two strings; anything else is "#VALUE!".
    static Value apply(Operator op, const Value& left, const Value& right);
    // A sign before a value: the number, negated when asked, as a plain number.
    static Value sign(const Value& operand, bool negate);

private:
    static Value arithmetic(Operator op, double left, double right, Dimension dimension);
    static Value concat(const Value& left, const Value& right);
    static Value compare(Operator op, const Value& left, const Value& right);
    static bool compareNumbers(Operator op, double left, double right);
    static bool compareTexts(Operator op, const std::string& left, const std::string& right);
    static Dimension resultDimension(Operator op, Dimension left, Dimension right);
};

}  // namespace simhost::formula
