// The toolbars of a set.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVUIObject.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VToolbar;

class VToolbars : public Wrapper<IVToolbars> {
public:
    using Interface = IVToolbars;
    using Wrapper::Wrapper;

    int32_t Count() const;
    VToolbar Item(int32_t index) const;
    VToolbar Add() const;
};

}  // namespace visio
