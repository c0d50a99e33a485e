#include "platform/os/PathSplit.h"

namespace os {
namespace {

bool hasDrive(const std::string& path, PathStyle style) {
    return style == PathStyle::Windows && path.size() >= 2 && path[1] == ':';
}

}  // namespace

PathParts splitPath(const std::string& path, PathStyle style) {
    PathParts parts;
    const std::size_t begin = hasDrive(path, style) ? 2 : 0;
    parts.drive = path.substr(0, begin);
    const std::size_t lastSeparator = path.find_last_of(pathSeparators(style));
    const std::size_t nameBegin =
        lastSeparator == std::string::npos || lastSeparator < begin ? begin : lastSeparator + 1;
    parts.folder = path.substr(begin, nameBegin - begin);
    const std::size_t dot = path.rfind('.');
    const std::size_t nameEnd = dot == std::string::npos || dot < nameBegin ? path.size() : dot;
    parts.name = path.substr(nameBegin, nameEnd - nameBegin);
    parts.extension = path.substr(nameEnd);
    return parts;
}

}  // namespace os
