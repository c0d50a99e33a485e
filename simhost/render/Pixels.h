// A page drawn as pixels, for the picture formats that are written from pixels (JPG,
// GIF), or an imported picture read from its file: rows from the top, three bytes (red,
// green, blue) to a pixel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "simhost/render/Scene.h"

namespace simhost::render {

// A channel of a pixel whose colour is multiplied by its alpha, over the white page: its
// colour where it is opaque, white where it is clear.
inline uint8_t overWhite(uint8_t premultiplied, uint8_t alpha) {
    return static_cast<uint8_t>(premultiplied + (255 - alpha));
}

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

    // The bytes of a row of a 24-bit device-independent bitmap: padded to four bytes.
    size_t dibStride() const {
        return (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    }
    // The pixels as such a bitmap holds them (what metafiles and GDI draw pictures from):
    // the bottom row first, each pixel blue, green, red.
    std::vector<uint8_t> dibRows() const {
        std::vector<uint8_t> rows(dibStride() * static_cast<size_t>(height));
        for (int y = 0; y < height; ++y) {
            uint8_t* out = rows.data() + dibStride() * static_cast<size_t>(height - 1 - y);
            const uint8_t* in = row(y);
            for (int x = 0; x < width; ++x, in += 3, out += 3) {
                out[0] = in[2];
                out[1] = in[1];
                out[2] = in[0];
            }
        }
        return rows;
    }
};

}  // namespace simhost::render
