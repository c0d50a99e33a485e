#include "simhost/com/FaceBase.h"

#include <cctype>
#include <cstring>
#include <string>
#include <utility>

#include "platform/com/ObjectTypes.h"
#include "platform/com/Text.h"

namespace simhost::comface {

// {5B1E3C7A-2F4D-4E8B-9A61-3C0D7E92B415}
const IID kFaceIid = {0x5b1e3c7a, 0x2f4d, 0x4e8b, {0x9a, 0x61, 0x3c, 0x0d, 0x7e, 0x92, 0xb4, 0x15}};

bool sameName(const char* visioName, const std::string& name) {
    std::size_t length = std::strlen(visioName);
    if (length != name.size()) return false;
    for (std::size_t i = 0; i < length; ++i) {
        if (std::tolower(static_cast<unsigned char>(visioName[i])) !=
            std::tolower(static_cast<unsigned char>(name[i]))) {
            return false;
        }
    }
    return true;
}

HRESULT refusePut(int32_t status, EXCEPINFO* exception) {
    if (exception) {
        *exception = EXCEPINFO();
        exception->bstrSource = com::newBstr("Visio");
        exception->bstrDescription =
            com::newBstr("the value was refused (status " + std::to_string(status) + ")");
        exception->scode = E_FAIL;
    }
    return DISP_E_EXCEPTION;
}

FaceBase::FaceBase(std::shared_ptr<FaceSession> session, const visio::IVObject* key)
    : DispatchObject(&kFaceIid), session_(std::move(session)), key_(key) {
    ++session_->counts().liveFaces;
}

FaceBase::~FaceBase() {
    --session_->counts().liveFaces;
    session_->forget(key_);
}

HRESULT FaceBase::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!names || !ids || count == 0) return E_INVALIDARG;
    ++session_->counts().nameLookups;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    std::string name = com::ansiOf(names[0], names[0] ? std::wcslen(names[0]) : 0);
    if (sameName(com::kObjectTypeMember, name) && com::objectTypeOf(interfaceId())) {
        ids[0] = kObjectTypeId;
    } else {
        ids[0] = idOf(name);
    }
    // Named arguments are not the face's: the members take theirs by position.
    return ids[0] != DISPID_UNKNOWN && count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT FaceBase::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                         VARIANT* result, EXCEPINFO* exception, UINT* argumentError) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    ++session_->counts().calls;
    if (id == kObjectTypeId) return answerObjectType(flags, result);
    // The object may be released by what the member does (a deleted shape's last holder).
    IDispatch* self = this;
    self->AddRef();
    FaceCall call{params, result, exception, argumentError};
    HRESULT hr = invokeMember(id, flags, call);
    self->Release();
    return hr;
}

HRESULT FaceBase::answerObjectType(WORD flags, VARIANT* result) const {
    std::optional<int16_t> code = com::objectTypeOf(interfaceId());
    if (!code || !(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
    if (result) {
        VariantInit(result);
        result->vt = VT_I2;
        result->iVal = *code;
    }
    return S_OK;
}

}  // namespace simhost::comface
