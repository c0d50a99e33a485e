// The token counts of one marking, one per place, stored no wider than their values need.
#pragma once

#include <cstdint>
#include <vector>

// A simulation run keeps every marking it passes through, and token counts are mostly
// small: each count takes one byte while all fit into a signed byte, two or four bytes
// once a larger one is stored. Widening re-encodes every count; nothing ever narrows.
class TokenCounts {
public:
    int32_t size() const { return static_cast<int32_t>(bytes_.size() / width_); }
    int32_t get(int32_t index) const;
    void set(int32_t index, int32_t count);
    void append(int32_t count);

private:
    static int32_t widthFor(int32_t count);
    void widenFor(int32_t count);
    void store(int32_t index, int32_t count);

    std::vector<uint8_t> bytes_;
    int32_t width_ = 1;
};
