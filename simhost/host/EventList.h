// The application's event list: the subscriptions, in the order they were made, and the
// delivery of one event to every sink subscribed to its code.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/visio/IVEvents.h"
#include "simhost/host/HostObject.h"

namespace simhost {

class Application;
class Subscription;

class EventList : public HostObject<visio::IVEventList> {
public:
    explicit EventList(Application* application);
    ~EventList() override;

    // IVEventList. AddAdvise's sink is a Variant holding an object that answers the event-sink
    // interface; anything else subscribes nothing.
    QAV_VISIO_DECLARE_OVERRIDES(EventList)

    // Calls every sink subscribed to the code, in subscription order.
    void deliver(int16_t code, int32_t sequence, const visio::ObjectRef& subject,
                 const std::optional<std::string>& info);
    void remove(Subscription& event);
    // Ends every subscription (the application shuts down).
    void detach();
    std::vector<int16_t> subscribedCodes() const;

private:
    Application* application_;
    std::vector<visio::ComRef<Subscription>> subscriptions_;
    int32_t nextId_ = 1;
};

}  // namespace simhost
