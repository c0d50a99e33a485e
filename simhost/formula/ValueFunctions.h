// The functions whose result depends only on their evaluated arguments.
#pragma once

#include <vector>

#include "simhost/formula/FunctionTable.h"
#include "simhost/formula/Value.h"

namespace simhost::formula {

class ValueFunctions {
public:
    // The arguments are already evaluated, none is an error, and their count fits the
    // function. GUARD, RGB, OR, AND, NOT, MIN, MAX, INT, ABS, ROUND, TRUNC, PNTX, PNTY,
    // STRSAME and LEN.
    static Value call(Function function, const std::vector<Value>& arguments);

private:
    static Value rgb(const std::vector<Value>& arguments);
    static Value anyOrAll(bool all, const std::vector<Value>& arguments);
    static Value negation(const Value& argument);
    static Value extreme(bool largest, const std::vector<Value>& arguments);
    static Value unaryMath(Function function, const Value& argument);
    static Value rounded(Function function, const std::vector<Value>& arguments);
    static Value pointCoordinate(bool x, const Value& point);
    static Value sameTexts(const std::vector<Value>& arguments);
    static Value textLength(const Value& argument);
};

}  // namespace simhost::formula
