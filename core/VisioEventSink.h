// The object Visio calls for one subscribed event code. Each subscription gets its own
// sink; Visio holds the references, and the last release deletes the sink.
#pragma once

#include <cstdint>

#include "platform/visio/CountedObject.h"
#include "platform/visio/IVEvents.h"

class VisioEventSink : public visio::CountedObject<visio::IVEventSink> {
public:
    using Callback = int32_t (*)(visio::IVEventSink* sink, int16_t eventCode,
                                 const visio::ObjectRef& source, int32_t eventId,
                                 int32_t eventSeqNum, const visio::ObjectRef& subject,
                                 visio::Variant moreInfo, visio::Variant* result);

    // A new sink whose one reference the caller holds.
    static visio::ComRef<VisioEventSink> create(Callback callback);

    // Hands the event to the callback; answers S_OK (0) whatever the callback does.
    int32_t VisEventProc(int16_t eventCode, const visio::ObjectRef& source, int32_t eventId,
                         int32_t eventSeqNum, const visio::ObjectRef& subject,
                         const visio::Variant& moreInfo, visio::Variant* result) override;

private:
    explicit VisioEventSink(Callback callback) : callback_(callback) {}
    ~VisioEventSink() override = default;

    Callback callback_;
};
