#include "simhost/render/ShapeText.h"

#include <cmath>

#include "simhost/host/Shape.h"
#include "simhost/render/ShapeLooks.h"

namespace simhost::render {
namespace {

const CellAddress kTxtPinX{1, 12, 0}, kTxtPinY{1, 12, 1}, kTxtWidth{1, 12, 2};
const CellAddress kTxtHeight{1, 12, 3}, kTxtLocPinX{1, 12, 4}, kTxtLocPinY{1, 12, 5};
const CellAddress kTxtAngle{1, 12, 6};
constexpr double kQuarterTurn = 1.57079632679489661923;
const std::string kLineSeparator = "\xE2\x80\xA8";  // U+2028 in UTF-8

bool finite(Point2 p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// The length of the valid UTF-8 sequence at the start of text + at, 0 when none.
size_t sequenceLength(const std::string& text, size_t at) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(at);
    if (lead < 0x80) return 1;
    size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                    : lead >= 0xE0 && lead <= 0xEF ? 3
                    : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                   : 0;
    if (length == 0 || at + length > text.size()) return 0;
    for (size_t i = 1; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
    unsigned char second = byte(at + 1);
    // Overlong forms, UTF-16 surrogates and code points past U+10FFFF.
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
        return 0;
    }
    return length;
}

}  // namespace

std::string ShapeText::validUtf8(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t length = sequenceLength(text, i);
        if (length > 0) {
            result.append(text, i, length);
            i += length;
            continue;
        }
        auto latin1 = static_cast<unsigned char>(text[i++]);
        result += static_cast<char>(0xC0 | (latin1 >> 6));
        result += static_cast<char>(0x80 | (latin1 & 0x3F));
    }
    return result;
}

std::vector<std::string> ShapeText::lines(const std::string& text) {
    std::vector<std::string> result(1);
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            result.emplace_back();
        } else if (text.compare(i, kLineSeparator.size(), kLineSeparator) == 0) {
            i += kLineSeparator.size() - 1;
            result.emplace_back();
        } else {
            result.back() += c;
        }
    }
    return result;
}

Affine ShapeText::textBlockToLocal(Shape& shape) {
    Point2 size = ShapeTransform::localSize(shape);
    auto cellOr = [&shape](const CellAddress& address, double fallback) {
        return shape.sheet().cell(address) ? shape.cellNumber(address) : fallback;
    };
    double width = cellOr(kTxtWidth, size.x), height = cellOr(kTxtHeight, size.y);
    Point2 pin{cellOr(kTxtPinX, size.x / 2), cellOr(kTxtPinY, size.y / 2)};
    Point2 locPin{cellOr(kTxtLocPinX, width / 2), cellOr(kTxtLocPinY, height / 2)};
    double angle = cellOr(kTxtAngle, 0);
    double cs = std::cos(angle), sn = std::sin(angle);
    Affine t;
    t.a = cs;
    t.b = sn;
    t.c = -sn;
    t.d = cs;
    t.e = pin.x - (cs * locPin.x - sn * locPin.y);
    t.f = pin.y - (sn * locPin.x + cs * locPin.y);
    // The block's middle is what the text centres on; keep its size for that.
    Affine toMiddle;
    toMiddle.e = width / 2;
    toMiddle.f = height / 2;
    return toMiddle.then(t);
}

std::optional<SceneText> ShapeText::place(Shape& shape, const Affine& toPage) {
    if (shape.text().empty() || ShapeLooks::hidesText(shape)) return std::nullopt;
    // Text-block coordinates with the block's middle at the origin, to the page.
    Affine toPageFromMiddle = textBlockToLocal(shape).then(toPage);
    SceneText text;
    text.centre = toPageFromMiddle.apply({0, 0});
    // The text's up follows the block's y axis, so a mirrored block keeps its text
    // readable: a horizontal flip leaves it as it was, a vertical one turns it upside
    // down, as Visio does.
    Point2 up = toPageFromMiddle.apply({0, 1});
    text.angle = std::atan2(up.y - text.centre.y, up.x - text.centre.x) - kQuarterTurn;
    if (!finite(text.centre) || !std::isfinite(text.angle)) return std::nullopt;
    text.look = ShapeLooks::text(shape);
    if (!(text.look.size > 0)) return std::nullopt;
    text.lines = lines(validUtf8(shape.text()));
    return text;
}

}  // namespace simhost::render
