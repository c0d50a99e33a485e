#include "helpers/RunString.h"

#include <cctype>
#include <limits>

namespace {

constexpr char kSinkKey[] = "SINK=";
constexpr char kSheetKey[] = "Sheet.";

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

std::optional<std::string> findSinkCommand(const std::string& runString, std::size_t length) {
    std::optional<std::string> after = readValueAfter(runString, kSinkKey);
    if (!after) return std::nullopt;
    return after->substr(0, length);
}

int32_t readSheetId(const std::string& runString) {
    std::optional<std::string> after = readValueAfter(runString, kSheetKey);
    if (!after) return 0;
    constexpr int64_t kLargest = std::numeric_limits<int32_t>::max();
    int64_t id = 0;
    // The digits end at the blank that ends the ID text, or before.
    for (std::size_t i = 0; i < after->size() && isDigit((*after)[i]); ++i) {
        id = id * 10 + ((*after)[i] - '0');
        if (id > kLargest) return static_cast<int32_t>(kLargest);
    }
    return static_cast<int32_t>(id);
}

std::optional<std::string> readValueAfter(const std::string& runString, const std::string& key) {
    std::size_t at = runString.find(key);
    if (at == std::string::npos) return std::nullopt;
    return runString.substr(at + key.size());
}
