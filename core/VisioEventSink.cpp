#include "core/VisioEventSink.h"

visio::ComRef<VisioEventSink> VisioEventSink::create(Callback callback) {
    return visio::ComRef<VisioEventSink>(new VisioEventSink(callback));
}

int32_t VisioEventSink::VisEventProc(int16_t eventCode, const visio::ObjectRef& source,
                                     int32_t eventId, int32_t eventSeqNum,
                                     const visio::ObjectRef& subject,
                                     const visio::Variant& moreInfo, visio::Variant* result) {
    // Visio's call must not see an exception of the add-on; an event that fails is lost.
    try {
        if (callback_)
            callback_(this, eventCode, source, eventId, eventSeqNum, subject, moreInfo, result);
    } catch (...) {
    }
    return 0;
}
