// Reading the run strings that the action rows of the masters send to the add-on:
// "SINK=" followed by a command, "Sheet." followed by the calling shape's ID, and keys
// such as "PARAM=" followed by a value. Each piece is looked for anywhere in the string,
// so the pieces may come in any order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The `length` characters right after the first "SINK=" (fewer when the string ends
// earlier); none when the string has no "SINK=".
std::optional<std::string> findSinkCommand(const std::string& runString, std::size_t length);

// The shape ID after the first "Sheet.": the leading decimal digits of the text up to the
// next blank; 0 when the string has no "Sheet." or the text starts with no digit. IDs
// beyond the 32-bit range are held at its end (they name no shape either way).
int32_t readSheetId(const std::string& runString);

// Everything after the first occurrence of the key ("PARAM=") up to the end of the
// string; none when the key is missing.
std::optional<std::string> readValueAfter(const std::string& runString, const std::string& key);
