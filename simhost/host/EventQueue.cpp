#include "simhost/host/EventQueue.h"

#include <utility>

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Application.h"
#include "simhost/host/EventList.h"

namespace simhost {
namespace {

// Keeps the extra information of the most recent events for EventInfo.
constexpr size_t kRememberedInfos = 4096;
// A handler that raises an event for every event it receives would keep one pump going
// for ever; past this many deliveries the pump stops and leaves the rest pending.
constexpr int kMaxDeliveriesPerPump = 1000000;

}  // namespace

EventQueue::EventQueue(Application& application) : application_(application) {}

int32_t EventQueue::queue(int16_t code, visio::ObjectRef subject, std::optional<std::string> info) {
    if (suppressed_ > 0) return 0;
    Pending event;
    event.code = code;
    event.subject = std::move(subject);
    event.sequence = nextSequence_++;
    if (info) remember(event.sequence, *info);
    event.info = std::move(info);
    int32_t sequence = event.sequence;
    pending_.push_back(std::move(event));
    ++application_.counters().eventsQueued;
    return sequence;
}

void EventQueue::queueAction(std::function<void()> action) {
    Pending step;
    step.action = std::move(action);
    pending_.push_back(std::move(step));
}

void EventQueue::remember(int32_t sequence, const std::string& info) {
    infos_[sequence] = info;
    while (infos_.size() > kRememberedInfos) infos_.erase(infos_.begin());
}

void EventQueue::pump() {
    if (depth_ > 0) return;
    deliverPending();
    Pending idle;
    idle.code = visio::visEvtCodeNoEventsPending;
    idle.sequence = nextSequence_++;
    ++application_.counters().eventsQueued;
    deliver(idle);
}

void EventQueue::deliverPending() {
    for (int delivered = 0; !pending_.empty() && delivered < kMaxDeliveriesPerPump; ++delivered) {
        Pending event = std::move(pending_.front());
        pending_.pop_front();
        if (event.action) {
            ++depth_;
            event.action();
            --depth_;
        } else {
            deliver(event);
        }
    }
}

void EventQueue::deliver(Pending& event) {
    ++application_.counters().eventsDelivered;
    visio::ObjectRef subject = event.subject;
    if (!subject) subject = visio::ObjectRef(static_cast<visio::IVObject*>(&application_));
    ++depth_;
    inProgress_.push_back(event.info.value_or(std::string()));
    application_.eventList().deliver(event.code, event.sequence, subject, event.info);
    inProgress_.pop_back();
    --depth_;
}

void EventQueue::clear() {
    pending_.clear();
}

std::string EventQueue::infoOf(int32_t sequence) const {
    if (sequence == 0) return inProgress_.empty() ? std::string() : inProgress_.back();
    auto it = infos_.find(sequence);
    return it == infos_.end() ? std::string() : it->second;
}

}  // namespace simhost
