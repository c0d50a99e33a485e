// An event sink of the other side as the stand-in calls it: the stand-in's event list
// holds it like any sink, and each event goes on to the other side's dispatch object as
// Visio sends it, VisEventProc by name with the code, the source, the event ID, the
// sequence number, the subject and the more information.
#pragma once

#include "platform/com/Automation.h"

#include <memory>

#include "platform/visio/ComRef.h"
#include "platform/visio/CountedObject.h"
#include "platform/visio/IVEvents.h"
#include "simhost/com/FaceSession.h"

namespace simhost::comface {

class RemoteSink final : public visio::CountedObject<visio::IVEventSink> {
public:
    static visio::ComRef<RemoteSink> create(std::shared_ptr<FaceSession> session, IDispatch* sink);

    // Answers the HRESULT of the other side's call.
    int32_t VisEventProc(int16_t eventCode, const visio::ObjectRef& source, int32_t eventId,
                         int32_t eventSeqNum, const visio::ObjectRef& subject,
                         const visio::Variant& moreInfo, visio::Variant* result) override;

private:
    RemoteSink(std::shared_ptr<FaceSession> session, IDispatch* sink);
    ~RemoteSink() override;

    std::shared_ptr<FaceSession> session_;
    visio::ComRef<IDispatch> sink_;
    DISPID procedure_ = DISPID_UNKNOWN;
    bool asked_ = false;
};

}  // namespace simhost::comface
