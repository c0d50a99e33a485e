// The Canvas of the window layer over a GDI device context: what an owner-drawn control
// paints with in its WM_DRAWITEM.
#pragma once

#include <windows.h>

#include "platform/ui/Canvas.h"

namespace win32 {

class GdiCanvas final : public ui::Canvas {
public:
    explicit GdiCanvas(HDC dc) : dc_(dc) {}

    void fillRect(const ui::Rect& rect, ui::ColorRef color) override;
    void drawEdge(const ui::Rect& rect, uint32_t edge, uint32_t borders) override;
    void frameRect(const ui::Rect& rect, ui::ColorRef color) override;

private:
    HDC dc_;
};

// A solid brush, deleted with the object.
class SolidBrush {
public:
    explicit SolidBrush(ui::ColorRef color) : brush_(CreateSolidBrush(color)) {}
    ~SolidBrush() {
        if (brush_) DeleteObject(brush_);
    }
    SolidBrush(const SolidBrush&) = delete;
    SolidBrush& operator=(const SolidBrush&) = delete;

    HBRUSH get() const { return brush_; }

private:
    HBRUSH brush_;
};

}  // namespace win32
