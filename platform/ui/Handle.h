// Handles of the window system: opaque numbers that name a window or an installed hook.
// A Win32 backend holds an HWND or HHOOK in them; the headless backend numbers its own.
#pragma once

#include <cstdint>

namespace ui {

template <class Tag>
class Handle {
public:
    constexpr Handle() = default;
    constexpr explicit Handle(std::uintptr_t value) : value_(value) {}

    // The handle as the integer Visio and the Win32 API pass around (WindowHandle32).
    static constexpr Handle fromInteger(std::intptr_t value) {
        return Handle(static_cast<std::uintptr_t>(value));
    }
    constexpr std::uintptr_t value() const { return value_; }
    constexpr std::intptr_t toInteger() const { return static_cast<std::intptr_t>(value_); }

    constexpr explicit operator bool() const { return value_ != 0; }
    constexpr bool operator==(const Handle& o) const { return value_ == o.value_; }
    constexpr bool operator!=(const Handle& o) const { return value_ != o.value_; }
    constexpr bool operator<(const Handle& o) const { return value_ < o.value_; }

private:
    std::uintptr_t value_ = 0;
};

using WindowHandle = Handle<struct WindowHandleTag>;
using HookHandle = Handle<struct HookHandleTag>;

// The places SetWindowPos accepts instead of a window to insert after.
inline constexpr WindowHandle kInsertAtTop{0};
inline constexpr WindowHandle kInsertAtBottom{1};
inline constexpr WindowHandle kInsertTopmost{static_cast<std::uintptr_t>(-1)};
inline constexpr WindowHandle kInsertNoTopmost{static_cast<std::uintptr_t>(-2)};

}  // namespace ui
