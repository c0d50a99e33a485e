#include "simulator/Marking.h"

#include <limits>

#include "model/GEPlace.h"

namespace {

// The capacity a place has when it has no bound.
constexpr int32_t kUnlimited = -1;

}  // namespace

Marking::Marking(const Marking& other) {
    copyFrom(other);
}

void Marking::copyFrom(const Marking& other) {
    places_ = other.places_;
    counts_ = other.counts_;
    recursion_ = other.recursion_;
    cursor_ = placeCount();
}

// The place order may be shared with copies of this marking (and with a firing engine's
// index); a new place goes into an order of this marking's own.
void Marking::insert(GEPlace* place, int32_t count) {
    if (!place || positionOf(place) >= 0) return;
    if (!places_) {
        places_ = std::make_shared<PlaceOrder>();
    } else if (places_.use_count() > 1) {
        places_ = std::make_shared<PlaceOrder>(*places_);
    }
    places_->add(place);
    counts_.append(count);
}

int32_t Marking::tokens(const GEPlace* place) const {
    const int32_t position = positionOf(place);
    return position < 0 ? 0 : tokensAt(position);
}

void Marking::setTokens(const GEPlace* place, int32_t count) {
    const int32_t position = positionOf(place);
    if (position >= 0) setTokensAt(position, count);
}

int32_t Marking::freeCapacity(const GEPlace* place) const {
    if (!place || hasUnlimitedCapacity(place)) return kUnlimited;
    return place->getCapacity() - tokens(place);
}

bool Marking::hasUnlimitedCapacity(const GEPlace* place) {
    return place->getCapacity() == kUnlimited;
}

GEPlace* Marking::first() const {
    cursor_ = 0;
    return cursor_ < placeCount() ? placeAt(cursor_) : nullptr;
}

GEPlace* Marking::next() const {
    if (cursor_ < placeCount()) ++cursor_;
    return cursor_ < placeCount() ? placeAt(cursor_) : nullptr;
}

void Marking::pushRecursion(GEPlace* stackPlace) {
    recursion_.push(stackPlace);
}

void Marking::popRecursion() {
    recursion_.pop();
}

GEPlace* Marking::topRecursion() const {
    return recursion_.top();
}

int32_t Marking::positionOf(const GEGraphElement* element) const {
    return places_ ? places_->positionOf(element) : -1;
}

// A count is shown and stored in 32 bits: a place without a bound is bounded there.
int64_t Marking::roomAt(int32_t position) const {
    const GEPlace* place = placeAt(position);
    const int64_t capacity =
        hasUnlimitedCapacity(place) ? std::numeric_limits<int32_t>::max() : place->getCapacity();
    return capacity - tokensAt(position);
}
