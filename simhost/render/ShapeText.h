// Where a shape's text goes: centred in its text block (TxtPinX, TxtPinY, TxtWidth,
// TxtHeight, TxtLocPinX, TxtLocPinY, TxtAngle; the shape's box when it has no text
// block), turned with the shape and its groups but never mirrored, one line for each
// line break, in the look of the first Character row.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "simhost/host/Transform.h"
#include "simhost/render/Scene.h"

namespace simhost {
class Shape;
}

namespace simhost::render {

class ShapeText {
public:
    // None when the shape has no text, hides it, or its text block cannot be placed.
    static std::optional<SceneText> place(Shape& shape, const Affine& toPage);
    // The text split at its line breaks ("\r\n", "\n", "\r", and Visio's U+2028).
    static std::vector<std::string> lines(const std::string& text);
    // The text as valid UTF-8: a byte that starts no valid sequence is taken for the
    // Latin-1 character of that number (text from the ANSI code page), so that no
    // text can make the drawing fail.
    static std::string validUtf8(const std::string& text);

private:
    static Affine textBlockToLocal(Shape& shape);
};

}  // namespace simhost::render
