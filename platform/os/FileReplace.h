// Putting a finished file in another's place in one step, so that a reader sees either
// the old content or the new one, never a half-written file.
#pragma once

#include <string>

#include "platform/os/System.h"

namespace os {

// Moves the file `from` to `to`, replacing a file that is there. Both paths are in the
// system's narrow encoding (the ANSI code page on Windows). False when it failed; `to`
// is then as it was and `from` is still there.
QAVSYSTEM_API bool replaceFile(const std::string& from, const std::string& to);

}  // namespace os
