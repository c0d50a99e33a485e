// The C library's rename() refuses an existing target on Windows; MoveFileEx replaces it.
#ifdef _WIN32

#include <windows.h>

#include "platform/os/FileReplace.h"

namespace os {

bool replaceFile(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace os

#endif
