#include "simulator/TokenCounts.h"

#include <cstring>
#include <limits>
#include <utility>

int32_t TokenCounts::get(int32_t index) const {
    const uint8_t* at = bytes_.data() + static_cast<size_t>(index) * width_;
    if (width_ == 1) {
        int8_t count;
        std::memcpy(&count, at, sizeof count);
        return count;
    }
    if (width_ == 2) {
        int16_t count;
        std::memcpy(&count, at, sizeof count);
        return count;
    }
    int32_t count;
    std::memcpy(&count, at, sizeof count);
    return count;
}

void TokenCounts::set(int32_t index, int32_t count) {
    widenFor(count);
    store(index, count);
}

void TokenCounts::append(int32_t count) {
    widenFor(count);
    bytes_.resize(bytes_.size() + width_);
    store(size() - 1, count);
}

int32_t TokenCounts::widthFor(int32_t count) {
    if (count >= std::numeric_limits<int8_t>::min() && count <= std::numeric_limits<int8_t>::max())
        return 1;
    if (count >= std::numeric_limits<int16_t>::min() &&
        count <= std::numeric_limits<int16_t>::max())
        return 2;
    return 4;
}

void TokenCounts::widenFor(int32_t count) {
    const int32_t width = widthFor(count);
    if (width <= width_) return;
    TokenCounts wider;
    wider.width_ = width;
    wider.bytes_.resize(static_cast<size_t>(size()) * width);
    for (int32_t i = 0; i < size(); ++i) wider.store(i, get(i));
    *this = std::move(wider);
}

void TokenCounts::store(int32_t index, int32_t count) {
    uint8_t* at = bytes_.data() + static_cast<size_t>(index) * width_;
    if (width_ == 1) {
        const int8_t narrow = static_cast<int8_t>(count);
        std::memcpy(at, &narrow, sizeof narrow);
    } else if (width_ == 2) {
        const int16_t narrow = static_cast<int16_t>(count);
        std::memcpy(at, &narrow, sizeof narrow);
    } else {
        std::memcpy(at, &count, sizeof count);
    }
}
