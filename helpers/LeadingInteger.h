// Reading a number from the start of a text the way the C library's string-to-integer
// conversion does, held inside 32 bits.
#pragma once

#include <cstdint>
#include <string>

struct LeadingInteger {
    // 0 when the text starts with no number; the nearest 32-bit value on overflow.
    int32_t value = 0;
    // False when no digit followed the blanks and the sign.
    bool hasDigits = false;
    // True when the number does not fit in 32 bits.
    bool overflow = false;
};

// Leading white space, an optional sign, then decimal digits up to the first other
// character.
LeadingInteger parseLeadingInteger(const std::string& text);

// The same for a text that is a whole number and nothing else: blanks may follow the
// digits, but any other character leaves the text without a number (hasDigits false).
LeadingInteger parseWholeInteger(const std::string& text);
