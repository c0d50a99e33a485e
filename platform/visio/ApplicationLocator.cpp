#include "platform/visio/ApplicationLocator.h"

#ifdef _WIN32
// clang-format off
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
// clang-format on

#include <string>
#endif

namespace visio {
namespace {

// Process-wide, like the running object table it stands for. Nothing is released during
// static destruction after the host is gone.
os::Registration<IVApplication> activeObject;
os::Registration<ApplicationLocator::Factory> instanceFactory;
ApplicationLocator::DispatchAdapter dispatchAdapter = nullptr;

#ifdef _WIN32
bool visioClassId(CLSID* classId) {
    std::wstring text(ApplicationLocator::kApplicationClassId,
                      ApplicationLocator::kApplicationClassId +
                          sizeof(ApplicationLocator::kApplicationClassId) - 1);
    return SUCCEEDED(CLSIDFromString(text.data(), classId));
}

// The application over the dispatch interface of the object COM found; empty when COM
// found none or the object has no dispatch interface.
ComRef<IVApplication> adapt(HRESULT found, IUnknown* object) {
    if (FAILED(found) || !object) return ComRef<IVApplication>();
    IDispatch* dispatch = nullptr;
    HRESULT hr = object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
    object->Release();
    if (FAILED(hr) || !dispatch) return ComRef<IVApplication>();
    ComRef<IVApplication> application = dispatchAdapter(dispatch);
    dispatch->Release();
    return application;
}

ComRef<IVApplication> runningVisio() {
    CLSID classId;
    if (!dispatchAdapter || !visioClassId(&classId)) return ComRef<IVApplication>();
    IUnknown* object = nullptr;
    HRESULT found = GetActiveObject(classId, nullptr, &object);
    return adapt(found, object);
}

ComRef<IVApplication> newVisio() {
    CLSID classId;
    if (!dispatchAdapter || !visioClassId(&classId)) return ComRef<IVApplication>();
    IUnknown* object = nullptr;
    HRESULT found = CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                     IID_IUnknown, reinterpret_cast<void**>(&object));
    return adapt(found, object);
}
#else
ComRef<IVApplication> runningVisio() {
    return ComRef<IVApplication>();
}
ComRef<IVApplication> newVisio() {
    return ComRef<IVApplication>();
}
#endif

}  // namespace

ComRef<IVApplication> ApplicationLocator::getActiveObject() {
    if (IVApplication* registered = activeObject.get()) return ComRef<IVApplication>(registered);
    return runningVisio();
}

ComRef<IVApplication> ApplicationLocator::createInstance() {
    if (Factory* factory = instanceFactory.get()) {
        return *factory ? (*factory)() : ComRef<IVApplication>();
    }
    return newVisio();
}

void ApplicationLocator::registerActiveObject(const ComRef<IVApplication>& application) {
    if (application) application->AddRef();
    if (IVApplication* replaced = activeObject.set(application.get())) replaced->Release();
}

void ApplicationLocator::setInstanceFactory(Factory factory) {
    delete instanceFactory.set(factory ? new Factory(std::move(factory)) : nullptr);
}

void ApplicationLocator::setDispatchAdapter(DispatchAdapter adapter) {
    dispatchAdapter = adapter;
}

os::Registration<IVApplication>& ApplicationLocator::activeObjectRegistration() {
    return activeObject;
}

os::Registration<ApplicationLocator::Factory>& ApplicationLocator::instanceFactoryRegistration() {
    return instanceFactory;
}

}  // namespace visio
