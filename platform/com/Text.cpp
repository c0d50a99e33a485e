#include "platform/com/Text.h"

#include "platform/com/Automation.h"

namespace com {

std::wstring wideOf(const std::string& text) {
    if (text.empty()) return std::wstring();
    int size = static_cast<int>(text.size());
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
    return wide;
}

BSTR newBstr(const std::string& text) {
    std::wstring wide = wideOf(text);
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

std::string ansiOf(const wchar_t* text, std::size_t length) {
    if (!text || length == 0) return std::string();
    int size = static_cast<int>(length);
    int bytes = WideCharToMultiByte(CP_ACP, 0, text, size, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, size, ansi.data(), bytes, nullptr, nullptr);
    return ansi;
}

std::string ansiOf(BSTR text) {
    return ansiOf(text, text ? SysStringLen(text) : 0);
}

}  // namespace com
