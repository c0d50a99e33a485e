#include "simhost/formula/Operators.h"

#include <algorithm>
#include <cmath>

#include "simhost/formula/Coerce.h"
#include "simhost/formula/ErrorTexts.h"
#include "simhost/formula/ValueText.h"

namespace simhost::formula {

namespace {

// Numbers that differ only by floating-point rounding are equal, so that 0.1 + 0.2 = 0.3
// holds as it does for the user.
constexpr double kRelativeTolerance = 1e-14;

Value finite(double result, Dimension dimension) {
    if (!std::isfinite(result)) return Value::error(errors::kNum);
    return Value::numberOf(result, dimension);
}

bool isComparison(Operator op) {
    return op == Operator::Equal || op == Operator::NotEqual || op == Operator::Less ||
           op == Operator::Greater || op == Operator::LessEqual || op == Operator::GreaterEqual;
}

}  // namespace

Value Operators::apply(Operator op, const Value& left, const Value& right) {
    if (left.isError()) return left;
    if (right.isError()) return right;
    if (op == Operator::Concat) return concat(left, right);
    if (isComparison(op)) return compare(op, left, right);
    std::optional<double> a = Coerce::number(left);
    std::optional<double> b = Coerce::number(right);
    if (!a || !b) return Value::error(errors::kValue);
    Dimension da = left.kind == Value::Kind::Number ? left.dimension : Dimension::None;
    Dimension db = right.kind == Value::Kind::Number ? right.dimension : Dimension::None;
    return arithmetic(op, *a, *b, resultDimension(op, da, db));
}

Value Operators::sign(const Value& operand, bool negate) {
    if (operand.isError()) return operand;
    std::optional<double> n = Coerce::number(operand);
    if (!n) return Value::error(errors::kValue);
    Dimension dimension = operand.kind == Value::Kind::Number ? operand.dimension : Dimension::None;
    return Value::numberOf(negate ? -*n : *n, dimension);
}

Value Operators::arithmetic(Operator op, double left, double right, Dimension dimension) {
    switch (op) {
        case Operator::Add:
            return finite(left + right, dimension);
        case Operator::Subtract:
            return finite(left - right, dimension);
        case Operator::Multiply:
            return finite(left * right, dimension);
        case Operator::Divide:
            if (right == 0) return Value::error(errors::kDivZero);
            return finite(left / right, dimension);
        case Operator::Power:
            if (left == 0 && right < 0) return Value::error(errors::kDivZero);
            return finite(std::pow(left, right), dimension);
        default:
            return Value::error(errors::kValue);
    }
}

Value Operators::concat(const Value& left, const Value& right) {
    std::optional<std::string> a = ValueText::displayText(left);
    std::optional<std::string> b = ValueText::displayText(right);
    if (!a || !b) return Value::error(errors::kValue);
    return Value::string(*a + *b);
}

Value Operators::compare(Operator op, const Value& left, const Value& right) {
    if (left.kind == Value::Kind::String && right.kind == Value::Kind::String) {
        return Value::boolean(compareTexts(op, left.text, right.text));
    }
    std::optional<double> a = Coerce::number(left);
    std::optional<double> b = Coerce::number(right);
    if (!a || !b) return Value::error(errors::kValue);
    return Value::boolean(compareNumbers(op, *a, *b));
}

bool Operators::compareNumbers(Operator op, double left, double right) {
    double scale = std::max(std::fabs(left), std::fabs(right));
    bool equal = std::fabs(left - right) <= kRelativeTolerance * scale;
    switch (op) {
        case Operator::Equal:
            return equal;
        case Operator::NotEqual:
            return !equal;
        case Operator::Less:
            return !equal && left < right;
        case Operator::Greater:
            return !equal && left > right;
        case Operator::LessEqual:
            return equal || left < right;
        case Operator::GreaterEqual:
            return equal || left > right;
        default:
            return false;
    }
}

bool Operators::compareTexts(Operator op, const std::string& left, const std::string& right) {
    int order = left.compare(right);
    switch (op) {
        case Operator::Equal:
            return order == 0;
        case Operator::NotEqual:
            return order != 0;
        case Operator::Less:
            return order < 0;
        case Operator::Greater:
            return order > 0;
        case Operator::LessEqual:
            return order <= 0;
        case Operator::GreaterEqual:
            return order >= 0;
        default:
            return false;
    }
}

// A length plus or times a plain number stays a length; a length divided by a length is
// a plain ratio; products of two measures and powers have no unit of their own.
Dimension Operators::resultDimension(Operator op, Dimension left, Dimension right) {
    switch (op) {
        case Operator::Add:
        case Operator::Subtract:
            return left != Dimension::None ? left : right;
        case Operator::Multiply:
            if (left == Dimension::None) return right;
            return right == Dimension::None ? left : Dimension::None;
        case Operator::Divide:
            return right == Dimension::None ? left : Dimension::None;
        default:
            return Dimension::None;
    }
}

}  // namespace simhost::formula
