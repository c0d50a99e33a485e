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
    // True when the box should show the number in plain decimal instead of its text
    // ("07" becomes "7", "+5" becomes "5").
    bool rewrite = false;
};

// An empty box and a box showing its prompt stand for the default (1 for an arc weight
// or a capacity, 0 for a marking). Any other text is read as a leading number; a weight
// or capacity must be positive and a marking not negative. A text without a number, or
// with one too large for 32 bits, is unacceptable and stays as it is.
TextBoxValue evaluateTextBox(TextBoxKind kind, const std::string& text, const std::string& prompt);
