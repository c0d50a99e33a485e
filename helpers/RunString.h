// Reading the run strings that the masters' action menus send to the add-on, such as
// "SINK=TIA Sheet.12 TBIndex=2": the command after "SINK=", the shape ID after "Sheet."
// and the one character after a key.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace runstring {

// True when "SINK=" occurs in the text and the characters right after its first
// occurrence begin with the command (whatever follows them).
bool namesCommand(const std::string& text, const std::string& command);

// The leading decimal number (blanks and a sign allowed before it; no digits give 0) of
// the text after the first "Sheet.", up to the next blank or the end; nothing when the
// text holds no "Sheet.".
std::optional<int32_t> sheetId(const std::string& text);

// The one character right after the first occurrence of the key; nothing when the key
// does not occur or ends the text.
std::optional<char> characterAfter(const std::string& text, const std::string& key);

// The value of a decimal digit; 0 for any other character.
int32_t digitValue(char c);

}  // namespace runstring
