#include "simhost/formula/Coerce.h"

namespace simhost::formula {

std::optional<double> Coerce::number(const Value& value) {
    if (value.kind == Value::Kind::Number || value.kind == Value::Kind::Bool) return value.number;
    return std::nullopt;
}

std::optional<bool> Coerce::truth(const Value& value) {
    std::optional<double> n = number(value);
    if (!n) return std::nullopt;
    return *n != 0;
}

const Value* Coerce::firstError(const std::vector<Value>& values) {
    for (const Value& value : values) {
        if (value.isError()) return &value;
    }
    return nullptr;
}

}  // namespace simhost::formula
