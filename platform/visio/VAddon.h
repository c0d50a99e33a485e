// One add-on known to Visio.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVApplication.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VAddon : public Wrapper<IVAddon> {
public:
    using Interface = IVAddon;
    using Wrapper::Wrapper;

    std::string NameU() const;
};

}  // namespace visio
