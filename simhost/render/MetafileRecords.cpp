#include "simhost/render/MetafileRecords.h"

#include <cstdlib>
#include <new>

#include "simhost/render/Pixels.h"

namespace simhost::render {

void MetafileRecords::add(char* record, size_t size) {
    if (!record) {
        failed_ = true;
        return;
    }
    try {
        bytes_.append(record, size);
        ++count_;
        if (size > largest_) largest_ = size;
    } catch (const std::bad_alloc&) {
        failed_ = true;
    }
    std::free(record);
}

void MetafileRecords::addHeader(char* header, size_t size) {
    uint32_t count = count_;
    size_t largest = largest_;
    add(header, size);
    count_ = count;
    largest_ = largest;
}

void MetafileRecords::patch(size_t offset, uint32_t value, size_t width) {
    for (size_t i = 0; i < width && offset + i < bytes_.size(); ++i) {
        bytes_[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

#ifdef QAV_HAVE_UEMF
U_BITMAPINFOHEADER dibHeaderOf(const Pixels& pixels, size_t rowBytes) {
    constexpr int32_t kPixelsPerMetre = 3780;  // 96 to the inch
    return bitmapinfoheader_set(pixels.width, pixels.height, 1, U_BCBM_COLOR24, U_BI_RGB,
                                static_cast<uint32_t>(rowBytes), kPixelsPerMetre, kPixelsPerMetre,
                                0, 0);
}
#endif

}  // namespace simhost::render
