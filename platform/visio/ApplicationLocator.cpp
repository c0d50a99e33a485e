#include "platform/visio/ApplicationLocator.h"

namespace visio {
namespace {

// Process-wide, like the running object table it stands for. Plain pointers, so
// nothing is released during static destruction after the host is gone.
IVApplication* activeObject = nullptr;
ApplicationLocator::Factory* instanceFactory = nullptr;

}  // namespace

ComRef<IVApplication> ApplicationLocator::getActiveObject() {
    return ComRef<IVApplication>(activeObject);
}

ComRef<IVApplication> ApplicationLocator::createInstance() {
    if (!instanceFactory || !*instanceFactory) return ComRef<IVApplication>();
    return (*instanceFactory)();
}

void ApplicationLocator::registerActiveObject(const ComRef<IVApplication>& application) {
    if (application) application->AddRef();
    if (activeObject) activeObject->Release();
    activeObject = application.get();
}

void ApplicationLocator::setInstanceFactory(Factory factory) {
    delete instanceFactory;
    instanceFactory = factory ? new Factory(std::move(factory)) : nullptr;
}

}  // namespace visio
