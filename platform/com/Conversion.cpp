#include "platform/com/Conversion.h"

#include <type_traits>
#include <utility>
#include <variant>

namespace com {

bool dispatchIn(const VARIANT& v, IDispatch** dispatch) {
    *dispatch = nullptr;
    const VARIANT& held = dereferenced(v);
    switch (held.vt) {
        case VT_EMPTY:
        case VT_NULL:
            return true;
        case VT_DISPATCH:
            *dispatch = held.pdispVal;
            if (*dispatch) (*dispatch)->AddRef();
            return true;
        case VT_BYREF | VT_DISPATCH:
            *dispatch = held.ppdispVal ? *held.ppdispVal : nullptr;
            if (*dispatch) (*dispatch)->AddRef();
            return true;
        case VT_UNKNOWN:
            if (held.punkVal) {
                held.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch));
            }
            return true;
        default:
            return false;
    }
}

namespace {

// Reads the VARIANT as the alternative T of the port's Variant.
template <class T>
bool readAs(const VARIANT& v, visio::Variant& value, ObjectBridge& bridge) {
    T read{};
    if (!Convert<T>::fromVariant(v, read, bridge)) return false;
    value = std::move(read);
    return true;
}

}  // namespace

void Convert<visio::Variant>::toVariant(const visio::Variant& value, VARIANT& v,
                                        ObjectBridge& bridge) {
    std::visit(
        [&](const auto& held) {
            using T = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                v.vt = VT_EMPTY;
            } else {
                Convert<T>::toVariant(held, v, bridge);
            }
        },
        value);
}

bool Convert<visio::Variant>::fromVariant(const VARIANT& v, visio::Variant& value,
                                          ObjectBridge& bridge) {
    const VARIANT& held = dereferenced(v);
    VARTYPE type = held.vt & ~VT_BYREF;
    switch (type) {
        case VT_I1:
        case VT_UI1:
        case VT_I2:
        case VT_UI2:
        case VT_I4:
        case VT_UI4:
        case VT_INT:
        case VT_UINT:
        case VT_BOOL:
            return readAs<int32_t>(held, value, bridge);
        case VT_R4:
        case VT_R8:
        case VT_CY:
        case VT_DATE:
            return readAs<double>(held, value, bridge);
        case VT_BSTR:
            return readAs<std::string>(held, value, bridge);
        case VT_DISPATCH:
        case VT_UNKNOWN:
            return readAs<visio::ObjectRef>(held, value, bridge);
        default:
            // Empty, null, the missing argument: nothing.
            value = std::monostate();
            return true;
    }
}

}  // namespace com
