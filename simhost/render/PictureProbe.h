// What a file's bytes say about the picture in it, read from its header and not from its
// name: the format, and its size in pixels or inches. Nothing that depends on the library
// that wrote it (a metafile's records differ between libUEMF and GDI) or on the
// machine's fonts. The runner lists written pictures with it.
//
//   PictureFacts facts = PictureProbe::probe(bytes);
//   // facts.format == PictureFormat::Png, facts.description == "PNG, 816 x 1056 pixels"
#pragma once

#include <cstdint>
#include <string>

#include "simhost/render/PictureFormat.h"

namespace simhost::render {

struct PictureFacts {
    // Other when the bytes are none of the six formats, or their header is cut short.
    PictureFormat format = PictureFormat::Other;
    std::string description;
    // A picture of pixels: how many it has across and down (0 for the others).
    uint32_t pixelsAcross = 0;
    uint32_t pixelsDown = 0;
};

class PictureProbe {
public:
    static PictureFacts probe(const std::string& bytes);
};

}  // namespace simhost::render
