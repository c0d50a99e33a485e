#include "platform/com/EventSinkDispatch.h"

#include "platform/com/Automation.h"

#include <cstdint>

namespace com {
namespace {

constexpr UINT kVisEventProcArguments = 6;

}  // namespace

IDispatch* EventSinkDispatch::create(visio::ComRef<visio::IVEventSink> sink,
                                     std::shared_ptr<ClientSession> session) {
    if (!sink) return nullptr;
    IDispatch* dispatch = new EventSinkDispatch(std::move(sink), std::move(session));
    dispatch->AddRef();
    return dispatch;
}

HRESULT EventSinkDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!names || !ids || count == 0) return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    if (count != 1 || lstrcmpiW(names[0], L"VisEventProc") != 0) return DISP_E_UNKNOWNNAME;
    ids[0] = kVisEventProcId;
    return S_OK;
}

HRESULT EventSinkDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                  VARIANT* result, EXCEPINFO*, UINT* argumentError) {
    if (id != kVisEventProcId) return DISP_E_MEMBERNOTFOUND;
    if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
    if (!params || params->cArgs != kVisEventProcArguments) return DISP_E_BADPARAMCOUNT;
    if (params->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
    // Visio's order reversed: rgvarg[5] is the event code, rgvarg[0] the more information.
    const VARIANT* arguments = params->rgvarg;
    int16_t code = 0;
    visio::ObjectRef source;
    int32_t eventId = 0;
    int32_t sequence = 0;
    visio::ObjectRef subject;
    visio::Variant moreInfo;
    ClientSession& session = *session_;
    bool read[] = {
        Convert<int16_t>::fromVariant(arguments[5], code, session),
        Convert<visio::ObjectRef>::fromVariant(arguments[4], source, session),
        Convert<int32_t>::fromVariant(arguments[3], eventId, session),
        Convert<int32_t>::fromVariant(arguments[2], sequence, session),
        Convert<visio::ObjectRef>::fromVariant(arguments[1], subject, session),
        Convert<visio::Variant>::fromVariant(arguments[0], moreInfo, session),
    };
    for (UINT i = 0; i < kVisEventProcArguments; ++i) {
        if (read[i]) continue;
        if (argumentError) *argumentError = kVisEventProcArguments - 1 - i;
        return DISP_E_TYPEMISMATCH;
    }
    visio::ComRef<visio::IVEventSink> sink = sink_;  // the call may drop the last reference
    visio::Variant answer;
    sink->VisEventProc(code, source, eventId, sequence, subject, moreInfo, &answer);
    if (result) {
        VariantInit(result);
        Convert<visio::Variant>::toVariant(answer, *result, session);
    }
    return S_OK;
}

}  // namespace com
