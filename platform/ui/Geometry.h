// Points, sizes and rectangles in pixels, laid out as the Win32 API has them.
#pragma once

#include <cstdint>

namespace ui {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
    bool operator!=(const Point& o) const { return !(*this == o); }
};

struct Size {
    int32_t cx = 0;
    int32_t cy = 0;
    bool operator==(const Size& o) const { return cx == o.cx && cy == o.cy; }
    bool operator!=(const Size& o) const { return !(*this == o); }
};

// Right and bottom are exclusive, as in RECT.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    static Rect fromPointSize(Point p, Size s) { return {p.x, p.y, p.x + s.cx, p.y + s.cy}; }
    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    Point topLeft() const { return {left, top}; }
    Size size() const { return {width(), height()}; }
    bool contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    Rect offsetBy(int32_t dx, int32_t dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const Rect& o) const { return !(*this == o); }
};

// A colour as COLORREF holds it: 0x00BBGGRR.
using ColorRef = uint32_t;

// The point of a mouse message's lParam, in the window's client coordinates: x in the
// low word, y in the high word, each a signed 16-bit number (MAKELPARAM, GET_X_LPARAM,
// GET_Y_LPARAM).
inline intptr_t pointParam(Point p) {
    return static_cast<intptr_t>((static_cast<uint32_t>(static_cast<uint16_t>(p.y)) << 16) |
                                 static_cast<uint16_t>(p.x));
}
inline Point pointFromParam(intptr_t lParam) {
    return {static_cast<int16_t>(lParam & 0xFFFF), static_cast<int16_t>((lParam >> 16) & 0xFFFF)};
}

}  // namespace ui
