// The items of a toolbar.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVUIObject.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VToolbarItem;

class VToolbarItems : public Wrapper<IVToolbarItems> {
public:
    using Interface = IVToolbarItems;
    using Wrapper::Wrapper;

    int32_t Count() const;
    VToolbarItem Item(int32_t index) const;
    VToolbarItem Add() const;
};

}  // namespace visio
