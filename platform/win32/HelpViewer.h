// The help viewer: HTML Help, from hhctrl.ocx, which is loaded the first time help is
// asked for (MFC loads it the same way). Where HTML Help is absent the shell opens the
// help file with whatever the system opens it with.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace win32 {

class HelpViewer {
public:
    HelpViewer() = default;
    // Closes the help windows and lets HTML Help go.
    ~HelpViewer();
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // HtmlHelp: the help window, or null.
    HWND show(HWND caller, const std::string& path, UINT command, DWORD_PTR data);

private:
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

    HtmlHelpFunction htmlHelp();

    HMODULE library_ = nullptr;
    HtmlHelpFunction function_ = nullptr;
    bool loaded_ = false;
};

}  // namespace win32
