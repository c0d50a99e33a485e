// The reference counting of a Visio object this process makes itself (a stand-in's
// object, a proxy, an event sink): the last Release deletes it, and QueryInterface
// answers the object's own interface and Object.
#pragma once

#include <cstdint>

#include "platform/visio/IVObject.h"

namespace visio {

template <class I>
class CountedObject : public I {
public:
    uint32_t AddRef() override { return ++references_; }
    uint32_t Release() override {
        uint32_t left = --references_;
        if (left == 0) delete this;
        return left;
    }
    IVObject* QueryInterface(InterfaceId id) override {
        if (id != I::kId && id != InterfaceId::Object) return nullptr;
        AddRef();
        return this;
    }

protected:
    ~CountedObject() override = default;

private:
    uint32_t references_ = 0;
};

}  // namespace visio
