// Watches the marker events the tools send each other: a sink of the runner's own,
// subscribed to the marker event code like any add-on's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/CountedObject.h"
#include "platform/visio/IVApplication.h"
#include "platform/visio/IVEvents.h"

namespace runner {

class MarkerSpy : public visio::CountedObject<visio::IVEventSink> {
public:
    // Subscribes a new spy to the application's marker events.
    static visio::ComRef<MarkerSpy> watch(const visio::ComRef<visio::IVApplication>& application);

    int32_t VisEventProc(int16_t eventCode, const visio::ObjectRef& source, int32_t eventId,
                         int32_t eventSeqNum, const visio::ObjectRef& subject,
                         const visio::Variant& moreInfo, visio::Variant* result) override;

    const std::vector<std::string>& markers() const { return markers_; }

private:
    MarkerSpy() = default;
    ~MarkerSpy() override = default;

    std::vector<std::string> markers_;
};

}  // namespace runner
