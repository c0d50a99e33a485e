#include "simhost/formula/ValueFunctions.h"

#include <cctype>
#include <cmath>
#include <optional>
#include <string>

#include "simhost/formula/Coerce.h"
#include "simhost/formula/ErrorTexts.h"
#include "simhost/formula/ValueText.h"

namespace simhost::formula {

namespace {

Value valueError() {
    return Value::error(errors::kValue);
}

Dimension dimensionOf(const Value& value) {
    return value.kind == Value::Kind::Number ? value.dimension : Dimension::None;
}

std::string lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

Value ValueFunctions::call(Function function, const std::vector<Value>& arguments) {
    switch (function) {
        case Function::Guard:
            return arguments.front();
        case Function::Rgb:
            return rgb(arguments);
        case Function::Or:
            return anyOrAll(false, arguments);
        case Function::And:
            return anyOrAll(true, arguments);
        case Function::Not:
            return negation(arguments.front());
        case Function::Min:
            return extreme(false, arguments);
        case Function::Max:
            return extreme(true, arguments);
        case Function::Int:
        case Function::Abs:
            return unaryMath(function, arguments.front());
        case Function::Round:
        case Function::Trunc:
            return rounded(function, arguments);
        case Function::PntX:
            return pointCoordinate(true, arguments.front());
        case Function::PntY:
            return pointCoordinate(false, arguments.front());
        case Function::StrSame:
            return sameTexts(arguments);
        case Function::Len:
            return textLength(arguments.front());
        default:
            return valueError();
    }
}

// Each component is rounded to a whole number and must lie in 0..255.
Value ValueFunctions::rgb(const std::vector<Value>& arguments) {
    double colour = 0;
    double weight = 1;
    for (const Value& argument : arguments) {
        std::optional<double> component = Coerce::number(argument);
        if (!component) return valueError();
        double whole = std::round(*component);
        if (whole < 0 || whole > 255) return valueError();
        colour += whole * weight;
        weight *= 256;
    }
    return Value::numberOf(colour, Dimension::Colour);
}

Value ValueFunctions::anyOrAll(bool all, const std::vector<Value>& arguments) {
    bool result = all;
    for (const Value& argument : arguments) {
        std::optional<bool> truth = Coerce::truth(argument);
        if (!truth) return valueError();
        result = all ? result && *truth : result || *truth;
    }
    return Value::boolean(result);
}

Value ValueFunctions::negation(const Value& argument) {
    std::optional<bool> truth = Coerce::truth(argument);
    if (!truth) return valueError();
    return Value::boolean(!*truth);
}

// The result keeps the dimension of the first argument that has one, so that
// MIN(Height, 3) stays a length.
Value ValueFunctions::extreme(bool largest, const std::vector<Value>& arguments) {
    std::optional<double> best;
    Dimension dimension = Dimension::None;
    for (const Value& argument : arguments) {
        std::optional<double> n = Coerce::number(argument);
        if (!n) return valueError();
        if (!best || (largest ? *n > *best : *n < *best)) best = n;
        if (dimension == Dimension::None) dimension = dimensionOf(argument);
    }
    return Value::numberOf(*best, dimension);
}

Value ValueFunctions::unaryMath(Function function, const Value& argument) {
    std::optional<double> n = Coerce::number(argument);
    if (!n) return valueError();
    double result = function == Function::Int ? std::floor(*n) : std::fabs(*n);
    return Value::numberOf(result, dimensionOf(argument));
}

// ROUND rounds halves away from zero, TRUNC cuts toward zero, both to the given number
// of decimals (0 when omitted, negative for tens, hundreds, ...).
Value ValueFunctions::rounded(Function function, const std::vector<Value>& arguments) {
    std::optional<double> n = Coerce::number(arguments.front());
    std::optional<double> digits = arguments.size() > 1 ? Coerce::number(arguments[1]) : 0.0;
    if (!n || !digits || std::fabs(*digits) > 15) return valueError();
    // Powers of ten up to 1e15 are exact, 10^-d is not: divide by them, never multiply
    // by their inverse.
    double places = std::trunc(*digits);
    double scale = std::pow(10.0, std::fabs(places));
    double scaled = places >= 0 ? *n * scale : *n / scale;
    double whole = function == Function::Round ? std::round(scaled) : std::trunc(scaled);
    double result = places >= 0 ? whole / scale : whole * scale;
    if (!std::isfinite(result)) return Value::error(errors::kNum);
    return Value::numberOf(result, dimensionOf(arguments.front()));
}

Value ValueFunctions::pointCoordinate(bool x, const Value& point) {
    if (point.kind != Value::Kind::Point) return valueError();
    return Value::numberOf(x ? point.x : point.y, Dimension::Length);
}

Value ValueFunctions::sameTexts(const std::vector<Value>& arguments) {
    std::optional<std::string> a = ValueText::displayText(arguments[0]);
    std::optional<std::string> b = ValueText::displayText(arguments[1]);
    std::optional<bool> ignoreCase = false;
    if (arguments.size() > 2) ignoreCase = Coerce::truth(arguments[2]);
    if (!a || !b || !ignoreCase) return valueError();
    if (*ignoreCase) return Value::boolean(lowered(*a) == lowered(*b));
    return Value::boolean(*a == *b);
}

// Counts characters, not bytes: continuation bytes of UTF-8 sequences are skipped.
Value ValueFunctions::textLength(const Value& argument) {
    std::optional<std::string> text = ValueText::displayText(argument);
    if (!text) return valueError();
    double count = 0;
    for (char c : *text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return Value::numberOf(count);
}

}  // namespace simhost::formula
