// The add-on's side of its COM conversation with one Visio instance: the DISPIDs asked
// once per object type and member, one proxy per Visio object and interface (so that the
// same object compares equal), the event sinks it hands Visio, and the count of its calls.
#pragma once

#include "platform/com/Automation.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/com/Conversion.h"
#include "platform/visio/ComRef.h"
#include "platform/visio/IVApplication.h"

namespace com {

// What the client asked Visio: the cost of a run.
struct ClientCounts {
    uint64_t calls = 0;        // Invoke: property gets, puts and methods
    uint64_t nameLookups = 0;  // GetIDsOfNames
    uint64_t identities = 0;   // QueryInterface for an object's identity
};

// The DISPIDs of an object type's member names, by slot; empty until asked.
using DispatchIds = std::vector<std::optional<DISPID>>;

class ClientSession final : public ObjectBridge,
                            public std::enable_shared_from_this<ClientSession> {
public:
    static std::shared_ptr<ClientSession> create();

    // The proxy of the Visio object as the interface, the same one while it lives, with a
    // new reference; null for a null object.
    visio::IVObject* proxyFor(IDispatch* dispatch, visio::InterfaceId id);
    // The DISPIDs of the interface's member names (rows slots of them).
    DispatchIds& dispatchIdsOf(visio::InterfaceId id, std::size_t rows);
    // The DISPID of the name in that slot, asked of the object the first time; DISPID_UNKNOWN
    // when Visio does not know the name (asked once too).
    DISPID dispatchId(IDispatch* dispatch, DispatchIds& ids, std::size_t slot, const char* name);
    // IDispatch::Invoke, counted; a failure that Visio explains in its exception
    // information answers that failure's code.
    HRESULT invoke(IDispatch* dispatch, DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result);
    // The interface of the object: that of a typed proxy of it that lives, or else the one
    // Visio's object type code names; none when it has no code the port knows.
    std::optional<visio::InterfaceId> interfaceOf(IDispatch* dispatch, IUnknown* identity);

    // ObjectBridge: a proxy crosses as its Visio object, an event sink of the add-on as a
    // dispatch object of its own; a Visio object comes back as its proxy.
    IDispatch* dispatchOf(const visio::ObjectRef& object) override;
    visio::ObjectRef objectOf(IDispatch* dispatch, visio::InterfaceId id) override;

    // A proxy is gone.
    void forget(const visio::IVObject* proxy, IUnknown* identity, visio::InterfaceId id);
    const ClientCounts& counts() const { return counts_; }
    std::size_t liveProxies() const { return dispatches_.size(); }

private:
    ClientSession() = default;
    // GetIDsOfNames for one name, counted; DISPID_UNKNOWN when the object does not know it.
    DISPID lookUpName(IDispatch* dispatch, const char* name);

    std::map<std::pair<IUnknown*, visio::InterfaceId>, visio::IVObject*> proxies_;
    std::unordered_map<const visio::IVObject*, IDispatch*> dispatches_;
    std::unordered_map<int, DispatchIds> dispatchIds_;
    ClientCounts counts_;
};

// The port's application over Visio's automation object, in a session of its own.
visio::ComRef<visio::IVApplication> applicationOver(IDispatch* dispatch);

}  // namespace com
