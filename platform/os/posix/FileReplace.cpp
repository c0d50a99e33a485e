// rename() replaces the target atomically on POSIX systems.
#ifndef _WIN32

#include <cstdio>

#include "platform/os/FileReplace.h"

namespace os {

bool replaceFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace os

#endif
