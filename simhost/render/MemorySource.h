// A file's bytes in memory, handed to the readers of cairo (PNG) and giflib a piece at a
// time as they ask for them: the host's picture import and the tests read pictures so.
#pragma once

#include <cstddef>
#include <string>

#ifdef QAV_HAVE_CAIRO
#include <cairo.h>
#endif
#ifdef QAV_HAVE_GIF
#include <gif_lib.h>
#endif

namespace simhost::render {

struct MemorySource {
    const std::string& bytes;
    size_t at = 0;
};

#ifdef QAV_HAVE_CAIRO
// For cairo_image_surface_create_from_png_stream, with a MemorySource as its closure: a
// piece past the end is a read error.
cairo_status_t readPngPiece(void* closure, unsigned char* into, unsigned int length);
#endif
#ifdef QAV_HAVE_GIF
// For DGifOpen, with a MemorySource as its user data: what is left, at most length.
int readGifPiece(GifFileType* gif, GifByteType* into, int length);
#endif

}  // namespace simhost::render
