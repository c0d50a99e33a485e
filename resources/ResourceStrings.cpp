#include "resources/ResourceStrings.h"

#include <map>

#include "resources/StringTable.h"

namespace {

const std::map<int32_t, std::string>& table() {
#define QAV_STRING_ENTRY(id, text) {id, text},
    static const std::map<int32_t, std::string> strings = {QAV_STRING_TABLE(QAV_STRING_ENTRY)};
#undef QAV_STRING_ENTRY
    return strings;
}

}  // namespace

std::string loadResourceString(int32_t id, std::size_t bufferBytes) {
    auto it = table().find(id);
    if (it == table().end() || bufferBytes == 0) return std::string();
    return it->second.substr(0, bufferBytes - 1);
}
