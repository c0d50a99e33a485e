// A page drawn as pixels, for the picture formats that are written from pixels (JPG,
// GIF): rows from the top, three bytes (red, green, blue) to a pixel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "simhost/render/Scene.h"

namespace simhost::render {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;

    const uint8_t* row(int y) const {
        return rgb.data() + static_cast<size_t>(y) * static_cast<size_t>(width) * 3;
    }
    Rgb at(int x, int y) const {
        const uint8_t* p = row(y) + static_cast<size_t>(x) * 3;
        return {p[0], p[1], p[2]};
    }
};

}  // namespace simhost::render
