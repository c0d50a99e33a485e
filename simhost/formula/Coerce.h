// How operators and functions read their operands.
#pragma once

#include <optional>
#include <vector>

#include "simhost/formula/Value.h"

namespace simhost::formula {

class Coerce {
public:
    // Numbers, and booleans as 1 and 0; none for anything else.
    static std::optional<double> number(const Value& value);
    // Non-zero numbers and TRUE are true; none for anything else.
    static std::optional<bool> truth(const Value& value);
    // The first error among the values, or null.
    static const Value* firstError(const std::vector<Value>& values);
};

}  // namespace simhost::formula
