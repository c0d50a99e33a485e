// A menus-and-toolbars object.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVUIObject.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VToolbarSets;

class VUIObject : public Wrapper<IVUIObject> {
public:
    using Interface = IVUIObject;
    using Wrapper::Wrapper;

    VToolbarSets ToolbarSets() const;
    VUIObject Clone() const;
    void UpdateUI() const;
};

}  // namespace visio
