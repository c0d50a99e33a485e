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
    registered_ =
        face_ && SUCCEEDED(CLSIDFromString(text.data(), &classId)) &&
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
