// The cells every shape has from its creation, with Visio's default formulas: the
// object-section rows of its kind, the first Character and Paragraph rows, and a first
// geometry section for boxes and lines.
#pragma once

#include <cstdint>
#include <string>

namespace simhost {

class FormulaCache;
class ShapeSheet;

enum class SheetKind { Box, Line, Group, LineGroup, Picture, PageSheet, DocumentSheet };

class DefaultCells {
public:
    // Fills the sheet of a new shape of that kind; inherited marks the cells as coming
    // from a master.
    static void apply(ShapeSheet& sheet, SheetKind kind, bool inherited, FormulaCache& cache);
    // Geometry1 as a closed rectangle around the shape's box, or as a line from the
    // begin to the end point of a 1-D shape.
    static void addRectangle(ShapeSheet& sheet, bool inherited, FormulaCache& cache);
    static void addLine(ShapeSheet& sheet, bool inherited, FormulaCache& cache);
    // The formula Visio gives a 1-D shape's PinX, PinY, Width or Angle (cells 0, 1, 2,
    // 6 of the transform row), which keeps it following the end points; "" for others.
    static const std::string& oneDTransformFormula(int16_t cell);
};

}  // namespace simhost
