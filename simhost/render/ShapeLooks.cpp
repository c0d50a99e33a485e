#include "simhost/render/ShapeLooks.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "simhost/host/Shape.h"
#include "simhost/render/ColourTable.h"

namespace simhost::render {
namespace {

const CellAddress kLineWeight{1, 2, 0}, kLineColor{1, 2, 1}, kLinePattern{1, 2, 2};
const CellAddress kEndArrowSize{1, 2, 4}, kBeginArrow{1, 2, 5}, kEndArrow{1, 2, 6};
const CellAddress kBeginArrowSize{1, 2, 8};
const CellAddress kFillForegnd{1, 3, 0}, kFillPattern{1, 3, 2};
const CellAddress kHideText{1, 17, 5};
const CellAddress kCharColor{3, 0, 1}, kCharStyle{3, 0, 2}, kCharSize{3, 0, 7};

// Visio's Char.Style bits.
constexpr int kBold = 1, kItalic = 2, kUnderline = 4;
constexpr int kLargestArrowSize = 6;

formula::Value valueOf(Shape& shape, const CellAddress& address) {
    if (!shape.sheet().cell(address)) return formula::Value::error("#REF!");
    return shape.cellValue(address);
}

// A number or truth value; none for texts, errors and what is not finite.
std::optional<double> numberOf(Shape& shape, const CellAddress& address) {
    formula::Value value = valueOf(shape, address);
    bool numeric =
        value.kind == formula::Value::Kind::Number || value.kind == formula::Value::Kind::Bool;
    if (!numeric || !std::isfinite(value.number)) return std::nullopt;
    return value.number;
}

int wholeOf(Shape& shape, const CellAddress& address, int fallback) {
    std::optional<double> number = numberOf(shape, address);
    if (!number || std::fabs(*number) > 1e6) return fallback;
    return static_cast<int>(std::lround(*number));
}

// A length that must not be negative (inches).
double lengthOf(Shape& shape, const CellAddress& address, double fallback) {
    std::optional<double> number = numberOf(shape, address);
    return number && *number >= 0 ? *number : fallback;
}

}  // namespace

LinePattern ShapeLooks::patternOf(int number) {
    switch (number) {
        case 0:
            return LinePattern::None;
        case 1:
            return LinePattern::Solid;
        case 3:
            return LinePattern::Dotted;
        case 4:
            return LinePattern::DashDot;
        default:
            return LinePattern::Dashed;
    }
}

LineLook ShapeLooks::line(Shape& shape) {
    LineLook look;
    look.colour = ColourTable::fromValue(valueOf(shape, kLineColor), look.colour);
    look.weight = lengthOf(shape, kLineWeight, look.weight);
    look.pattern = patternOf(wholeOf(shape, kLinePattern, 1));
    return look;
}

FillLook ShapeLooks::fill(Shape& shape) {
    FillLook look;
    look.colour = ColourTable::fromValue(valueOf(shape, kFillForegnd), look.colour);
    // Hatched patterns draw in their foreground colour: the nearest a plain fill comes.
    look.filled = wholeOf(shape, kFillPattern, 1) != 0;
    return look;
}

ArrowEnds ShapeLooks::arrows(Shape& shape) {
    ArrowEnds ends;
    ends.begin = wholeOf(shape, kBeginArrow, 0) != 0;
    ends.end = wholeOf(shape, kEndArrow, 0) != 0;
    ends.beginSize = std::clamp(wholeOf(shape, kBeginArrowSize, 2), 0, kLargestArrowSize);
    ends.endSize = std::clamp(wholeOf(shape, kEndArrowSize, 2), 0, kLargestArrowSize);
    return ends;
}

TextLook ShapeLooks::text(Shape& shape) {
    TextLook look;
    look.colour = ColourTable::fromValue(valueOf(shape, kCharColor), look.colour);
    int style = wholeOf(shape, kCharStyle, 0);
    look.bold = (style & kBold) != 0;
    look.italic = (style & kItalic) != 0;
    look.underline = (style & kUnderline) != 0;
    look.size = lengthOf(shape, kCharSize, look.size);
    return look;
}

bool ShapeLooks::hidesText(Shape& shape) {
    return wholeOf(shape, kHideText, 0) != 0;
}

}  // namespace simhost::render
