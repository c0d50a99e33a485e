#include "simulator/RecursionStack.h"

#include <utility>

RecursionStack& RecursionStack::operator=(const RecursionStack& other) {
    RecursionStack copy(other);
    swap(copy);
    return *this;
}

RecursionStack::~RecursionStack() {
    release();
}

void RecursionStack::push(GEPlace* place) {
    top_ = std::make_shared<Entry>(Entry{place, std::move(top_)});
    ++depth_;
}

void RecursionStack::pop() {
    if (!top_) return;
    std::shared_ptr<Entry> below = top_->below;
    top_ = std::move(below);
    --depth_;
}

std::vector<GEPlace*> RecursionStack::entries() const {
    std::vector<GEPlace*> places(depth_);
    auto slot = places.rbegin();
    for (const Entry* entry = top_.get(); entry; entry = entry->below.get()) *slot++ = entry->place;
    return places;
}

void RecursionStack::swap(RecursionStack& other) noexcept {
    std::swap(top_, other.top_);
    std::swap(depth_, other.depth_);
}

// Entries held by this stack alone are freed one at a time from the top: freeing a
// chain of thousands through the entries' own destructors would nest as deep as the
// chain is long.
void RecursionStack::release() {
    std::shared_ptr<Entry> entry = std::move(top_);
    while (entry && entry.use_count() == 1) entry = std::move(entry->below);
    depth_ = 0;
}
