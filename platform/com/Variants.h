// VARIANTs as the bridge uses them: one that clears itself, the missing argument, the
// data a by-reference argument points at, and one-dimensional SAFEARRAYs.
#pragma once

#include "platform/com/Automation.h"

#include <cstddef>
#include <functional>

namespace com {

// A VARIANT that owns what it holds and clears it when it goes.
class OwnedVariant {
public:
    OwnedVariant() { VariantInit(&v_); }
    ~OwnedVariant() { VariantClear(&v_); }
    OwnedVariant(const OwnedVariant&) = delete;
    OwnedVariant& operator=(const OwnedVariant&) = delete;

    VARIANT& get() { return v_; }
    const VARIANT& get() const { return v_; }
    VARIANT* operator&() { return &v_; }

private:
    VARIANT v_;
};

// The argument a caller leaves out: Visio then takes the member's default.
VARIANT missingArgument();
bool isMissing(const VARIANT& v);

// The VARIANT itself, or the one a VT_BYREF | VT_VARIANT argument points at.
const VARIANT& dereferenced(const VARIANT& v);

// The address of the VARIANT's value, where a by-reference argument of its type points.
void* valueAddress(VARIANT& v);

// Moves the value into what a by-reference argument points at, freeing what was there;
// false when the argument cannot take it.
bool storeThroughReference(VARIANT& reference, VARIANT& value);

// The array a VARIANT holds (by value or by reference), or null.
SAFEARRAY* arrayOf(const VARIANT& v);
// Calls visit with each element of a one-dimensional array as a VARIANT; false when the
// array has more dimensions or an element cannot be read.
bool forEachElement(SAFEARRAY* array, const std::function<bool(const VARIANT&)>& visit);

}  // namespace com
