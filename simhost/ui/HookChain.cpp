#include "simhost/ui/HookChain.h"

#include <algorithm>

namespace simhost::headless {

ui::HookHandle HookChain::install(ui::HookProcedure procedure) {
    if (!procedure) return {};
    Hook hook{ui::HookHandle(nextHandle_++), procedure, std::this_thread::get_id()};
    hooks_.insert(hooks_.begin(), hook);
    return hook.handle;
}

bool HookChain::remove(ui::HookHandle hook) {
    auto it = std::find_if(hooks_.begin(), hooks_.end(),
                           [hook](const Hook& h) { return h.handle == hook; });
    if (it == hooks_.end()) return false;
    std::ptrdiff_t removed = it - hooks_.begin();
    hooks_.erase(it);
    // Running calls keep their place: passing on from a hook that removed itself reaches
    // the hook that followed it.
    for (std::ptrdiff_t& position : running_) {
        if (position >= removed) --position;
    }
    return true;
}

intptr_t HookChain::call(int32_t code, uintptr_t wParam, intptr_t lParam) {
    return runFrom(0, code, wParam, lParam);
}

intptr_t HookChain::callNext(int32_t code, uintptr_t wParam, intptr_t lParam) {
    if (running_.empty()) return 0;
    return runFrom(running_.back() + 1, code, wParam, lParam);
}

size_t HookChain::sizeForThisThread() const {
    std::thread::id self = std::this_thread::get_id();
    return static_cast<size_t>(std::count_if(hooks_.begin(), hooks_.end(),
                                             [self](const Hook& h) { return h.thread == self; }));
}

intptr_t HookChain::runFrom(std::ptrdiff_t position, int32_t code, uintptr_t wParam,
                            intptr_t lParam) {
    std::thread::id self = std::this_thread::get_id();
    const std::ptrdiff_t count = static_cast<std::ptrdiff_t>(hooks_.size());
    while (position < count && hooks_[static_cast<size_t>(position)].thread != self) ++position;
    if (position >= count) return 0;
    running_.push_back(position);
    intptr_t result = hooks_[static_cast<size_t>(position)].procedure(code, wParam, lParam);
    running_.pop_back();
    return result;
}

}  // namespace simhost::headless
