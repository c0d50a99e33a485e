// The arguments of one call the face answers, read from Visio's order into the member's
// parameters: missing ones (left out, or the missing argument) take the parameter's empty
// value; out-parameters are written back through the caller's reference after the call.
#pragma once

#include "platform/com/Automation.h"

#include <array>
#include <cstddef>
#include <type_traits>

#include "platform/com/ClientArguments.h"
#include "platform/com/Conversion.h"

namespace simhost::comface {

template <class P, class = void>
class FaceArgument {
public:
    using Value = std::decay_t<P>;
    bool read(VARIANT* source, com::ObjectBridge& bridge) {
        if (!source || com::isMissing(*source)) return true;
        return com::Convert<Value>::fromVariant(*source, value_, bridge);
    }
    Value& value() { return value_; }
    void finish(VARIANT*, com::ObjectBridge&) {}

private:
    Value value_{};
};

template <class P>
class FaceArgument<P, std::enable_if_t<com::isOutput<P>>> {
public:
    using Value = std::remove_pointer_t<P>;
    bool read(VARIANT*, com::ObjectBridge&) { return true; }
    P value() { return &value_; }
    void finish(VARIANT* target, com::ObjectBridge& bridge) {
        if (!target || !(target->vt & VT_BYREF)) return;
        com::OwnedVariant written;
        com::Convert<Value>::toVariant(value_, written.get(), bridge);
        com::storeThroughReference(*target, written.get());
    }

private:
    Value value_{};
};

// The argument of each of count parameters, in declaration order: positional arguments
// come last first, a put's value is the named argument DISPID_PROPERTYPUT; null where the
// caller left one out. An error code when the arguments do not fit the member.
template <std::size_t count>
HRESULT argumentsInOrder(DISPPARAMS* params, bool put, std::array<VARIANT*, count>& arguments) {
    arguments.fill(nullptr);
    if (!params) return S_OK;
    UINT named = params->cNamedArgs;
    if (params->cArgs < named) return E_INVALIDARG;
    UINT positional = params->cArgs - named;
    std::size_t indexes = count;
    if (put) {
        if (named != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT || count == 0) {
            return DISP_E_PARAMNOTOPTIONAL;
        }
        indexes = count - 1;
        arguments[count - 1] = &params->rgvarg[0];
    } else if (named != 0) {
        return DISP_E_NONAMEDARGS;
    }
    if (positional > indexes) return DISP_E_BADPARAMCOUNT;
    for (UINT k = 0; k < positional; ++k) arguments[k] = &params->rgvarg[params->cArgs - 1 - k];
    return S_OK;
}

}  // namespace simhost::comface
