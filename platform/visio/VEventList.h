// The event list that takes subscriptions.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVEvents.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VEvent;

class VEventList : public Wrapper<IVEventList> {
public:
    using Interface = IVEventList;
    using Wrapper::Wrapper;

    int32_t Count() const;
    VEvent AddAdvise(int16_t eventCode, const Variant& sink, const std::string& sinkIID,
                     const std::string& targetArgs) const;
};

}  // namespace visio
