// The plumbing of a dispatch object of our own: its reference count (the last release
// deletes it), QueryInterface for IUnknown, IDispatch and one interface of the caller's,
// and no type information (callers find members by name). A subclass answers
// GetIDsOfNames and Invoke.
#pragma once

#include "platform/com/Automation.h"

namespace com {

class DispatchObject : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;

protected:
    // own: a further interface the object answers as itself, or null.
    explicit DispatchObject(const IID* own = nullptr) : own_(own) {}
    virtual ~DispatchObject() = default;

private:
    const IID* own_;
    ULONG references_ = 0;
};

}  // namespace com
