// Writes pixels as the bytes of a JPG (libjpeg, JFIF with the resolution it was drawn
// at) or a GIF (giflib, the colours reduced to a palette of 256). Where the host is
// built without a codec, its format is refused.
#pragma once

#include <string>

#include "simhost/render/Pixels.h"

namespace simhost::render {

class RasterCodecs {
public:
    // Visio's default quality for JPG pictures (ApplicationSettings.RasterExportQuality).
    static constexpr int kJpegQuality = 75;

    // False, with *error, when the codec failed or is not built in.
    static bool encodeJpeg(const Pixels& pixels, int dotsPerInch, std::string* bytes,
                           std::string* error);
    static bool encodeGif(const Pixels& pixels, std::string* bytes, std::string* error);
};

}  // namespace simhost::render
