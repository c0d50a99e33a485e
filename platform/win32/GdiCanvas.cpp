#include "platform/win32/GdiCanvas.h"

#include "platform/win32/NativeGeometry.h"

namespace win32 {

void GdiCanvas::fillRect(const ui::Rect& rect, ui::ColorRef color) {
    const RECT area = toRECT(rect);
    SolidBrush brush(color);
    FillRect(dc_, &area, brush.get());
}

void GdiCanvas::drawEdge(const ui::Rect& rect, uint32_t edge, uint32_t borders) {
    RECT area = toRECT(rect);
    DrawEdge(dc_, &area, edge, borders);
}

void GdiCanvas::frameRect(const ui::Rect& rect, ui::ColorRef color) {
    const RECT area = toRECT(rect);
    SolidBrush brush(color);
    FrameRect(dc_, &area, brush.get());
}

}  // namespace win32
