// The window layer's handles as the Win32 API holds them, and the check every operation
// starts from: a handle that names no window any more is treated as null.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/ui/Handle.h"

namespace win32 {

inline HWND toHwnd(ui::WindowHandle handle) {
    return reinterpret_cast<HWND>(handle.value());
}

inline ui::WindowHandle toHandle(HWND window) {
    return ui::WindowHandle(reinterpret_cast<std::uintptr_t>(window));
}

inline HHOOK toHhook(ui::HookHandle handle) {
    return reinterpret_cast<HHOOK>(handle.value());
}

inline ui::HookHandle toHookHandle(HHOOK hook) {
    return ui::HookHandle(reinterpret_cast<std::uintptr_t>(hook));
}

// The window, or null when the handle is null or its window is gone. Win32 reads a null
// window as the desktop in many calls; the window layer never means the desktop.
inline HWND liveWindow(ui::WindowHandle handle) {
    HWND window = toHwnd(handle);
    return window && IsWindow(window) ? window : nullptr;
}

}  // namespace win32
