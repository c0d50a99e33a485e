// A face: the dispatch object through which the other side of COM reaches one stand-in
// object, answering by Visio's member names. FaceBase is the COM plumbing every face
// shares; Face<I> (Face.h) answers the members of the object's table.
#pragma once

#include "platform/com/Automation.h"

#include <cstdint>
#include <memory>
#include <string>

#include "platform/com/DispatchObject.h"
#include "platform/visio/IVObject.h"
#include "simhost/com/FaceSession.h"

namespace simhost::comface {

// The interface a face answers besides IUnknown and IDispatch, so that a dispatch object
// coming back can be told for one of the session's own faces.
extern const IID kFaceIid;

// The DISPID of Visio's ObjectType, which every face with a Visio object type answers.
constexpr DISPID kObjectTypeId = 0x10000;

// What one Invoke hands a member.
struct FaceCall {
    DISPPARAMS* params;
    VARIANT* result;
    EXCEPINFO* exception;
    UINT* argumentError;
};

class FaceBase : public com::DispatchObject {
public:
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override;

    // The stand-in object the face stands for.
    virtual visio::ObjectRef target() const = 0;

protected:
    FaceBase(std::shared_ptr<FaceSession> session, const visio::IVObject* key);
    ~FaceBase() override;

    // The DISPID of the member name (compared as automation compares names, ignoring
    // case); DISPID_UNKNOWN when the object has no member of that name.
    virtual DISPID idOf(const std::string& name) const = 0;
    virtual HRESULT invokeMember(DISPID id, WORD flags, FaceCall& call) = 0;
    virtual visio::InterfaceId interfaceId() const = 0;

    std::shared_ptr<FaceSession> session_;

private:
    HRESULT answerObjectType(WORD flags, VARIANT* result) const;

    const visio::IVObject* key_;
};

// Automation's comparison of member names.
bool sameName(const char* visioName, const std::string& name);

// The refusal of a put, as Visio raises it.
HRESULT refusePut(int32_t status, EXCEPINFO* exception);

}  // namespace simhost::comface
