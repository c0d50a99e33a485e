// Paints a scene with GDI+ at 96 pixels per inch and writes it with GDI+'s own encoders
// as PNG, JPG (quality 75, its resolution in the file) or GIF (the colours reduced to
// a palette of 256 first, as on Linux): the Windows build's pictures of pixels. The
// layout is the metafiles' (SceneRecorder), at sixteen units to a pixel. Also reads the
// imported pictures the pages draw.
#pragma once

#include <optional>
#include <string>

#include "simhost/render/PictureFormat.h"
#include "simhost/render/Pixels.h"
#include "simhost/render/Scene.h"

namespace simhost::render {

class GdiplusRaster {
public:
    // The picture's size in pixels is the caller's to check. False, with *error, when
    // GDI+ could not paint or encode it.
    static bool encode(const Scene& scene, PictureFormat format, std::string* bytes,
                       std::string* error);
    // The pixels of a PNG, JPG or GIF file as GDI+ reads it, transparent parts over
    // white; none when GDI+ cannot read it.
    static std::optional<Pixels> decode(const std::string& bytes);
};

}  // namespace simhost::render
