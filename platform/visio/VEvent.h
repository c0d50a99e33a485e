// One subscription in the event list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVEvents.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VEvent : public Wrapper<IVEvent> {
public:
    using Interface = IVEvent;
    using Wrapper::Wrapper;

    int16_t Event() const;
    int32_t ID() const;
    void Delete() const;
};

}  // namespace visio
