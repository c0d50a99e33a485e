// The add-ons Visio knows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVApplication.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VAddon;

class VAddons : public Wrapper<IVAddons> {
public:
    using Interface = IVAddons;
    using Wrapper::Wrapper;

    int16_t Count() const;
    VAddon Item(int16_t index) const;
};

}  // namespace visio
