// Routes the events that Visio hands the sinks to the one main controller. While no
// controller exists the receiver is null and events go nowhere.
#pragma once

#include <cstdint>

#include "platform/visio/IVEvents.h"

class MainController;

class VisioEventRouter {
public:
    // Makes the controller the receiver of every event.
    explicit VisioEventRouter(MainController* controller);
    // The receiver becomes null.
    ~VisioEventRouter();
    VisioEventRouter(const VisioEventRouter&) = delete;
    VisioEventRouter& operator=(const VisioEventRouter&) = delete;

    // The callback of every event sink: hands the code, the subject and the more
    // information to the receiver; the other arguments are not used, the result is not
    // written. Answers S_OK (0).
    static int32_t forwardEvent(visio::IVEventSink* sink, int16_t eventCode,
                                const visio::ObjectRef& source, int32_t eventId,
                                int32_t eventSeqNum, const visio::ObjectRef& subject,
                                visio::Variant moreInfo, visio::Variant* result);

    // The controller that receives the events now, or null.
    static MainController* receiver();
};
