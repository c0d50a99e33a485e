// The proxies: each Visio object the add-on holds is one ClientObject of the port's
// interface, whose members are generated from the object's member table. A member asks
// Visio for its name's DISPID once per object type, converts each argument to the VARIANT
// Visio takes, invokes the member as a property get, a property put or a method by the
// row's kind, and converts the answer back. A failed call answers the empty value (a put
// answers its failure code), as an empty wrapper does.
#pragma once

#include "platform/com/Automation.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <tuple>
#include <type_traits>
#include <utility>

#include "platform/com/ClientArguments.h"
#include "platform/com/ClientSession.h"
#include "platform/com/MemberSlots.h"
#include "platform/visio/ComRef.h"
#include "platform/visio/CountedObject.h"
#include "platform/visio/IVApplication.h"
#include "platform/visio/IVDocument.h"
#include "platform/visio/IVEvents.h"
#include "platform/visio/IVShape.h"
#include "platform/visio/IVUIObject.h"
#include "platform/visio/IVWindow.h"

namespace com {

constexpr WORD invokeFlags(visio::MemberKind kind) {
    switch (kind) {
        case visio::MemberKind::Get:
            return DISPATCH_PROPERTYGET;
        case visio::MemberKind::Put:
            return DISPATCH_PROPERTYPUT;
        default:
            return DISPATCH_METHOD;
    }
}

// One call: the arguments in Visio's order (the last first; a put's value is the named
// argument DISPID_PROPERTYPUT), the answer converted to the row's result type.
template <visio::MemberKind kind, class R, class... P, class Arguments, std::size_t... N>
R invokeMember(ClientSession& session, IDispatch* dispatch, DISPID id, Arguments& arguments,
               std::index_sequence<N...>) {
    constexpr std::size_t count = sizeof...(P);
    std::tuple<ClientArgument<P>...> held;
    (std::get<N>(held).set(std::get<N>(arguments), session), ...);
    VARIANT passed[count + 1];
    ((passed[count - 1 - N] = std::get<N>(held).passed()), ...);
    DISPID putId = DISPID_PROPERTYPUT;
    constexpr bool put = kind == visio::MemberKind::Put;
    DISPPARAMS params{count ? passed : nullptr, put ? &putId : nullptr, static_cast<UINT>(count),
                      put ? 1u : 0u};
    OwnedVariant result;
    HRESULT hr = session.invoke(dispatch, id, invokeFlags(kind), &params, put ? nullptr : &result);
    if (SUCCEEDED(hr)) (std::get<N>(held).finish(session), ...);
    if constexpr (put) {
        static_assert(std::is_void_v<R> || std::is_same_v<R, int32_t>,
                      "a put answers nothing or its status");
        if constexpr (!std::is_void_v<R>) return SUCCEEDED(hr) ? 0 : static_cast<int32_t>(hr);
    } else if constexpr (!std::is_void_v<R>) {
        R value{};
        if (FAILED(hr) || !Convert<R>::fromVariant(result.get(), value, session)) return R();
        return value;
    }
}

// What every proxy has: its session, its Visio object and that object's identity.
template <class I>
class ClientBase : public visio::CountedObject<I> {
public:
    ClientBase(std::shared_ptr<ClientSession> session, visio::ComRef<IDispatch> dispatch,
               IUnknown* identity)
        : session_(std::move(session)),
          dispatch_(std::move(dispatch)),
          identity_(identity),
          dispatchIds_(session_->dispatchIdsOf(I::kId, rowCount<I>())) {}

protected:
    ~ClientBase() override { session_->forget(this, identity_, I::kId); }

    template <visio::MemberKind kind, std::size_t slot, class R, class... P, class... A>
    R call(R (I::*)(P...), const char* name, std::tuple<A...> arguments) {
        DISPID id = session_->dispatchId(dispatch_.get(), dispatchIds_, slot, name);
        if (id == DISPID_UNKNOWN) {
            if constexpr (std::is_void_v<R>) {
                return;
            } else if constexpr (kind == visio::MemberKind::Put) {
                return static_cast<R>(DISP_E_UNKNOWNNAME);
            } else {
                return R();
            }
        }
        return invokeMember<kind, R, P...>(*session_, dispatch_.get(), id, arguments,
                                           std::index_sequence_for<P...>());
    }

    std::shared_ptr<ClientSession> session_;
    visio::ComRef<IDispatch> dispatch_;
    IUnknown* identity_;

private:
    DispatchIds& dispatchIds_;
};

template <class I>
class ClientObject;

// An object handed over without its type (an event's subject, a shape's parent): asked
// for an interface, it asks Visio what object it is.
template <>
class ClientObject<visio::IVObject> final : public ClientBase<visio::IVObject> {
public:
    using ClientBase::ClientBase;
    visio::IVObject* QueryInterface(visio::InterfaceId id) override {
        if (id == visio::InterfaceId::Object) return ClientBase::QueryInterface(id);
        if (!remote_) remote_ = session_->interfaceOf(dispatch_.get(), identity_);
        if (*remote_ != id) return nullptr;
        return session_->proxyFor(dispatch_.get(), id);
    }

private:
    ~ClientObject() override = default;
    std::optional<std::optional<visio::InterfaceId>> remote_;
};

#define QAV_COM_CLIENT_ROW(C, kind, R, name, visioName, params, args)              \
    R name params override {                                                       \
        return this->template call<visio::MemberKind::kind, slotOf<C>(visioName)>( \
            &C::name, visioName, std::forward_as_tuple args);                      \
    }
// The destructor is private: the last Release deletes a proxy.
#define QAV_COM_CLIENT_OBJECT(Object)                                                    \
    template <>                                                                          \
    class ClientObject<visio::IV##Object> final : public ClientBase<visio::IV##Object> { \
        ~ClientObject() override = default;                                              \
                                                                                         \
    public:                                                                              \
        using ClientBase::ClientBase;                                                    \
        QAV_VISIO_MEMBERS_##Object(QAV_COM_CLIENT_ROW, visio::IV##Object)                \
    };
QAV_VISIO_OBJECTS(QAV_COM_CLIENT_OBJECT)
#undef QAV_COM_CLIENT_OBJECT
#undef QAV_COM_CLIENT_ROW

// A new proxy of the interface (not yet counted), or null for an interface no proxy has.
visio::IVObject* makeProxy(visio::InterfaceId id, std::shared_ptr<ClientSession> session,
                           visio::ComRef<IDispatch> dispatch, IUnknown* identity);

}  // namespace com
