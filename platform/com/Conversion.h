// Values between the port's C++ types and VARIANTs, by type: integers, doubles, bools,
// text, the port's Variant, objects and vectors of any of these. Both sides of the bridge
// use the same conversions; what an object becomes is the side's own business (its
// ObjectBridge): the add-on's client makes proxies of Visio's objects, the stand-in's
// face makes dispatch objects of its own.
//
// A member table row whose parameter or result type has no Convert here fails to compile
// in the COM adapters with "no conversion between this type and VARIANT": add one.
#pragma once

#include "platform/com/Automation.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/com/Text.h"
#include "platform/com/Variants.h"
#include "platform/visio/IVObject.h"

namespace com {

// What one side of the bridge does with objects.
class ObjectBridge {
public:
    // The dispatch interface that stands for the object, with a new reference; null for
    // an empty reference or an object that cannot cross.
    virtual IDispatch* dispatchOf(const visio::ObjectRef& object) = 0;
    // The object that the dispatch interface stands for, as the asked interface (a new
    // reference to an object that answers it, upcast to IVObject); empty when it is none.
    virtual visio::ObjectRef objectOf(IDispatch* dispatch, visio::InterfaceId id) = 0;

protected:
    ~ObjectBridge() = default;
};

template <class T, class = void>
struct Convert {
    static_assert(sizeof(T) == 0, "no conversion between this type and VARIANT");
};

// Integers: by their width, as automation's Integer (16 bits) and Long (32 bits).
template <class T>
struct Convert<T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>>> {
    static constexpr VARTYPE vt = sizeof(T) == 1   ? VT_I1
                                  : sizeof(T) == 2 ? VT_I2
                                  : sizeof(T) == 4 ? VT_I4
                                                   : VT_I8;
    static void toVariant(T value, VARIANT& v, ObjectBridge&) {
        v.vt = vt;
        if constexpr (sizeof(T) == 1) v.cVal = static_cast<CHAR>(value);
        if constexpr (sizeof(T) == 2) v.iVal = static_cast<SHORT>(value);
        if constexpr (sizeof(T) == 4) v.lVal = static_cast<LONG>(value);
        if constexpr (sizeof(T) == 8) v.llVal = static_cast<LONGLONG>(value);
    }
    static bool fromVariant(const VARIANT& v, T& value, ObjectBridge&) {
        OwnedVariant changed;
        if (FAILED(VariantChangeType(&changed, const_cast<VARIANT*>(&v), 0, vt))) return false;
        if constexpr (sizeof(T) == 1) value = static_cast<T>(changed.get().cVal);
        if constexpr (sizeof(T) == 2) value = static_cast<T>(changed.get().iVal);
        if constexpr (sizeof(T) == 4) value = static_cast<T>(changed.get().lVal);
        if constexpr (sizeof(T) == 8) value = static_cast<T>(changed.get().llVal);
        return true;
    }
};

template <>
struct Convert<double> {
    static constexpr VARTYPE vt = VT_R8;
    static void toVariant(double value, VARIANT& v, ObjectBridge&) {
        v.vt = VT_R8;
        v.dblVal = value;
    }
    static bool fromVariant(const VARIANT& v, double& value, ObjectBridge&) {
        OwnedVariant changed;
        if (FAILED(VariantChangeType(&changed, const_cast<VARIANT*>(&v), 0, VT_R8))) return false;
        value = changed.get().dblVal;
        return true;
    }
};

template <>
struct Convert<bool> {
    static constexpr VARTYPE vt = VT_BOOL;
    static void toVariant(bool value, VARIANT& v, ObjectBridge&) {
        v.vt = VT_BOOL;
        v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    }
    static bool fromVariant(const VARIANT& v, bool& value, ObjectBridge&) {
        OwnedVariant changed;
        if (FAILED(VariantChangeType(&changed, const_cast<VARIANT*>(&v), 0, VT_BOOL))) return false;
        value = changed.get().boolVal != VARIANT_FALSE;
        return true;
    }
};

template <>
struct Convert<std::string> {
    static constexpr VARTYPE vt = VT_BSTR;
    static void toVariant(const std::string& value, VARIANT& v, ObjectBridge&) {
        v.vt = VT_BSTR;
        v.bstrVal = newBstr(value);
    }
    static bool fromVariant(const VARIANT& v, std::string& value, ObjectBridge&) {
        const VARIANT& held = dereferenced(v);
        if (held.vt == VT_BSTR) {
            value = ansiOf(held.bstrVal);
            return true;
        }
        if (held.vt == (VT_BYREF | VT_BSTR)) {
            value = ansiOf(held.pbstrVal ? *held.pbstrVal : nullptr);
            return true;
        }
        OwnedVariant changed;
        if (FAILED(VariantChangeType(&changed, const_cast<VARIANT*>(&held), 0, VT_BSTR))) {
            return false;
        }
        value = ansiOf(changed.get().bstrVal);
        return true;
    }
};

// The dispatch interface a VARIANT holds (an IUnknown is asked for it), with a new
// reference; null for an empty or null object. False when it holds no object at all.
bool dispatchIn(const VARIANT& v, IDispatch** dispatch);

template <class I>
struct Convert<visio::ComRef<I>> {
    static constexpr VARTYPE vt = VT_DISPATCH;
    static void toVariant(const visio::ComRef<I>& value, VARIANT& v, ObjectBridge& bridge) {
        v.vt = VT_DISPATCH;
        v.pdispVal = bridge.dispatchOf(visio::ObjectRef(value.get()));
    }
    static bool fromVariant(const VARIANT& v, visio::ComRef<I>& value, ObjectBridge& bridge) {
        IDispatch* dispatch = nullptr;
        if (!dispatchIn(v, &dispatch)) return false;
        visio::ObjectRef object = dispatch ? bridge.objectOf(dispatch, I::kId) : visio::ObjectRef();
        if (dispatch) dispatch->Release();
        value = visio::ComRef<I>(static_cast<I*>(object.get()));
        return true;
    }
};

// The port's Variant: nothing (VT_EMPTY), a 32-bit integer, a double, text or an object.
template <>
struct Convert<visio::Variant> {
    static constexpr VARTYPE vt = VT_VARIANT;
    static void toVariant(const visio::Variant& value, VARIANT& v, ObjectBridge& bridge);
    static bool fromVariant(const VARIANT& v, visio::Variant& value, ObjectBridge& bridge);
};

// Vectors as one-dimensional arrays from 0: 16-bit integers as an array of Integer (the
// shape, section, row and cell numbers of Visio's batch members), 32-bit ones as an array
// of Long (shape IDs), everything else as an array of VARIANT (formulas, results, units).
template <class E>
struct Convert<std::vector<E>> {
    static constexpr VARTYPE elementType = std::is_same_v<E, int16_t>   ? VT_I2
                                           : std::is_same_v<E, int32_t> ? VT_I4
                                                                        : VT_VARIANT;
    static constexpr VARTYPE vt = VT_ARRAY | elementType;
    static void toVariant(const std::vector<E>& value, VARIANT& v, ObjectBridge& bridge) {
        SAFEARRAY* array = SafeArrayCreateVector(elementType, 0, static_cast<ULONG>(value.size()));
        v.vt = vt;
        v.parray = array;
        if (!array || value.empty()) return;
        void* data = nullptr;
        if (FAILED(SafeArrayAccessData(array, &data))) return;
        for (std::size_t i = 0; i < value.size(); ++i) {
            if constexpr (elementType == VT_I2) {
                static_cast<SHORT*>(data)[i] = value[i];
            } else if constexpr (elementType == VT_I4) {
                static_cast<LONG*>(data)[i] = value[i];
            } else {
                VARIANT& element = static_cast<VARIANT*>(data)[i];
                VariantInit(&element);
                Convert<E>::toVariant(value[i], element, bridge);
            }
        }
        SafeArrayUnaccessData(array);
    }
    static bool fromVariant(const VARIANT& v, std::vector<E>& value, ObjectBridge& bridge) {
        value.clear();
        const VARIANT& held = dereferenced(v);
        if (held.vt == VT_EMPTY || held.vt == VT_NULL) return true;
        if (!(held.vt & VT_ARRAY)) return false;
        return forEachElement(arrayOf(held), [&](const VARIANT& element) {
            E item{};
            if (!Convert<E>::fromVariant(element, item, bridge)) return false;
            value.push_back(std::move(item));
            return true;
        });
    }
};

}  // namespace com
