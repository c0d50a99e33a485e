// What an owner-drawn control may paint with: the device context of its WM_DRAWITEM.
#pragma once

#include <cstdint>

#include "platform/ui/Geometry.h"

namespace ui {

class Canvas {
public:
    // Fills the rectangle with a solid colour.
    virtual void fillRect(const Rect& rect, ColorRef color) = 0;
    // Draws a three-dimensional edge in the system colours (DrawEdge: kEdgeRaised or
    // kEdgeSunken, borders kBfRect).
    virtual void drawEdge(const Rect& rect, uint32_t edge, uint32_t borders) = 0;
    // Draws a one-pixel frame in the colour.
    virtual void frameRect(const Rect& rect, ColorRef color) = 0;

protected:
    ~Canvas() = default;
};

}  // namespace ui
