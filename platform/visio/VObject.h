// A wrapper over any Visio object, such as an event's subject.
#pragma once

#include "platform/visio/IVObject.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VObject : public Wrapper<IVObject> {
public:
    using Wrapper::Wrapper;
    // The object as another interface, empty when it is not one.
    template <class W>
    W as() const {
        return W(query<typename W::Interface>(p_));
    }
};

}  // namespace visio
