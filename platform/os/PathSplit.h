// A path taken apart as the C runtime's _splitpath takes it: drive, folder part, file
// name and extension.
#pragma once

#include <string>

#include "platform/os/System.h"

namespace os {

// Windows paths have drives and two separators, "\" and "/"; POSIX paths only "/".
enum class PathStyle { Windows, Posix };

#ifdef _WIN32
constexpr PathStyle kPlatformPathStyle = PathStyle::Windows;
#else
constexpr PathStyle kPlatformPathStyle = PathStyle::Posix;
#endif

// The characters that end a folder level.
constexpr const char* pathSeparators(PathStyle style = kPlatformPathStyle) {
    return style == PathStyle::Windows ? "\\/" : "/";
}

constexpr bool isPathSeparator(char c, PathStyle style = kPlatformPathStyle) {
    return c == '/' || (style == PathStyle::Windows && c == '\\');
}

struct PathParts {
    // "C:" when the path starts with a character and ":" (Windows only), else empty.
    std::string drive;
    // Up to and including the last separator.
    std::string folder;
    // The rest, up to its last ".".
    std::string name;
    // From the last "." after the folder part on, the dot included.
    std::string extension;
};

// Nothing is looked up: the parts come from the text alone, and joined they give it back.
PathParts splitPath(const std::string& path, PathStyle style = kPlatformPathStyle);

}  // namespace os
