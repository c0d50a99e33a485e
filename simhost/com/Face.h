// The face of a stand-in object of interface I: it answers the names of I's member
// table, each with its slot (from 1) as DISPID, and invokes the row of that name whose
// kind fits the call (a property get, a property put, a method), converting the
// arguments and the answer by the row's types. A put whose member answers a non-zero
// status is refused with DISP_E_EXCEPTION, as Visio refuses a guarded cell.
#pragma once

#include "platform/com/Automation.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "platform/com/Conversion.h"
#include "platform/com/MemberSlots.h"
#include "platform/com/Text.h"
#include "platform/visio/MemberTable.h"
#include "simhost/com/FaceArguments.h"
#include "simhost/com/FaceBase.h"

namespace simhost::comface {

constexpr bool kindAnswers(visio::MemberKind kind, WORD flags) {
    switch (kind) {
        case visio::MemberKind::Get:
            return flags & DISPATCH_PROPERTYGET;
        case visio::MemberKind::Put:
            return flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
        default:
            return flags & DISPATCH_METHOD;
    }
}

template <class I>
class Face final : public FaceBase {
public:
    Face(std::shared_ptr<FaceSession> session, visio::ComRef<I> target)
        : FaceBase(std::move(session), target.get()), target_(std::move(target)) {}

    visio::ObjectRef target() const override { return visio::ObjectRef(target_.get()); }

protected:
    DISPID idOf(const std::string& name) const override {
        constexpr auto slots = com::rowSlots<I>();
        DISPID id = DISPID_UNKNOWN;
        std::size_t row = 0;
        visio::forEachMember<I>([&](const auto& member) {
            if (id == DISPID_UNKNOWN && sameName(member.visioName, name)) {
                id = static_cast<DISPID>(slots[row] + 1);
            }
            ++row;
        });
        return id;
    }

    HRESULT invokeMember(DISPID id, WORD flags, FaceCall& call) override {
        if (id < 1 || static_cast<std::size_t>(id) > com::rowCount<I>()) {
            return DISP_E_MEMBERNOTFOUND;
        }
        return invokeRow(static_cast<std::size_t>(id - 1), flags, call,
                         std::make_index_sequence<com::rowCount<I>()>());
    }

    visio::InterfaceId interfaceId() const override { return I::kId; }

private:
    ~Face() override = default;

    template <std::size_t... N>
    HRESULT invokeRow(std::size_t slot, WORD flags, FaceCall& call, std::index_sequence<N...>) {
        constexpr auto slots = com::rowSlots<I>();
        constexpr auto& rows = visio::MemberTable<I>::rows;
        HRESULT hr = DISP_E_MEMBERNOTFOUND;
        bool answered = false;
        ((!answered && slots[N] == slot && kindAnswers(std::get<N>(rows).kind, flags)
              ? (answered = true,
                 hr = callRow<std::get<N>(rows).kind>(std::get<N>(rows).member, call), true)
              : false),
         ...);
        return hr;
    }

    template <visio::MemberKind kind, class R, class... P>
    HRESULT callRow(R (I::*member)(P...), FaceCall& call) {
        std::array<VARIANT*, sizeof...(P)> arguments;
        HRESULT fit = argumentsInOrder(call.params, kind == visio::MemberKind::Put, arguments);
        if (FAILED(fit)) return fit;
        return callWith<kind, R, P...>(member, arguments, call, std::index_sequence_for<P...>());
    }

    template <visio::MemberKind kind, class R, class... P, std::size_t... N>
    HRESULT callWith(R (I::*member)(P...), std::array<VARIANT*, sizeof...(P)>& arguments,
                     FaceCall& call, std::index_sequence<N...>) {
        FaceSession& session = *session_;
        std::tuple<FaceArgument<P>...> held;
        std::size_t unreadable = sizeof...(P);
        ((unreadable == sizeof...(P) && !std::get<N>(held).read(arguments[N], session)
              ? (unreadable = N, true)
              : false),
         ...);
        if (unreadable != sizeof...(P)) {
            if (call.argumentError) *call.argumentError = argumentPosition(call, unreadable);
            return DISP_E_TYPEMISMATCH;
        }
        if constexpr (std::is_void_v<R>) {
            (target_.get()->*member)(std::get<N>(held).value()...);
            (std::get<N>(held).finish(arguments[N], session), ...);
            return S_OK;
        } else {
            R answer = (target_.get()->*member)(std::get<N>(held).value()...);
            (std::get<N>(held).finish(arguments[N], session), ...);
            if constexpr (kind == visio::MemberKind::Put) {
                return answer == 0 ? S_OK : refusePut(static_cast<int32_t>(answer), call.exception);
            } else {
                if (call.result) {
                    VariantInit(call.result);
                    com::Convert<R>::toVariant(answer, *call.result, session);
                }
                return S_OK;
            }
        }
    }

    // Where the parameter's argument stands in the caller's array.
    static UINT argumentPosition(const FaceCall& call, std::size_t parameter) {
        UINT count = call.params ? call.params->cArgs : 0;
        return parameter < count ? count - 1 - static_cast<UINT>(parameter) : 0;
    }

    visio::ComRef<I> target_;
};

}  // namespace simhost::comface
