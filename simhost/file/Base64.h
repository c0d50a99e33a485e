// The bytes of an embedded picture as text a drawing file can hold: base64 with padding
// (RFC 4648), no line breaks.
#pragma once

#include <optional>
#include <string>

namespace simhost {

class Base64 {
public:
    static std::string encode(const std::string& bytes);
    // None when the text is not base64 as encode writes it (another alphabet, missing
    // padding, blanks, bits left over).
    static std::optional<std::string> decode(const std::string& text);
};

}  // namespace simhost
