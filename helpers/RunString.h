// Reading the run strings that the masters' action rows send to the add-on, such as
// "SINK=TIA Sheet.12 TBIndex=2" or "SINK=INSTXT Sheet.7 PARAM=DATE": the command after
// "SINK=", the calling shape's ID after "Sheet." and the value after a key. Each piece is
// looked for anywhere in the string, so the pieces may come in any order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace runstring {

// The `length` characters right after the first "SINK=" (fewer when the string ends
// earlier); none when the string has no "SINK=".
std::optional<std::string> sinkCommand(const std::string& text, std::size_t length);

// True when "SINK=" occurs in the text and the characters right after its first
// occurrence begin with the command (whatever follows them).
bool namesCommand(const std::string& text, const std::string& command);

// The leading decimal number (blanks and a sign allowed before it; no digits give 0) of
// the text after the first "Sheet.", up to the next blank or the end, held inside the
// 32-bit range; none when the text holds no "Sheet.".
std::optional<int32_t> sheetId(const std::string& text);

// Everything after the first occurrence of the key up to the end of the string; none
// when the key is missing.
std::optional<std::string> valueAfter(const std::string& text, const std::string& key);

// The one character right after the first occurrence of the key; none when the key
// does not occur or ends the text.
std::optional<char> characterAfter(const std::string& text, const std::string& key);

// The value of a decimal digit; 0 for any other character.
int32_t digitValue(char c);

}  // namespace runstring
