// Paths resolved by their text alone, as Windows resolves a path before the file system
// sees it: "C:\Out\Pics\.." names C:\Out whether or not Pics exists. (A POSIX file
// system follows ".." only through folders that exist.)
#pragma once

#include <string>
#include <vector>

#include "platform/os/PathSplit.h"

namespace os {

// The path without "." levels, each ".." taking the level before it away. A ".." can
// not climb above the root ("/", "C:\", "\\server\share\"); in a relative path it stays
// when there is nothing left to take away. Levels are joined with the style's own
// separator; a relative path that resolves to nothing is ".".
std::string resolveDots(const std::string& path, PathStyle style = kPlatformPathStyle);

// The full path the file calls reach for the path when relative paths start at the base
// (itself a full path), resolved as resolveDots resolves it. On Windows a path from the
// root ("\Pics") stays on the base's drive or share, and a path on a drive without a root
// ("D:Pics") starts at the base when that is on the same drive, else at the drive's root.
//
// An empty base (the working folder could not be told) leaves a relative path relative.
std::string absolutePath(const std::string& path, const std::string& base,
                         PathStyle style = kPlatformPathStyle);

// The name in the folder, with one separator between them: a folder that ends with one,
// as a root does ("C:\", "/", "\\server\share\"), takes no other. An empty folder gives
// the name alone.
std::string joinPath(const std::string& folder, const std::string& name,
                     PathStyle style = kPlatformPathStyle);

// The path up to the end of each of its levels below the root, from the top down:
// "C:\Out\Pics" gives C:\Out and C:\Out\Pics, "/srv/pics" gives /srv and /srv/pics.
std::vector<std::string> pathLevels(const std::string& path, PathStyle style = kPlatformPathStyle);

}  // namespace os
