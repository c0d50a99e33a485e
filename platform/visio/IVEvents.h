// Visio's event list, the event objects it returns and the sink it calls.
#pragma once

#include <cstdint>
#include <string>

#include "platform/visio/IVForward.h"
#include "platform/visio/IVObject.h"

namespace visio {

// The object Visio calls for every event of an advised code.
class IVEventSink : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::EventSink;
    // Answers an HRESULT (0 for S_OK).
    virtual int32_t VisEventProc(int16_t eventCode, const ObjectRef& source, int32_t eventId,
                                 int32_t eventSeqNum, const ObjectRef& subject,
                                 const Variant& moreInfo, Variant* result) = 0;
};

class IVEvent : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Event;
    virtual int16_t Event() = 0;
    virtual int32_t ID() = 0;
    virtual void Delete() = 0;
};

class IVEventList : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::EventList;
    virtual int32_t Count() = 0;
    // Subscribes the sink to one event code.
    virtual ComRef<IVEvent> AddAdvise(int16_t eventCode, const Variant& sink,
                                      const std::string& sinkIID,
                                      const std::string& targetArgs) = 0;
};

}  // namespace visio
