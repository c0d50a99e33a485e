// Base of the value wrappers over Visio's objects.
#pragma once

#include <type_traits>
#include <utility>

#include "platform/visio/CallObserver.h"
#include "platform/visio/IVObject.h"

namespace visio {

// The wrapper a member's result comes back as: V<Object> for ComRef<IV<Object>> (the
// specialisations are in Wrappers.h), the value itself for anything else.
template <class T>
struct WrapperFor {
    using type = T;
};
template <class T>
using WrapperOf = typename WrapperFor<T>::type;

// Holds one counted reference to a Visio object. Every call on an empty wrapper is
// skipped and yields the empty value (empty wrapper, empty text, 0, false), so callers
// can chain lookups without testing each step.
template <class I>
class Wrapper {
public:
    using Interface = I;

    Wrapper() = default;
    explicit Wrapper(ComRef<I> p) : p_(std::move(p)) {}

    bool isEmpty() const { return !p_; }
    explicit operator bool() const { return static_cast<bool>(p_); }
    const ComRef<I>& ref() const { return p_; }
    // Lets a wrapper stand where a member takes a reference to the object.
    operator const ComRef<I>&() const { return p_; }
    I* get() const { return p_.get(); }
    void release() { p_.reset(); }
    // True when both wrappers hold the very same object.
    bool isSameObject(const Wrapper& other) const { return p_ && p_ == other.p_; }
    ObjectRef asObject() const { return ObjectRef(p_.get()); }

protected:
    // Calls the member, the row of the interface's table given, on the held object; the
    // call observer, when there is one, hears of it. An empty wrapper calls nothing.
    template <int Row, class R, class... P, class... A>
    R call(R (I::*member)(P...), A&&... args) const {
        if (!p_) return R();
        if (CallObserver* observer = callObserver()) observer->memberCalled(I::kId, Row);
        return (p_.get()->*member)(std::forward<A>(args)...);
    }

    // A function that calls the member on the held object with the member's own
    // parameters. Out-parameters are zeroed first, so that an empty wrapper yields zeros;
    // an object result comes back as its wrapper.
    template <int Row, class R, class... P>
    auto forward(R (I::*member)(P...)) const {
        return [this, member](P... args) -> WrapperOf<R> {
            (clearOutput(args), ...);
            return WrapperOf<R>(call<Row>(member, std::forward<P>(args)...));
        };
    }

    ComRef<I> p_;

private:
    template <class T>
    static void clearOutput(T* output) {
        if constexpr (!std::is_const_v<T>) {
            if (output) *output = T();
        }
    }
    template <class T>
    static void clearOutput(const T&) {}
};

}  // namespace visio
