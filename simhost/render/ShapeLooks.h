// How a shape's cells say it looks: its line (LineColor, LineWeight, LinePattern), its
// fill (FillForegnd, FillPattern), its arrowheads (BeginArrow, EndArrow and their sizes)
// and its text (the first Character row: Color, Style, Size; HideText). A cell that is
// missing or holds no usable value takes Visio's default.
#pragma once

#include "simhost/render/Scene.h"

namespace simhost {
class Shape;
}

namespace simhost::render {

// An arrowhead asked for at one end of a 1-D shape: its Visio size (0 very small to 6
// colossal), or none.
struct ArrowEnds {
    bool begin = false;
    bool end = false;
    int beginSize = 2;
    int endSize = 2;
};

class ShapeLooks {
public:
    static LineLook line(Shape& shape);
    static FillLook fill(Shape& shape);
    static ArrowEnds arrows(Shape& shape);
    static TextLook text(Shape& shape);
    static bool hidesText(Shape& shape);

    // Pattern numbers: 0 no line, 1 solid, 2 dashed, 3 dotted, 4 dash-dot; Visio's
    // other patterns draw dashed.
    static LinePattern patternOf(int number);
};

}  // namespace simhost::render
