#include "app/RunnerSystem.h"

#include <chrono>

namespace runner {

uint32_t RunnerSystem::tickCount() {
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace runner
