// What a foreign object (an imported picture) draws of its picture file: the pixels its
// image cells place in the shape (ImgOffsetX, ImgOffsetY, ImgWidth, ImgHeight, in its own
// coordinates), cropped to the shape's box as Visio crops them, on the page.
#pragma once

#include <optional>

#include "simhost/host/Transform.h"
#include "simhost/render/Scene.h"

namespace simhost {
class Shape;
}  // namespace simhost

namespace simhost::render {

class ShapeImage {
public:
    // None for a shape without a picture, one whose file this build cannot read, and one
    // whose image has no area inside the shape (ImgWidth 0 hides it).
    static std::optional<SceneImage> place(Shape& shape, const Affine& toPage);
};

}  // namespace simhost::render
