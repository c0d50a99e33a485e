// Reduces a picture to a palette of at most 256 colours for a GIF, by median cut: the
// picture's colours, weighed by how many pixels show them, are split again and again
// at the median of the box with the widest spread, and each box gives its mean colour.
// A picture of no more colours than the palette holds keeps every colour exactly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "simhost/render/Pixels.h"

namespace simhost::render {

struct PalettePicture {
    std::vector<Rgb> palette;      // at least one colour
    std::vector<uint8_t> indices;  // one a pixel, rows from the top
};

class ColourQuantiser {
public:
    static constexpr size_t kMostColours = 256;
    static PalettePicture quantise(const Pixels& pixels, size_t colours = kMostColours);
};

}  // namespace simhost::render
