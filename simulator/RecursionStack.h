// The recursion stack of one marking: the stack places entered and not yet left.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class GEPlace;

// A run keeps every marking it passes through, and a net that keeps recursing makes each
// stack one entry deeper than the last: copies share their entries instead of copying
// them, so a history costs one entry per push. Entries never change once made; a push
// adds one on top of the shared ones and a pop only steps down, so a copy is never
// affected by what is done to another.
class RecursionStack {
public:
    RecursionStack() = default;
    RecursionStack(const RecursionStack& other) = default;
    RecursionStack& operator=(const RecursionStack& other);
    ~RecursionStack();

    void push(GEPlace* place);
    // Nothing when the stack is empty.
    void pop();
    // Null when the stack is empty.
    GEPlace* top() const { return top_ ? top_->place : nullptr; }
    int32_t depth() const { return depth_; }
    // Bottom first.
    std::vector<GEPlace*> entries() const;

private:
    struct Entry {
        GEPlace* place;
        std::shared_ptr<Entry> below;
    };

    void swap(RecursionStack& other) noexcept;
    void release();

    std::shared_ptr<Entry> top_;
    int32_t depth_ = 0;
};
