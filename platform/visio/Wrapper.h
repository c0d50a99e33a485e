// Base of the value wrappers over Visio's objects.
#pragma once

#include <utility>

#include "platform/visio/IVObject.h"

namespace visio {

// Holds one counted reference to a Visio object. Every call on an empty wrapper is
// skipped and yields the empty value (empty wrapper, empty text, 0, false), so callers
// can chain lookups without testing each step.
template <class I>
class Wrapper {
public:
    Wrapper() = default;
    explicit Wrapper(ComRef<I> p) : p_(std::move(p)) {}

    bool isEmpty() const { return !p_; }
    explicit operator bool() const { return static_cast<bool>(p_); }
    const ComRef<I>& ref() const { return p_; }
    I* get() const { return p_.get(); }
    void release() { p_.reset(); }
    // True when both wrappers hold the very same object.
    bool isSameObject(const Wrapper& other) const { return p_ && p_ == other.p_; }
    ObjectRef asObject() const { return ObjectRef(p_.get()); }

protected:
    template <class R, class... P, class... A>
    R call(R (I::*member)(P...), A&&... args) const {
        if (!p_) return R();
        return (p_.get()->*member)(std::forward<A>(args)...);
    }

    ComRef<I> p_;
};

}  // namespace visio
