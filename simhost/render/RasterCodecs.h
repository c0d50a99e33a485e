// Writes pixels as the bytes of a JPG (libjpeg, JFIF with the resolution it was drawn
// at) or a GIF (giflib, the colours reduced to a palette of 256). Where the host is
// built without a codec, its format is refused. Reads the pixels of an imported picture
// file (PNG with cairo, JPG with libjpeg, GIF with giflib; on Windows all three with
// GDI+), which the page's pictures draw.
#pragma once

#include <optional>
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

    // A picture of more pixels than this is not read: a few bytes may claim any size.
    static constexpr double kLargestDecodedArea = 16.0 * 1024 * 1024;
    // The pixels of a PNG, JPG or GIF file (the first image of a GIF; transparent parts
    // over white, the page's colour); none when the bytes are no picture this build reads,
    // or one too large.
    static std::optional<Pixels> decode(const std::string& bytes);
};

}  // namespace simhost::render
