// The length limits of text that crosses between the add-on and Visio, and names compared
// as Windows compares them.
#pragma once

#include <cstddef>
#include <string>

// Text read from Visio goes through a zeroed buffer of this many bytes plus one.
constexpr std::size_t kVisioTextLimit = 8191;

// Text as read from Visio: at most kVisioTextLimit bytes, never ending inside a
// multi-byte character.
std::string limitVisioText(std::string text);

// Whether the formula has more characters than Visio's batch write takes
// (kVisioTextLimit).
bool exceedsFormulaLimit(const std::string& formula);

// The text in lower case, so that names Windows takes for the same (file names, paths)
// compare equal whatever the case of their letters.
std::string caseFolded(std::string text);
