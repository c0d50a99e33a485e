// The base of every object the stand-in host hands out: the port's reference counting
// (CountedObject) and the deleted state that a deleted shape or a closed document leaves
// behind.
#pragma once

#include <cstdint>
#include <utility>

#include "platform/visio/CountedObject.h"

namespace simhost {

template <class I>
class HostObject : public visio::CountedObject<I> {
public:
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
    bool deleted_ = false;
};

// Creates a host object and hands out the first reference.
template <class T, class... A>
visio::ComRef<T> makeObject(A&&... args) {
    return visio::ComRef<T>(new T(std::forward<A>(args)...));
}

}  // namespace simhost
