// One subscription of the event list: an event code and the sink that receives it.
#pragma once

#include <cstdint>

#include "platform/visio/IVEvents.h"
#include "simhost/host/HostObject.h"

namespace simhost {

class EventList;

class Subscription : public HostObject<visio::IVEvent> {
public:
    Subscription(EventList* list, int16_t code, int32_t id, visio::ComRef<visio::IVEventSink> sink);

    // IVEvent. Delete ends the subscription; the list lets go of the sink.
    QAV_VISIO_DECLARE_OVERRIDES(Event)

    int16_t code() const { return code_; }
    int32_t id() const { return id_; }
    const visio::ComRef<visio::IVEventSink>& sink() const { return sink_; }
    // The list drops the subscription (deleted, or the application shuts down).
    void detach();

private:
    EventList* list_;
    int16_t code_;
    int32_t id_;
    visio::ComRef<visio::IVEventSink> sink_;
};

}  // namespace simhost
