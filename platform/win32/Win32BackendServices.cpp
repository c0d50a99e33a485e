// The backend's operations that are the system's own dialogs and services.
#include <windows.h>
// After windows.h, which they need.
#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

#include <type_traits>

#include "platform/ui/WinApiConstants.h"
#include "platform/win32/Win32Backend.h"
#include "platform/win32/WindowHandles.h"

namespace win32 {
namespace {

// The layer's hook procedure is HOOKPROC by its very type, so it is handed over as it is.
static_assert(std::is_same_v<HOOKPROC, ui::HookProcedure>);

// The new-style folder browser wants the thread in a single-threaded COM apartment, as
// Visio's is; a thread without COM gets one for the call.
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

// An item list the shell allocated, freed with the object.
class ShellItemList {
public:
    explicit ShellItemList(PIDLIST_ABSOLUTE list) : list_(list) {}
    ~ShellItemList() { CoTaskMemFree(list_); }
    ShellItemList(const ShellItemList&) = delete;
    ShellItemList& operator=(const ShellItemList&) = delete;

    PIDLIST_ABSOLUTE get() const { return list_; }

private:
    PIDLIST_ABSOLUTE list_;
};

// The window's device context, released with the object.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace

int32_t Win32Backend::messageBox(ui::WindowHandle owner, const std::string& text,
                                 const std::string& caption, uint32_t type) {
    const int32_t answer = MessageBoxA(liveWindow(owner), text.c_str(), caption.c_str(), type);
    // Escape on a box with only OK answers OK, as Windows documents (Wine answers Cancel,
    // a button the box does not have).
    const bool onlyOk = (type & ui::kMbButtonsMask) == ui::kMbOk;
    return onlyOk && answer == IDCANCEL ? IDOK : answer;
}

std::optional<ui::ColorRef> Win32Backend::chooseColor(ui::WindowHandle owner, ui::ColorRef initial,
                                                      uint32_t flags) {
    CHOOSECOLORA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = liveWindow(owner);
    dialog.rgbResult = initial;
    dialog.lpCustColors = customColors_.data();
    dialog.Flags = flags;
    if (!ChooseColorA(&dialog)) return std::nullopt;
    return dialog.rgbResult;
}

std::optional<std::string> Win32Backend::browseForFolder(ui::WindowHandle owner,
                                                         const std::string& title, uint32_t flags) {
    ComApartment apartment;
    BROWSEINFOA browse = {};
    browse.hwndOwner = liveWindow(owner);
    browse.lpszTitle = title.c_str();
    browse.ulFlags = flags;
    ShellItemList chosen(SHBrowseForFolderA(&browse));
    if (!chosen.get()) return std::nullopt;
    char path[MAX_PATH] = {};
    // A place that is no folder of the file system (a printer, say) has no path.
    if (!SHGetPathFromIDListA(chosen.get(), path)) return std::nullopt;
    return std::string(path);
}

ui::WindowHandle Win32Backend::htmlHelp(ui::WindowHandle caller, const std::string& path,
                                        uint32_t command, uintptr_t data) {
    return toHandle(help_.show(liveWindow(caller), path, command, data));
}

ui::ColorRef Win32Backend::getSysColor(int32_t index) {
    return GetSysColor(index);
}

int32_t Win32Backend::textWidth(ui::WindowHandle window, const std::string& text) {
    HWND hwnd = liveWindow(window);
    if (!hwnd) return 0;
    WindowDC dc(hwnd);
    SIZE extent = {};
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

// --- The thread's computer-based-training hooks

ui::HookHandle Win32Backend::installCbtHook(ui::HookProcedure procedure) {
    return toHookHandle(SetWindowsHookExA(WH_CBT, procedure, nullptr, GetCurrentThreadId()));
}

bool Win32Backend::removeHook(ui::HookHandle hook) {
    return hook && UnhookWindowsHookEx(toHhook(hook)) != FALSE;
}

intptr_t Win32Backend::callNextHook(ui::HookHandle hook, int32_t code, uintptr_t wParam,
                                    intptr_t lParam) {
    return CallNextHookEx(toHhook(hook), code, wParam, lParam);
}

}  // namespace win32
