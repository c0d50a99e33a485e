#include "helpers/RunString.h"

#include "helpers/LeadingInteger.h"

namespace runstring {
namespace {

constexpr char kSink[] = "SINK=";
constexpr char kSheet[] = "Sheet.";

}  // namespace

std::optional<std::string> sinkCommand(const std::string& text, std::size_t length) {
    std::optional<std::string> after = valueAfter(text, kSink);
    if (!after) return std::nullopt;
    return after->substr(0, length);
}

bool namesCommand(const std::string& text, const std::string& command) {
    return sinkCommand(text, command.size()) == command;
}

std::optional<int32_t> sheetId(const std::string& text) {
    std::optional<std::string> after = valueAfter(text, kSheet);
    if (!after) return std::nullopt;
    return parseLeadingInteger(after->substr(0, after->find(' '))).value;
}

std::optional<std::string> valueAfter(const std::string& text, const std::string& key) {
    const std::size_t at = text.find(key);
    if (at == std::string::npos) return std::nullopt;
    return text.substr(at + key.size());
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
