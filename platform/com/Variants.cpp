#include "platform/com/Variants.h"

#include <cstring>

namespace com {
namespace {

// How many bytes of the VARIANT's value a by-reference argument of that type points at;
// 0 for types the bridge does not pass by reference.
std::size_t referencedSize(VARTYPE vt) {
    if (vt & VT_ARRAY) return sizeof(SAFEARRAY*);
    switch (vt) {
        case VT_I1:
        case VT_UI1:
            return 1;
        case VT_I2:
        case VT_UI2:
        case VT_BOOL:
            return 2;
        case VT_I4:
        case VT_UI4:
        case VT_INT:
        case VT_UINT:
        case VT_R4:
        case VT_ERROR:
            return 4;
        case VT_I8:
        case VT_UI8:
        case VT_R8:
        case VT_DATE:
        case VT_CY:
            return 8;
        case VT_BSTR:
            return sizeof(BSTR);
        case VT_DISPATCH:
        case VT_UNKNOWN:
            return sizeof(IUnknown*);
        default:
            return 0;
    }
}

// Frees what a by-reference argument of that type points at.
void freeReferenced(VARTYPE vt, void* target) {
    if (vt & VT_ARRAY) {
        SAFEARRAY** array = static_cast<SAFEARRAY**>(target);
        if (*array) SafeArrayDestroy(*array);
        *array = nullptr;
    } else if (vt == VT_BSTR) {
        BSTR* text = static_cast<BSTR*>(target);
        SysFreeString(*text);
        *text = nullptr;
    } else if (vt == VT_DISPATCH || vt == VT_UNKNOWN) {
        IUnknown** object = static_cast<IUnknown**>(target);
        if (*object) (*object)->Release();
        *object = nullptr;
    }
}

}  // namespace

VARIANT missingArgument() {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_ERROR;
    v.scode = DISP_E_PARAMNOTFOUND;
    return v;
}

bool isMissing(const VARIANT& v) {
    const VARIANT& value = dereferenced(v);
    return value.vt == VT_EMPTY || (value.vt == VT_ERROR && value.scode == DISP_E_PARAMNOTFOUND);
}

const VARIANT& dereferenced(const VARIANT& v) {
    if (v.vt == (VT_BYREF | VT_VARIANT) && v.pvarVal) return *v.pvarVal;
    return v;
}

void* valueAddress(VARIANT& v) {
    return &v.llVal;
}

bool storeThroughReference(VARIANT& reference, VARIANT& value) {
    if (!(reference.vt & VT_BYREF) || !reference.byref) return false;
    VARTYPE target = reference.vt & ~VT_BYREF;
    if (target == VT_VARIANT) {
        VariantClear(reference.pvarVal);
        *reference.pvarVal = value;
        VariantInit(&value);  // what it held now belongs to the reference
        return true;
    }
    std::size_t size = referencedSize(target);
    if (size == 0) return false;
    if (value.vt != target && !(target & VT_ARRAY) &&
        FAILED(VariantChangeType(&value, &value, 0, target))) {
        return false;
    }
    if (value.vt != target) return false;
    freeReferenced(target, reference.byref);
    std::memcpy(reference.byref, valueAddress(value), size);
    VariantInit(&value);  // what it held now belongs to the reference
    return true;
}

SAFEARRAY* arrayOf(const VARIANT& v) {
    if (!(v.vt & VT_ARRAY)) {
        return v.vt == (VT_BYREF | VT_VARIANT) && v.pvarVal ? arrayOf(*v.pvarVal) : nullptr;
    }
    if (v.vt & VT_BYREF) return v.pparray ? *v.pparray : nullptr;
    return v.parray;
}

bool forEachElement(SAFEARRAY* array, const std::function<bool(const VARIANT&)>& visit) {
    if (!array) return true;
    if (SafeArrayGetDim(array) != 1) return false;
    LONG lower = 0;
    LONG upper = -1;
    VARTYPE vt = VT_EMPTY;
    if (FAILED(SafeArrayGetLBound(array, 1, &lower)) ||
        FAILED(SafeArrayGetUBound(array, 1, &upper)) || FAILED(SafeArrayGetVartype(array, &vt))) {
        return false;
    }
    for (LONG i = lower; i <= upper; ++i) {
        OwnedVariant element;
        HRESULT read = S_OK;
        if (vt == VT_VARIANT) {
            read = SafeArrayGetElement(array, &i, &element);
        } else {
            element.get().vt = vt;
            read = SafeArrayGetElement(array, &i, valueAddress(element.get()));
            if (FAILED(read)) element.get().vt = VT_EMPTY;
        }
        if (FAILED(read) || !visit(element.get())) return false;
    }
    return true;
}

}  // namespace com
