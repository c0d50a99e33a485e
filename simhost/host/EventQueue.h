// The application's event queue. Host operations queue Visio's events; the host pumps
// them to the subscribed sinks after each user action: in order, then one idle event
// when the queue has run dry. Delivery is not re-entered: events a handler causes wait
// until it returns, except inside ExecuteLine("wait(1)"), which delivers them at once.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/visio/IVObject.h"

namespace simhost {

class Application;

class EventQueue {
public:
    explicit EventQueue(Application& application);

    // Queues an event about the subject; answers its sequence number (0 when events are
    // suppressed). An empty subject stands for the application.
    int32_t queue(int16_t code, visio::ObjectRef subject,
                  std::optional<std::string> info = std::nullopt);
    // Queues a host operation that runs when its turn comes, after the events queued
    // before it have been delivered (a deletion after its before-delete events, a save
    // between its before-save and saved events).
    void queueAction(std::function<void()> action);

    // After a user action: delivers the pending events, then one idle event. Does
    // nothing while an event is being delivered (the outer pump goes on).
    void pump();
    // ExecuteLine("wait(1)"): delivers the pending events now, even inside a handler.
    void deliverPending();
    bool isDelivering() const { return depth_ > 0; }
    size_t pendingCount() const { return pending_.size(); }
    // Drops everything pending (the application is shutting down).
    void clear();

    // The extra information of an event by sequence number; 0 is the event being
    // delivered.
    std::string infoOf(int32_t sequence) const;

    // While one exists, no event is queued (a document being loaded raises nothing).
    class Suppression {
    public:
        explicit Suppression(EventQueue& queue) : queue_(queue) { ++queue_.suppressed_; }
        ~Suppression() { --queue_.suppressed_; }
        Suppression(const Suppression&) = delete;
        Suppression& operator=(const Suppression&) = delete;

    private:
        EventQueue& queue_;
    };

private:
    struct Pending {
        int16_t code = 0;
        visio::ObjectRef subject;
        std::optional<std::string> info;
        int32_t sequence = 0;
        std::function<void()> action;  // set for host operations, which deliver nothing
    };

    void deliver(Pending& event);
    void remember(int32_t sequence, const std::string& info);

    Application& application_;
    std::deque<Pending> pending_;
    std::map<int32_t, std::string> infos_;
    std::vector<std::string> inProgress_;
    int32_t nextSequence_ = 1;
    int depth_ = 0;
    int suppressed_ = 0;
};

}  // namespace simhost
