#include "platform/com/ClientSession.h"

#include "platform/com/ClientObject.h"
#include "platform/com/EventSinkDispatch.h"
#include "platform/com/ObjectTypes.h"
#include "platform/com/Text.h"

namespace com {

std::shared_ptr<ClientSession> ClientSession::create() {
    return std::shared_ptr<ClientSession>(new ClientSession());
}

visio::IVObject* ClientSession::proxyFor(IDispatch* dispatch, visio::InterfaceId id) {
    if (!dispatch) return nullptr;
    IUnknown* unknown = nullptr;
    ++counts_.identities;
    if (FAILED(dispatch->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)))) {
        return nullptr;
    }
    visio::ComRef<IUnknown> identity = visio::ComRef<IUnknown>::adopt(unknown);
    if (!identity) return nullptr;
    auto key = std::make_pair(identity.get(), id);
    auto known = proxies_.find(key);
    if (known != proxies_.end()) {
        known->second->AddRef();
        return known->second;
    }
    visio::IVObject* proxy =
        makeProxy(id, shared_from_this(), visio::ComRef<IDispatch>(dispatch), identity.get());
    if (!proxy) return nullptr;
    proxies_[key] = proxy;
    dispatches_[proxy] = dispatch;
    proxy->AddRef();
    return proxy;
}

void ClientSession::forget(const visio::IVObject* proxy, IUnknown* identity,
                           visio::InterfaceId id) {
    proxies_.erase(std::make_pair(identity, id));
    dispatches_.erase(proxy);
}

DispatchIds& ClientSession::dispatchIdsOf(visio::InterfaceId id, std::size_t rows) {
    DispatchIds& ids = dispatchIds_[static_cast<int>(id)];
    if (ids.size() < rows) ids.resize(rows);
    return ids;
}

DISPID ClientSession::dispatchId(IDispatch* dispatch, DispatchIds& ids, std::size_t slot,
                                 const char* name) {
    std::optional<DISPID>& known = ids[slot];
    if (!known) known = lookUpName(dispatch, name);
    return *known;
}

DISPID ClientSession::lookUpName(IDispatch* dispatch, const char* name) {
    std::wstring wide = wideOf(name);
    LPOLESTR names[] = {wide.data()};
    DISPID id = DISPID_UNKNOWN;
    ++counts_.nameLookups;
    if (FAILED(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) {
        return DISPID_UNKNOWN;
    }
    return id;
}

HRESULT ClientSession::invoke(IDispatch* dispatch, DISPID id, WORD flags, DISPPARAMS* params,
                              VARIANT* result) {
    ++counts_.calls;
    EXCEPINFO exception{};
    UINT argumentError = 0;
    HRESULT hr = dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, params, result,
                                  &exception, &argumentError);
    if (hr == DISP_E_EXCEPTION) {
        if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
        if (FAILED(exception.scode)) hr = exception.scode;
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
    }
    return hr;
}

std::optional<visio::InterfaceId> ClientSession::interfaceOf(IDispatch* dispatch,
                                                             IUnknown* identity) {
    for (auto known = proxies_.lower_bound({identity, visio::InterfaceId::Object});
         known != proxies_.end() && known->first.first == identity; ++known) {
        if (known->first.second != visio::InterfaceId::Object) return known->first.second;
    }
    DISPID id = lookUpName(dispatch, kObjectTypeMember);
    if (id == DISPID_UNKNOWN) return std::nullopt;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    OwnedVariant answer;
    int16_t code = 0;
    if (FAILED(invoke(dispatch, id, DISPATCH_PROPERTYGET, &none, &answer)) ||
        !Convert<int16_t>::fromVariant(answer.get(), code, *this)) {
        return std::nullopt;
    }
    return interfaceOfObjectType(code);
}

IDispatch* ClientSession::dispatchOf(const visio::ObjectRef& object) {
    if (!object) return nullptr;
    auto known = dispatches_.find(object.get());
    if (known != dispatches_.end()) {
        known->second->AddRef();
        return known->second;
    }
    return EventSinkDispatch::create(visio::query<visio::IVEventSink>(object), shared_from_this());
}

visio::ObjectRef ClientSession::objectOf(IDispatch* dispatch, visio::InterfaceId id) {
    return visio::ObjectRef::adopt(proxyFor(dispatch, id));
}

}  // namespace com
