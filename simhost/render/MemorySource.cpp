#include "simhost/render/MemorySource.h"

#include <algorithm>
#include <cstring>

namespace simhost::render {

#ifdef QAV_HAVE_CAIRO
cairo_status_t readPngPiece(void* closure, unsigned char* into, unsigned int length) {
    auto* source = static_cast<MemorySource*>(closure);
    if (source->bytes.size() - source->at < length) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(into, source->bytes.data() + source->at, length);
    source->at += length;
    return CAIRO_STATUS_SUCCESS;
}
#endif

#ifdef QAV_HAVE_GIF
int readGifPiece(GifFileType* gif, GifByteType* into, int length) {
    auto* source = static_cast<MemorySource*>(gif->UserData);
    size_t count = std::min(static_cast<size_t>(length), source->bytes.size() - source->at);
    std::memcpy(into, source->bytes.data() + source->at, count);
    source->at += count;
    return static_cast<int>(count);
}
#endif

}  // namespace simhost::render
