// Visio's event list, the event objects it returns and the sink it calls.
#pragma once

#include <cstdint>
#include <string>

#include "platform/visio/IVForward.h"
#include "platform/visio/IVObject.h"
#include "platform/visio/MemberTable.h"

// clang-format off
#define QAV_VISIO_MEMBERS_Event(X, C) \
    X(C, Get,    int16_t, Event, "Event", (), ()) \
    X(C, Get,    int32_t, ID, "ID", (), ()) \
    X(C, Method, void, Delete, "Delete", (), ())

#define QAV_VISIO_MEMBERS_EventList(X, C) \
    X(C, Get,    int32_t, Count, "Count", (), ()) \
    /* Subscribes the sink to one event code. */ \
    X(C, Method, visio::ComRef<visio::IVEvent>, AddAdvise, "AddAdvise", \
      (int16_t eventCode, const visio::Variant& sink, const std::string& sinkIID, \
       const std::string& targetArgs), (eventCode, sink, sinkIID, targetArgs))
// clang-format on

namespace visio {

// The object Visio calls for every event of an advised code. The add-on implements it,
// so it has no member table.
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
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(Event)
};
QAV_VISIO_DESCRIBE_MEMBERS(Event)

class IVEventList : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::EventList;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(EventList)
};
QAV_VISIO_DESCRIBE_MEMBERS(EventList)

}  // namespace visio
