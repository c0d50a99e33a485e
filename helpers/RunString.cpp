#include "helpers/RunString.h"

#include <cstdlib>
#include <limits>

namespace runstring {
namespace {

constexpr char kSink[] = "SINK=";
constexpr char kSheet[] = "Sheet.";

// strtol's number, held inside the 32-bit range.
int32_t leadingNumber(const std::string& text) {
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

}  // namespace

bool namesCommand(const std::string& text, const std::string& command) {
    const std::size_t sink = text.find(kSink);
    if (sink == std::string::npos) return false;
    return text.compare(sink + sizeof(kSink) - 1, command.size(), command) == 0;
}

std::optional<int32_t> sheetId(const std::string& text) {
    const std::size_t sheet = text.find(kSheet);
    if (sheet == std::string::npos) return std::nullopt;
    const std::size_t from = sheet + sizeof(kSheet) - 1;
    const std::size_t blank = text.find(' ', from);
    return leadingNumber(text.substr(from, blank == std::string::npos ? blank : blank - from));
}

std::optional<char> characterAfter(const std::string& text, const std::string& key) {
    const std::size_t at = text.find(key);
    if (at == std::string::npos || at + key.size() >= text.size()) return std::nullopt;
    return text[at + key.size()];
}

int32_t digitValue(char c) {
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

}  // namespace runstring
