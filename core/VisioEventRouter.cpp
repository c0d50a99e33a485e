#include "core/VisioEventRouter.h"

#include "core/MainController.h"
#include "platform/visio/VObject.h"

namespace {
// The process-wide receiver; set only while a router lives.
MainController* eventReceiver = nullptr;
}  // namespace

VisioEventRouter::VisioEventRouter(MainController* controller) {
    eventReceiver = controller;
}

VisioEventRouter::~VisioEventRouter() {
    eventReceiver = nullptr;
}

int32_t VisioEventRouter::forwardEvent(visio::IVEventSink*, int16_t eventCode,
                                       const visio::ObjectRef&, int32_t, int32_t,
                                       const visio::ObjectRef& subject, visio::Variant moreInfo,
                                       visio::Variant*) {
    if (eventReceiver) {
        eventReceiver->dispatchEvent(eventCode, visio::VObject(subject), std::move(moreInfo));
    }
    return 0;
}

MainController* VisioEventRouter::receiver() {
    return eventReceiver;
}
