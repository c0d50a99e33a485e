// One state of a simulated Petri net: the tokens on each place and the recursion stack of
// the stack places entered and not yet left.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "simulator/PlaceOrder.h"
#include "simulator/RecursionStack.h"
#include "simulator/TokenCounts.h"

class GEGraphElement;
class GEPlace;

// In meaning an ordered map from place to token count. The markings of a run share their
// places (PlaceOrder) and each keeps only a compact array of counts, since a run keeps
// every marking it passes through. Firing never changes a marking: it changes a copy.
//
// Places are walked in the order they were inserted; a copy keeps that order. The walk
// cursor is not part of the marking's state, so a marking held read-only may be walked
// (one walk at a time). A place the marking does not hold has no tokens, and setting its
// count does nothing. Copies share their recursion stacks' common entries as well.
class Marking {
public:
    Marking() = default;
    // Every entry of the other marking in its walk order, and its recursion stack.
    Marking(const Marking& other);
    Marking& operator=(const Marking&) = delete;
    ~Marking() = default;

    // Makes this marking a copy of the other (the copy constructor's work); the walk
    // starts again.
    void copyFrom(const Marking& other);

    // Adds the place with its count unless it is held already; a held count stays.
    void insert(GEPlace* place, int32_t count);
    int32_t tokens(const GEPlace* place) const;
    void setTokens(const GEPlace* place, int32_t count);
    // -1 when the place's capacity is unlimited; otherwise capacity minus tokens, which
    // is negative for a place holding more than its capacity. Tell the two apart with
    // hasUnlimitedCapacity, never by the value -1.
    int32_t freeCapacity(const GEPlace* place) const;
    static bool hasUnlimitedCapacity(const GEPlace* place);

    GEPlace* first() const;
    // Null after the last place.
    GEPlace* next() const;
    GEPlace* end() const { return nullptr; }

    void pushRecursion(GEPlace* stackPlace);
    // Nothing when the stack is empty.
    void popRecursion();
    // Null when the stack is empty.
    GEPlace* topRecursion() const;
    int32_t recursionDepth() const { return recursion_.depth(); }
    // Bottom first.
    std::vector<GEPlace*> getRecursionStack() const { return recursion_.entries(); }

    // The same by position in the shared place order, for the firing engine.
    std::shared_ptr<const PlaceOrder> placeOrder() const { return places_; }
    int32_t placeCount() const { return counts_.size(); }
    int32_t positionOf(const GEGraphElement* element) const;
    GEPlace* placeAt(int32_t position) const { return places_->placeAt(position); }
    int32_t tokensAt(int32_t position) const { return counts_.get(position); }
    void setTokensAt(int32_t position, int32_t count) { counts_.set(position, count); }
    // How many tokens the place can still take: up to its capacity, or up to the largest
    // count a page can show when it has none. Negative for a place over its capacity.
    int64_t roomAt(int32_t position) const;

private:
    std::shared_ptr<PlaceOrder> places_;
    TokenCounts counts_;
    RecursionStack recursion_;
    mutable int32_t cursor_ = 0;
};
