#include "simhost/render/MetafileRecords.h"

#include <cstdlib>
#include <new>

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

}  // namespace simhost::render
