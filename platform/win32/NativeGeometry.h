// The window layer's rectangles as RECT and back: the same four numbers.
#pragma once

#include <windows.h>

#include "platform/ui/Geometry.h"

namespace win32 {

inline RECT toRECT(const ui::Rect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

inline ui::Rect fromRECT(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace win32
