// The "." and ".." levels of a path resolved by its text alone, as Windows resolves a
// path before the file system sees it: "C:\Out\Pics\.." names C:\Out whether or not
// Pics exists. (A POSIX file system follows ".." only through folders that exist.)
#pragma once

#include <string>

#include "platform/os/PathSplit.h"

namespace os {

// The path without "." levels, each ".." taking the level before it away. A ".." can
// not climb above the root ("/", "C:\", "\\server\share\"); in a relative path it stays
// when there is nothing left to take away. Levels are joined with the style's own
// separator; a relative path that resolves to nothing is ".".
std::string resolveDots(const std::string& path, PathStyle style = kPlatformPathStyle);

}  // namespace os
