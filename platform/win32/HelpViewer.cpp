#include "platform/win32/HelpViewer.h"

#include <windows.h>
// After windows.h, which they need.
#include <shellapi.h>

#include <algorithm>

#include "platform/ui/WinApiConstants.h"

namespace win32 {
namespace {

// HH_CLOSE_ALL.
constexpr UINT kHhCloseAll = 0x0012;

// The file of a topic path: what comes before "::" (the topic) and ">" (the window).
std::string helpFileOf(const std::string& path) {
    return path.substr(0, std::min(path.find("::"), path.find('>')));
}

}  // namespace

HelpViewer::~HelpViewer() {
    if (function_) function_(nullptr, nullptr, kHhCloseAll, 0);
    if (library_) FreeLibrary(library_);
}

HWND HelpViewer::show(HWND caller, const std::string& path, UINT command, DWORD_PTR data) {
    if (HtmlHelpFunction function = htmlHelp())
        return function(caller, path.c_str(), command, data);
    if (command == ui::kHhDisplayTopic) {
        ShellExecuteA(caller, "open", helpFileOf(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
    return nullptr;
}

HelpViewer::HtmlHelpFunction HelpViewer::htmlHelp() {
    if (!loaded_) {
        loaded_ = true;
        library_ = LoadLibraryA("hhctrl.ocx");
        if (library_) {
            function_ = reinterpret_cast<HtmlHelpFunction>(
                reinterpret_cast<void*>(GetProcAddress(library_, "HtmlHelpA")));
        }
    }
    return function_;
}

}  // namespace win32
