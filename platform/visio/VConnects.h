// A shape's glue records.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVShape.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VConnect;

class VConnects : public Wrapper<IVConnects> {
public:
    using Interface = IVConnects;
    using Wrapper::Wrapper;

    int16_t Count() const;
    VConnect Item(int16_t index) const;
};

}  // namespace visio
