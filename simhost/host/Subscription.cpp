#include "simhost/host/Subscription.h"

#include <utility>

#include "simhost/host/EventList.h"

namespace simhost {

Subscription::Subscription(EventList* list, int16_t code, int32_t id,
                           visio::ComRef<visio::IVEventSink> sink)
    : list_(list), code_(code), id_(id), sink_(std::move(sink)) {}

int16_t Subscription::Event() {
    return isDeleted() ? 0 : code_;
}

int32_t Subscription::ID() {
    return isDeleted() ? 0 : id_;
}

void Subscription::Delete() {
    if (isDeleted() || !list_) return;
    visio::ComRef<simhost::Subscription> self(this);
    list_->remove(*this);
}

void Subscription::detach() {
    markDeleted();
    list_ = nullptr;
    sink_.reset();
}

}  // namespace simhost
