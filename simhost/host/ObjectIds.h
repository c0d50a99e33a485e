// The IDs a document gives its pages (from 0) and a page its shapes (from 1). They end
// one short of the largest int32_t, so that the ID after the last one can still be
// kept: a page or document whose next ID is past the end takes no more.
#pragma once

#include <cstdint>
#include <limits>

namespace simhost::ObjectIds {

constexpr int32_t kLargest = std::numeric_limits<int32_t>::max() - 1;

// Whether count more IDs can be taken when the next one is next.
inline bool enoughFrom(int32_t next, int64_t count) {
    return count <= static_cast<int64_t>(kLargest) - next + 1;
}

}  // namespace simhost::ObjectIds
