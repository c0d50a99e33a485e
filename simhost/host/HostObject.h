// The base of every object the stand-in host hands out: an intrusive reference count,
// QueryInterface answering the object's own interface (and Object), and the deleted
// state that a deleted shape or a closed document leaves behind.
#pragma once

#include <cstdint>
#include <utility>

#include "platform/visio/IVObject.h"

namespace simhost {

template <class I>
class HostObject : public I {
public:
    uint32_t AddRef() override { return ++references_; }
    uint32_t Release() override {
        uint32_t left = --references_;
        if (left == 0) delete this;
        return left;
    }
    visio::IVObject* QueryInterface(visio::InterfaceId id) override {
        if (id != I::kId && id != visio::InterfaceId::Object) return nullptr;
        AddRef();
        return this;
    }

    // A deleted object stays a valid object: its calls do nothing and answer empty values.
    bool isDeleted() const { return deleted_; }

protected:
    HostObject() = default;
    ~HostObject() override = default;
    void markDeleted() { deleted_ = true; }

    // A property of the object: read empty and written nowhere once it is deleted.
    template <class T>
    T get(const T& field) const {
        return deleted_ ? T() : field;
    }
    template <class T>
    void set(T& field, const T& value) {
        if (!deleted_) field = value;
    }

private:
    uint32_t references_ = 0;
    bool deleted_ = false;
};

// Creates a host object and hands out the first reference.
template <class T, class... A>
visio::ComRef<T> makeObject(A&&... args) {
    return visio::ComRef<T>(new T(std::forward<A>(args)...));
}

}  // namespace simhost
