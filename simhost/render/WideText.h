// A scene's text (UTF-8) as the wide text Windows draws it in (the Windows build); bytes
// that are no UTF-8 become the replacement character rather than losing the line.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <string>

namespace simhost::render {

inline std::wstring wideOfUtf8(const std::string& utf8) {
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

}  // namespace simhost::render

#endif
