// An event sink of the add-on as Visio calls it: a dispatch object whose one method,
// VisEventProc, hands Visio's arguments (code, source, event ID, sequence number,
// subject, more information) to the sink, with Visio's objects as proxies.
#pragma once

#include "platform/com/Automation.h"

#include <memory>

#include "platform/com/ClientSession.h"
#include "platform/com/DispatchObject.h"
#include "platform/visio/IVEvents.h"

namespace com {

// The DISPID the sink answers for VisEventProc.
constexpr DISPID kVisEventProcId = 1;

class EventSinkDispatch final : public DispatchObject {
public:
    // A new dispatch object over the sink, with its one reference.
    static IDispatch* create(visio::ComRef<visio::IVEventSink> sink,
                             std::shared_ptr<ClientSession> session);

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override;

private:
    EventSinkDispatch(visio::ComRef<visio::IVEventSink> sink,
                      std::shared_ptr<ClientSession> session)
        : sink_(std::move(sink)), session_(std::move(session)) {}
    ~EventSinkDispatch() override = default;

    visio::ComRef<visio::IVEventSink> sink_;
    std::shared_ptr<ClientSession> session_;
};

}  // namespace com
