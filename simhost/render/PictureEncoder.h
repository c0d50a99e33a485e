// Draws a scene as the bytes of a picture file, one drawing for each export: PNG, JPG
// and GIF from the page painted at 96 pixels per inch, EPS in points, EMF and WMF as
// metafile records; with cairo, the codecs and libUEMF, or on Windows with GDI+ and
// GDI. A format this build cannot draw is refused.
#pragma once

#include <string>

#include "simhost/render/PictureFormat.h"
#include "simhost/render/Scene.h"

namespace simhost::render {

class PictureEncoder {
public:
    static constexpr double kPixelsPerInch = 96;
    static constexpr double kPointsPerInch = 72;
    // A picture of pixels larger than this (on either side, or in all) is refused rather
    // than drawn.
    static constexpr double kLargestSide = 32767;
    static constexpr double kLargestArea = 64.0 * 1024 * 1024;

    // Pixels across a length of the page, at least one (for a size already checked).
    static int pixelsAcross(double inches);
    // False, with *error, when the format cannot be drawn or drawing failed.
    static bool encode(const Scene& scene, PictureFormat format, std::string* bytes,
                       std::string* error);

private:
    static bool encodeRaster(const Scene& scene, PictureFormat format, std::string* bytes,
                             std::string* error);
    static bool encodeEps(const Scene& scene, std::string* bytes, std::string* error);
    static bool encodeMetafile(const Scene& scene, PictureFormat format, std::string* bytes,
                               std::string* error);
};

}  // namespace simhost::render
