#include "platform/com/Conversion.h"

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

void Convert<visio::Variant>::toVariant(const visio::Variant& value, VARIANT& v,
                                        ObjectBridge& bridge) {
    if (std::holds_alternative<std::monostate>(value)) {
        v.vt = VT_EMPTY;
    } else if (const int32_t* number = std::get_if<int32_t>(&value)) {
        Convert<int32_t>::toVariant(*number, v, bridge);
    } else if (const double* real = std::get_if<double>(&value)) {
        Convert<double>::toVariant(*real, v, bridge);
    } else if (const std::string* text = std::get_if<std::string>(&value)) {
        Convert<std::string>::toVariant(*text, v, bridge);
    } else if (const visio::ObjectRef* object = std::get_if<visio::ObjectRef>(&value)) {
        Convert<visio::ObjectRef>::toVariant(*object, v, bridge);
    }
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
        case VT_BOOL: {
            int32_t number = 0;
            if (!Convert<int32_t>::fromVariant(held, number, bridge)) return false;
            value = number;
            return true;
        }
        case VT_R4:
        case VT_R8:
        case VT_CY:
        case VT_DATE: {
            double real = 0;
            if (!Convert<double>::fromVariant(held, real, bridge)) return false;
            value = real;
            return true;
        }
        case VT_BSTR: {
            std::string text;
            if (!Convert<std::string>::fromVariant(held, text, bridge)) return false;
            value = std::move(text);
            return true;
        }
        case VT_DISPATCH:
        case VT_UNKNOWN: {
            visio::ObjectRef object;
            if (!Convert<visio::ObjectRef>::fromVariant(held, object, bridge)) return false;
            value = std::move(object);
            return true;
        }
        default:
            // Empty, null, the missing argument: nothing.
            value = std::monostate();
            return true;
    }
}

}  // namespace com
