// The arguments of one call the client makes into Visio, each converted to the VARIANT
// Visio's member takes and kept alive until the call has returned: values by value,
// arrays by reference (Visio's batch members take SAFEARRAY*), out-parameters by
// reference to a value of their type, which is read back after the call.
#pragma once

#include "platform/com/Automation.h"

#include <type_traits>
#include <variant>
#include <vector>

#include "platform/com/Conversion.h"

namespace com {

template <class T>
constexpr bool isOutput = std::is_pointer_v<T> && !std::is_const_v<std::remove_pointer_t<T>>;

template <class T>
struct IsVector : std::false_type {};
template <class E>
struct IsVector<std::vector<E>> : std::true_type {};

template <class P, class = void>
class ClientArgument {
public:
    using Value = std::decay_t<P>;

    void set(const Value& value, ObjectBridge& bridge) {
        if constexpr (std::is_same_v<Value, visio::Variant>) {
            if (std::holds_alternative<std::monostate>(value)) {
                held_.get() = missingArgument();
                return;
            }
        }
        Convert<Value>::toVariant(value, held_.get(), bridge);
    }
    // What goes into the call: the held VARIANT, or a reference to the array it holds.
    VARIANT passed() {
        if constexpr (IsVector<Value>::value) {
            VARIANT reference;
            VariantInit(&reference);
            reference.vt = VT_BYREF | held_.get().vt;
            reference.pparray = &held_.get().parray;
            return reference;
        } else {
            return held_.get();
        }
    }
    void finish(ObjectBridge&) {}

private:
    OwnedVariant held_;
};

template <class P>
class ClientArgument<P, std::enable_if_t<isOutput<P>>> {
public:
    using Value = std::remove_pointer_t<P>;

    void set(P target, ObjectBridge&) {
        target_ = target;
        if constexpr (Convert<Value>::vt != VT_VARIANT) held_.get().vt = Convert<Value>::vt;
    }
    VARIANT passed() {
        VARIANT reference;
        VariantInit(&reference);
        if constexpr (Convert<Value>::vt == VT_VARIANT) {
            reference.vt = VT_BYREF | VT_VARIANT;
            reference.pvarVal = &held_.get();
        } else {
            reference.vt = VT_BYREF | held_.get().vt;
            reference.byref = valueAddress(held_.get());
        }
        return reference;
    }
    // Reads what the callee wrote.
    void finish(ObjectBridge& bridge) {
        if (target_) Convert<Value>::fromVariant(held_.get(), *target_, bridge);
    }

private:
    P target_ = nullptr;
    OwnedVariant held_;
};

}  // namespace com
