// Draws a scene as the bytes of a picture file: PNG at 96 pixels per inch, or EPS in
// points. Without cairo nothing can be drawn and every format is refused.
#pragma once

#include <string>

#include "simhost/render/PictureFormat.h"
#include "simhost/render/Scene.h"

namespace simhost::render {

class PictureEncoder {
public:
    static constexpr double kPixelsPerInch = 96;
    static constexpr double kPointsPerInch = 72;
    // A PNG larger than this (on either side, or in all) is refused rather than drawn.
    static constexpr double kLargestSide = 32767;
    static constexpr double kLargestArea = 64.0 * 1024 * 1024;

    // False, with *error, when the format cannot be drawn or drawing failed.
    static bool encode(const Scene& scene, PictureFormat format, std::string* bytes,
                       std::string* error);

private:
    static bool encodePng(const Scene& scene, std::string* bytes, std::string* error);
    static bool encodeEps(const Scene& scene, std::string* bytes, std::string* error);
};

}  // namespace simhost::render
