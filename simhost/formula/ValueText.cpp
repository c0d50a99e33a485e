#include "simhost/formula/ValueText.h"

#include <charconv>
#include <cmath>

#include "simhost/formula/Units.h"

namespace simhost::formula {

namespace {

constexpr int kSignificantDigits = 15;

// Splits |value| into its significant digits (trailing zeros dropped) and the decimal
// exponent of the first digit.
void decimalDigits(double value, std::string& digits, int& exponent) {
    char buffer[64];
    auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                 std::chars_format::scientific, kSignificantDigits - 1);
    std::string text(buffer, written.ptr);  // "1.23400000000000e+02"
    size_t e = text.find('e');
    digits = text.substr(0, 1) + (e > 2 ? text.substr(2, e - 2) : std::string());
    exponent = 0;
    const char* first = text.c_str() + e + 1;
    if (*first == '+') ++first;
    std::from_chars(first, text.c_str() + text.size(), exponent);
    size_t last = digits.find_last_not_of('0');
    digits.erase(last == std::string::npos ? 1 : last + 1);
}

}  // namespace

std::string ValueText::formatNumber(double value) {
    if (!std::isfinite(value) || value == 0) return "0";
    std::string digits;
    int exponent = 0;
    decimalDigits(value, digits, exponent);
    std::string integerPart;
    std::string fraction;
    if (exponent >= 0) {
        size_t integerDigits = static_cast<size_t>(exponent) + 1;
        if (digits.size() < integerDigits) digits.append(integerDigits - digits.size(), '0');
        integerPart = digits.substr(0, integerDigits);
        fraction = digits.substr(integerDigits);
    } else {
        integerPart = "0";
        fraction = std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    }
    std::string text = value < 0 ? "-" : "";
    text += integerPart;
    if (!fraction.empty()) text += "." + fraction;
    return text;
}

std::optional<std::string> ValueText::displayText(const Value& value) {
    switch (value.kind) {
        case Value::Kind::String:
            return value.text;
        case Value::Kind::Bool:
            return std::string(value.number != 0 ? "TRUE" : "FALSE");
        case Value::Kind::Number:
            return formatNumber(value.number);
        default:
            return std::nullopt;
    }
}

std::optional<std::string> ValueText::formulaText(const Value& value) {
    if (value.kind != Value::Kind::Number) return displayText(value);
    switch (value.dimension) {
        case Dimension::Length: {
            Unit inches = *Units::byName("in");
            return Units::formulaText(Units::fromInternal(value.number, inches), inches);
        }
        case Dimension::Angle: {
            Unit degrees = *Units::byName("deg");
            return Units::formulaText(Units::fromInternal(value.number, degrees), degrees);
        }
        case Dimension::Colour:
            return colourText(value.number);
        case Dimension::None:
            break;
    }
    return formatNumber(value.number);
}

std::string ValueText::colourText(double colour) {
    if (colour < 0 || colour > 0xFFFFFF || colour != std::floor(colour)) {
        return formatNumber(colour);
    }
    auto rgb = static_cast<int32_t>(colour);
    return "RGB(" + std::to_string(rgb & 0xFF) + "," + std::to_string((rgb >> 8) & 0xFF) + "," +
           std::to_string((rgb >> 16) & 0xFF) + ")";
}

}  // namespace simhost::formula
