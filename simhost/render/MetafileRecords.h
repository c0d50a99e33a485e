// The records of a metafile as they are made: libUEMF hands each one over in memory of
// its own, which is appended here and let go. A record that could not be made (libUEMF
// answers none) marks the whole metafile failed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#ifdef QAV_HAVE_UEMF
#include <uemf.h>
#endif

namespace simhost::render {

struct Pixels;

// What libUEMF hands over in memory of its own, let go with free().
struct FreeWithC {
    void operator()(void* memory) const { std::free(memory); }
};
template <typename T>
using Malloced = std::unique_ptr<T, FreeWithC>;

#ifdef QAV_HAVE_UEMF
// The header of a picture of 24-bit pixels, rows of rowBytes in all, as the metafiles'
// picture records carry it (at 96 pixels per inch).
U_BITMAPINFOHEADER dibHeaderOf(const Pixels& pixels, size_t rowBytes);
#endif

class MetafileRecords {
public:
    // Takes the record of that many bytes (and frees it); none marks the failure.
    void add(char* record, size_t size);
    // The same for what heads the file, which counts as no record.
    void addHeader(char* header, size_t size);
    bool failed() const { return failed_; }
    std::string& bytes() { return bytes_; }
    uint32_t count() const { return count_; }
    size_t largest() const { return largest_; }
    // Writes a little-endian number into what was recorded, at that offset.
    void patch(size_t offset, uint32_t value, size_t width);

private:
    std::string bytes_;
    uint32_t count_ = 0;
    size_t largest_ = 0;
    bool failed_ = false;
};

}  // namespace simhost::render
