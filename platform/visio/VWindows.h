// Visio's windows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVApplication.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VWindow;

class VWindows : public Wrapper<IVWindows> {
public:
    using Interface = IVWindows;
    using Wrapper::Wrapper;

    int16_t Count() const;
    VWindow Item(int16_t index) const;
};

}  // namespace visio
