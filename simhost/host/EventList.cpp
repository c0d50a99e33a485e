#include "simhost/host/EventList.h"

#include <algorithm>

#include "simhost/host/Application.h"
#include "simhost/host/Subscription.h"

namespace simhost {

EventList::~EventList() = default;

EventList::EventList(Application* application) : application_(application) {}

int32_t EventList::Count() {
    return isDeleted() ? 0 : static_cast<int32_t>(subscriptions_.size());
}

visio::ComRef<visio::IVEvent> EventList::AddAdvise(int16_t eventCode, const visio::Variant& sink,
                                                   const std::string&, const std::string&) {
    if (isDeleted()) return {};
    const visio::ObjectRef* object = std::get_if<visio::ObjectRef>(&sink);
    if (!object) return {};
    auto eventSink = visio::query<visio::IVEventSink>(*object);
    if (!eventSink) return {};
    auto event = makeObject<Subscription>(this, eventCode, nextId_++, std::move(eventSink));
    subscriptions_.push_back(event);
    return event;
}

void EventList::deliver(int16_t code, int32_t sequence, const visio::ObjectRef& subject,
                        const std::optional<std::string>& info) {
    if (isDeleted()) return;
    visio::Variant moreInfo;
    if (info) moreInfo = *info;
    visio::ObjectRef source(static_cast<visio::IVObject*>(application_));
    // A handler may end subscriptions (its own included) while the event goes round.
    std::vector<visio::ComRef<Subscription>> receivers;
    for (const auto& s : subscriptions_)
        if (s->code() == code) receivers.push_back(s);
    for (const auto& event : receivers) {
        if (event->isDeleted()) continue;
        visio::ComRef<visio::IVEventSink> sink = event->sink();
        visio::Variant result;
        ++application_->counters().sinkCalls;
        sink->VisEventProc(code, source, event->id(), sequence, subject, moreInfo, &result);
    }
}

void EventList::remove(Subscription& event) {
    auto it = std::find_if(subscriptions_.begin(), subscriptions_.end(),
                           [&](const visio::ComRef<Subscription>& e) { return e.get() == &event; });
    if (it == subscriptions_.end()) return;
    visio::ComRef<Subscription> keep = *it;
    subscriptions_.erase(it);
    keep->detach();
}

void EventList::detach() {
    markDeleted();
    auto subscriptions = std::move(subscriptions_);
    subscriptions_.clear();
    for (auto& s : subscriptions) s->detach();
    application_ = nullptr;
}

std::vector<int16_t> EventList::subscribedCodes() const {
    std::vector<int16_t> codes;
    for (const auto& s : subscriptions_) codes.push_back(s->code());
    return codes;
}

}  // namespace simhost
