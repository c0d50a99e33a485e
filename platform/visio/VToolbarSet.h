// One toolbar set.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVUIObject.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VToolbars;

class VToolbarSet : public Wrapper<IVToolbarSet> {
public:
    using Interface = IVToolbarSet;
    using Wrapper::Wrapper;

    int32_t SetID() const;
    VToolbars Toolbars() const;
};

}  // namespace visio
