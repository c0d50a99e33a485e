// Text between the window layer (strings in the ANSI code page, as the add-on keeps all
// its text) and the Win32 API.
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

// The text in UTF-16, as dialog templates hold it.
std::wstring wideFromAnsi(const std::string& text);
// GetWindowText in full, however long.
std::string windowText(HWND window);
std::string windowClassName(HWND window);
// The window exists and is of the class (compared without regard to case, as Win32
// compares class names).
bool isOfClass(HWND window, const char* className);

}  // namespace win32
