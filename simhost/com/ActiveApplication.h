// The stand-in's application as the running Visio that COM knows: its face registered as
// the active object of Visio's application class, so that an add-on finds it with
// GetActiveObject and reaches it only through COM. The registration is withdrawn by
// revoke() or when this goes; the face session tells what the other side still holds.
#pragma once

#include "platform/com/Automation.h"

#include <memory>

#include "platform/visio/ComRef.h"
#include "platform/visio/IVApplication.h"
#include "simhost/com/FaceSession.h"

namespace simhost::comface {

class ActiveApplication {
public:
    // COM must be initialised on the thread.
    explicit ActiveApplication(const visio::ComRef<visio::IVApplication>& application);
    ~ActiveApplication();
    ActiveApplication(const ActiveApplication&) = delete;
    ActiveApplication& operator=(const ActiveApplication&) = delete;

    // False when COM refused, or another Visio is already running.
    bool registered() const { return registered_; }
    // Withdraws the registration and lets go of the application's face.
    void revoke();
    FaceSession& session() { return *session_; }

private:
    std::shared_ptr<FaceSession> session_;
    visio::ComRef<IDispatch> face_;
    DWORD cookie_ = 0;
    bool registered_ = false;
};

}  // namespace simhost::comface
