// The computer-based-training hooks of the headless backend, per thread as Windows
// keeps them: each thread's chain runs newest first, and only the thread that installed
// a hook has it called. Passing a call on reaches the hook after the one that is
// running, whatever handle is given (as CallNextHookEx does today).
#pragma once

#include <cstddef>
#include <cstdint>
#include <thread>
#include <vector>

#include "platform/ui/Backend.h"

namespace simhost::headless {

class HookChain {
public:
    ui::HookHandle install(ui::HookProcedure procedure);
    bool remove(ui::HookHandle hook);
    // Runs the calling thread's chain from its newest hook; 0 when it has none.
    intptr_t call(int32_t code, uintptr_t wParam, intptr_t lParam);
    // From inside a hook: runs the rest of the chain.
    intptr_t callNext(int32_t code, uintptr_t wParam, intptr_t lParam);
    // Hooks installed by any thread.
    size_t size() const { return hooks_.size(); }
    size_t sizeForThisThread() const;

private:
    struct Hook {
        ui::HookHandle handle;
        ui::HookProcedure procedure;
        std::thread::id thread;
    };
    intptr_t runFrom(std::ptrdiff_t position, int32_t code, uintptr_t wParam, intptr_t lParam);

    // Newest first.
    std::vector<Hook> hooks_;
    // Where each running call stands in the chain, innermost last.
    std::vector<std::ptrdiff_t> running_;
    uintptr_t nextHandle_ = 0x100;
};

}  // namespace simhost::headless
