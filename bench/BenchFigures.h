// What the benchmarks report beside the time: the heap a run holds, and the members of
// the object model the add-on called most.
#pragma once

#include <malloc.h>

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

#include "simhost/host/CallCounters.h"

namespace benchfigures {

// Heap in use, the blocks malloc maps on their own included.
inline size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// The members called most, with their calls per shape.
inline std::string mostCalled(const simhost::CallCounters& calls, double shapes) {
    constexpr std::size_t kShown = 6;
    std::string label;
    const std::vector<simhost::MemberCallCount> ranking = calls.mostCalledMembers();
    for (std::size_t i = 0; i < ranking.size() && i < kShown; ++i) {
        char figure[32];
        std::snprintf(figure, sizeof figure, "=%.2f",
                      static_cast<double>(ranking[i].calls) / shapes);
        label += (label.empty() ? "" : " ") + ranking[i].member + figure;
    }
    return label;
}

}  // namespace benchfigures
