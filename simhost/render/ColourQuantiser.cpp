#include "simhost/render/ColourQuantiser.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace simhost::render {
namespace {

// One distinct colour of the picture and how many pixels show it.
struct Entry {
    std::array<uint8_t, 3> channels;
    uint64_t pixels;
};

// A run of entries that becomes one palette colour, and the channel along which its
// colours spread most, and how far.
struct Box {
    size_t begin;
    size_t end;
    int channel = 0;
    int spread = 0;
};

uint32_t keyOf(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[2];
}

std::vector<Entry> histogram(const Pixels& pixels, std::unordered_map<uint32_t, size_t>& slot) {
    std::vector<Entry> entries;
    for (size_t i = 0; i + 2 < pixels.rgb.size(); i += 3) {
        const uint8_t* p = &pixels.rgb[i];
        auto [found, added] = slot.emplace(keyOf(p), entries.size());
        if (added) entries.push_back({{p[0], p[1], p[2]}, 0});
        ++entries[found->second].pixels;
    }
    return entries;
}

Box boxOf(const std::vector<Entry>& entries, size_t begin, size_t end) {
    Box box{begin, end};
    std::array<int, 3> low{255, 255, 255}, high{0, 0, 0};
    for (size_t i = begin; i < end; ++i) {
        for (int c = 0; c < 3; ++c) {
            low[c] = std::min<int>(low[c], entries[i].channels[c]);
            high[c] = std::max<int>(high[c], entries[i].channels[c]);
        }
    }
    for (int c = 0; c < 3; ++c) {
        if (high[c] - low[c] > box.spread) box.channel = c, box.spread = high[c] - low[c];
    }
    return box;
}

// Sorts the box along the channel and cuts it where half its pixels lie on each side;
// both halves keep at least one colour.
std::pair<Box, Box> split(std::vector<Entry>& entries, const Box& box) {
    const int channel = box.channel;
    auto first = entries.begin() + static_cast<std::ptrdiff_t>(box.begin);
    auto last = entries.begin() + static_cast<std::ptrdiff_t>(box.end);
    std::sort(first, last, [channel](const Entry& a, const Entry& b) {
        return a.channels[channel] < b.channels[channel];
    });
    uint64_t total = 0;
    for (auto it = first; it != last; ++it) total += it->pixels;
    uint64_t below = 0;
    size_t cut = box.begin + 1;
    for (size_t i = box.begin; i + 1 < box.end; ++i) {
        below += entries[i].pixels;
        cut = i + 1;
        if (2 * below >= total) break;
    }
    return {boxOf(entries, box.begin, cut), boxOf(entries, cut, box.end)};
}

Rgb meanOf(const std::vector<Entry>& entries, const Box& box) {
    std::array<uint64_t, 3> sum{};
    uint64_t weight = 0;
    for (size_t i = box.begin; i < box.end; ++i) {
        for (int c = 0; c < 3; ++c) sum[c] += entries[i].channels[c] * entries[i].pixels;
        weight += entries[i].pixels;
    }
    auto channel = [&](int c) { return static_cast<uint8_t>((sum[c] + weight / 2) / weight); };
    return {channel(0), channel(1), channel(2)};
}

}  // namespace

PalettePicture ColourQuantiser::quantise(const Pixels& pixels, size_t colours) {
    PalettePicture result;
    std::unordered_map<uint32_t, size_t> slot;
    std::vector<Entry> entries = histogram(pixels, slot);
    if (entries.empty()) {
        result.palette.push_back({255, 255, 255});
        return result;
    }
    const size_t most = std::clamp<size_t>(colours, 1, kMostColours);
    std::vector<Box> boxes = {boxOf(entries, 0, entries.size())};
    while (boxes.size() < most) {
        size_t widest = boxes.size();
        int spread = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].spread > spread) widest = i, spread = boxes[i].spread;
        }
        if (widest == boxes.size()) break;  // every box holds a single colour
        auto [low, high] = split(entries, boxes[widest]);
        boxes[widest] = low;
        boxes.push_back(high);
    }
    // Sorting moved the entries: index them afresh, then give each its box's colour.
    std::vector<uint8_t> paletteOf(entries.size());
    for (size_t b = 0; b < boxes.size(); ++b) {
        result.palette.push_back(meanOf(entries, boxes[b]));
        for (size_t i = boxes[b].begin; i < boxes[b].end; ++i) {
            slot[keyOf(entries[i].channels.data())] = i;
            paletteOf[i] = static_cast<uint8_t>(b);
        }
    }
    result.indices.reserve(pixels.rgb.size() / 3);
    for (size_t i = 0; i + 2 < pixels.rgb.size(); i += 3) {
        result.indices.push_back(paletteOf[slot[keyOf(&pixels.rgb[i])]]);
    }
    return result;
}

}  // namespace simhost::render
