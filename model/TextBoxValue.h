// The number a text box of a Petri net shape shows: an arc weight, a capacity or a
// marking, read from the box's text with the box's prompt in mind.
#pragma once

#include <cstdint>
#include <string>

enum class TextBoxKind { ArcWeight, Capacity, Marking };

// What a text box, or a count cell past 32 bits, is not able to give: the consistency
// checker reports it.
inline constexpr int32_t unacceptableTextValue = -3;

struct TextBoxValue {
    int32_t value = unacceptableTextValue;
};

// An empty box and a box showing its prompt stand for the default (1 for an arc weight
// or a capacity, 0 for a marking). Any other text must be a whole number and nothing
// else (blanks around it, a sign and leading zeros allowed); a weight or capacity must
// be positive and a marking not negative. Anything else ("1.5", "2x", "1e3", a number
// past 32 bits) is unacceptable. The text is only read: what the user wrote stays.
TextBoxValue evaluateTextBox(TextBoxKind kind, const std::string& text, const std::string& prompt);
