#include "simhost/com/ActiveApplication.h"

#include "platform/com/Automation.h"

#include "platform/com/Text.h"
#include "platform/visio/ApplicationLocator.h"

namespace simhost::comface {

ActiveApplication::ActiveApplication(const visio::ComRef<visio::IVApplication>& application)
    : session_(FaceSession::create()) {
    face_ = visio::ComRef<IDispatch>::adopt(session_->faceOf(visio::ObjectRef(application.get())));
    std::wstring text = com::wideOf(visio::ApplicationLocator::kApplicationClassId);
    CLSID classId;
    if (!face_ || FAILED(CLSIDFromString(text.data(), &classId))) return;
    // Another running Visio (another host) would be the one an add-on finds.
    IUnknown* running = nullptr;
    if (SUCCEEDED(GetActiveObject(classId, nullptr, &running)) && running) {
        running->Release();
        return;
    }
    registered_ =
        SUCCEEDED(RegisterActiveObject(face_.get(), classId, ACTIVEOBJECT_STRONG, &cookie_));
}

ActiveApplication::~ActiveApplication() {
    revoke();
}

void ActiveApplication::revoke() {
    if (registered_) RevokeActiveObject(cookie_, nullptr);
    registered_ = false;
    face_.reset();
}

}  // namespace simhost::comface
