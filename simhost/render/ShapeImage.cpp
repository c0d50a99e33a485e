#include "simhost/render/ShapeImage.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "simhost/host/Shape.h"
#include "simhost/render/Pixels.h"
#include "simhost/render/RasterCodecs.h"

namespace simhost::render {
namespace {

// A rectangle of the shape's own coordinates (y up).
struct Box {
    double left = 0, bottom = 0, right = 0, top = 0;
    bool empty() const { return !(right > left && top > bottom); }
};

Box intersection(const Box& a, const Box& b) {
    return {std::max(a.left, b.left), std::max(a.bottom, b.bottom), std::min(a.right, b.right),
            std::min(a.top, b.top)};
}

// The part of the picture's pixels that the visible part of its image shows: columns and
// rows counted from the picture's top left, at least one of each.
Pixels cropped(const Pixels& whole, const Box& image, const Box& visible) {
    auto column = [&](double x) {
        return std::clamp(static_cast<int>(std::lround((x - image.left) /
                                                       (image.right - image.left) * whole.width)),
                          0, whole.width);
    };
    auto row = [&](double y) {
        return std::clamp(static_cast<int>(std::lround((image.top - y) /
                                                       (image.top - image.bottom) * whole.height)),
                          0, whole.height);
    };
    const int left = std::min(column(visible.left), whole.width - 1);
    const int top = std::min(row(visible.top), whole.height - 1);
    const int right = std::max(column(visible.right), left + 1);
    const int bottom = std::max(row(visible.bottom), top + 1);
    Pixels part;
    part.width = right - left;
    part.height = bottom - top;
    part.rgb.reserve(static_cast<size_t>(part.width) * part.height * 3);
    for (int y = top; y < bottom; ++y) {
        const uint8_t* from = whole.row(y) + static_cast<size_t>(left) * 3;
        part.rgb.insert(part.rgb.end(), from, from + static_cast<size_t>(part.width) * 3);
    }
    return part;
}

Point2 difference(Point2 to, Point2 from) {
    return {to.x - from.x, to.y - from.y};
}

}  // namespace

std::optional<SceneImage> ShapeImage::place(Shape& shape, const Affine& toPage) {
    if (shape.imageBytes().empty()) return std::nullopt;
    const double offsetX = shape.number("ImgOffsetX"), offsetY = shape.number("ImgOffsetY");
    const Box image{offsetX, offsetY, offsetX + shape.number("ImgWidth"),
                    offsetY + shape.number("ImgHeight")};
    const Box visible =
        intersection(image, Box{0, 0, shape.number("Width"), shape.number("Height")});
    if (image.empty() || visible.empty()) return std::nullopt;
    SceneImage placed;
    placed.topLeft = toPage.apply({visible.left, visible.top});
    placed.across = difference(toPage.apply({visible.right, visible.top}), placed.topLeft);
    placed.down = difference(toPage.apply({visible.left, visible.bottom}), placed.topLeft);
    // A group squeezed to nothing leaves the picture no area on the page.
    const double area = placed.across.x * placed.down.y - placed.across.y * placed.down.x;
    if (!std::isfinite(area) || std::fabs(area) < 1e-12 || !std::isfinite(placed.topLeft.x) ||
        !std::isfinite(placed.topLeft.y))
        return std::nullopt;
    std::optional<Pixels> pixels = RasterCodecs::decode(shape.imageBytes());
    if (!pixels || pixels->width < 1 || pixels->height < 1) return std::nullopt;
    placed.pixels = std::make_shared<const Pixels>(cropped(*pixels, image, visible));
    return placed;
}

}  // namespace simhost::render
