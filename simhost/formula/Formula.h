// Parsing and evaluating ShapeSheet formulas; the entry points the host uses.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "simhost/formula/Context.h"
#include "simhost/formula/Value.h"

namespace simhost::formula {

class Expression;  // an immutable parsed formula

// Parses formula text; null with *error set when the text is no valid formula (a
// message such as "Unexpected ')' at position 4", positions counted from 1). An empty
// text parses to an expression without value. A leading "=" is allowed, names and
// function names ignore case, and ";" separates arguments as well as ",".
std::shared_ptr<const Expression> parseFormula(const std::string& text, std::string* error);

// Evaluates a parsed formula; never throws, errors come back as Error values.
Value evaluate(const Expression& expression, Context& context);

// True when the formula's top-level call is GUARD(...).
bool isGuarded(const Expression& expression);

// True for the empty formula ("" or "="), which has no value of its own: evaluate gives
// Number 0 for it, and a string read of the cell gives "".
bool isEmptyFormula(const Expression& expression);

// The cell references a formula makes, as (qualifier, cell name) pairs.
std::vector<std::pair<std::string, std::string>> referencedCells(const Expression& expression);

// A number in Visio's plain decimal form: "." as separator, no exponent, no trailing
// zeros ("1.4", "3", "-0.25").
std::string formatNumber(double value);

}  // namespace simhost::formula
