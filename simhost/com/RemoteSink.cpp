#include "simhost/com/RemoteSink.h"

#include <array>

#include "platform/com/Conversion.h"

namespace simhost::comface {

visio::ComRef<RemoteSink> RemoteSink::create(std::shared_ptr<FaceSession> session,
                                             IDispatch* sink) {
    return visio::ComRef<RemoteSink>(new RemoteSink(std::move(session), sink));
}

RemoteSink::RemoteSink(std::shared_ptr<FaceSession> session, IDispatch* sink)
    : session_(std::move(session)), sink_(sink) {
    ++session_->counts().liveSinks;
}

RemoteSink::~RemoteSink() {
    --session_->counts().liveSinks;
}

int32_t RemoteSink::VisEventProc(int16_t eventCode, const visio::ObjectRef& source, int32_t eventId,
                                 int32_t eventSeqNum, const visio::ObjectRef& subject,
                                 const visio::Variant& moreInfo, visio::Variant* result) {
    if (!asked_) {
        asked_ = true;
        wchar_t name[] = L"VisEventProc";
        LPOLESTR names[] = {name};
        if (FAILED(sink_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &procedure_))) {
            procedure_ = DISPID_UNKNOWN;
        }
    }
    if (procedure_ == DISPID_UNKNOWN) return DISP_E_UNKNOWNNAME;
    FaceSession& session = *session_;
    // Visio's order reversed: the more information first, the event code last.
    std::array<com::OwnedVariant, 6> arguments;
    com::Convert<visio::Variant>::toVariant(moreInfo, arguments[0].get(), session);
    com::Convert<visio::ObjectRef>::toVariant(subject, arguments[1].get(), session);
    com::Convert<int32_t>::toVariant(eventSeqNum, arguments[2].get(), session);
    com::Convert<int32_t>::toVariant(eventId, arguments[3].get(), session);
    com::Convert<visio::ObjectRef>::toVariant(source, arguments[4].get(), session);
    com::Convert<int16_t>::toVariant(eventCode, arguments[5].get(), session);
    std::array<VARIANT, 6> passed;
    for (std::size_t i = 0; i < passed.size(); ++i) passed[i] = arguments[i].get();
    DISPPARAMS params{passed.data(), nullptr, static_cast<UINT>(passed.size()), 0};
    com::OwnedVariant answer;
    visio::ComRef<IDispatch> sink = sink_;  // the call may end the subscription that holds this
    ++session.counts().sinkCalls;
    HRESULT hr = sink->Invoke(procedure_, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                              &answer, nullptr, nullptr);
    if (SUCCEEDED(hr) && result)
        com::Convert<visio::Variant>::fromVariant(answer.get(), *result, session);
    return hr;
}

}  // namespace simhost::comface
