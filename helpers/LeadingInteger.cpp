#include "helpers/LeadingInteger.h"

#include <limits>

namespace {

bool isCBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number the text starts with; pos is left just past its last digit.
LeadingInteger parseFrom(const std::string& text, std::size_t& pos) {
    LeadingInteger result;
    while (pos < text.size() && isCBlank(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // Accumulated as a magnitude one past the largest positive value, so that the
    // smallest negative value still fits.
    const int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + (negative ? 1 : 0);
    int64_t magnitude = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        result.hasDigits = true;
        if (!result.overflow) {
            magnitude = magnitude * 10 + (text[pos] - '0');
            if (magnitude > limit) {
                result.overflow = true;
                magnitude = limit;
            }
        }
    }
    result.value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return result;
}

}  // namespace

LeadingInteger parseLeadingInteger(const std::string& text) {
    std::size_t pos = 0;
    return parseFrom(text, pos);
}

LeadingInteger parseWholeInteger(const std::string& text) {
    std::size_t pos = 0;
    LeadingInteger result = parseFrom(text, pos);
    while (pos < text.size() && isCBlank(text[pos])) ++pos;
    if (pos != text.size()) result = LeadingInteger();
    return result;
}
