#include "platform/win32/WindowText.h"

namespace win32 {

std::wstring wideFromAnsi(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int length = static_cast<int>(text.size());
    const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring converted(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, &converted[0], wide);
    return converted;
}

std::string windowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, &text[0], length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

std::string windowClassName(HWND window) {
    // Class names are at most 256 characters long.
    char name[257] = {};
    const int length = GetClassNameA(window, name, sizeof(name));
    return std::string(name, static_cast<size_t>(length > 0 ? length : 0));
}

bool isOfClass(HWND window, const char* className) {
    return window && lstrcmpiA(windowClassName(window).c_str(), className) == 0;
}

}  // namespace win32
