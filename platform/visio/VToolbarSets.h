// The toolbar sets of a UI object.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVUIObject.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VToolbarSet;

class VToolbarSets : public Wrapper<IVToolbarSets> {
public:
    using Interface = IVToolbarSets;
    using Wrapper::Wrapper;

    int32_t Count() const;
    VToolbarSet ItemAtID(int32_t id) const;
};

}  // namespace visio
