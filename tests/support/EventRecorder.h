// Subscribes to events of a stand-in host application, as the add-on does, and records
// what arrives; a handler per code lets a test act inside the delivery.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/visio/IVObject.h"

namespace simhost {
class Application;
}

namespace testsupport {

class EventRecorder {
public:
    struct Received {
        int16_t code = 0;
        int32_t eventId = 0;
        int32_t sequence = 0;
        visio::ObjectRef source;
        visio::ObjectRef subject;
        bool hasInfo = false;
        std::string info;
    };
    using Handler = std::function<void(const Received&)>;

    explicit EventRecorder(simhost::Application& application);

    // One subscription (one sink) per call, as the add-on subscribes.
    void subscribe(int16_t code, Handler handler = nullptr);
    // Every code the add-on subscribes to (every code the host raises).
    void subscribeAll();
    // Runs for every recorded event of that code, after it is recorded.
    void onEvent(int16_t code, Handler handler);

    const std::vector<Received>& events() const { return events_; }
    std::vector<int16_t> codes() const;
    // The codes received, without the idle events.
    std::vector<int16_t> codesWithoutIdle() const;
    void clear() { events_.clear(); }

private:
    void record(const Received& event);

    simhost::Application& application_;
    std::vector<Received> events_;
    std::map<int16_t, Handler> handlers_;
};

}  // namespace testsupport
