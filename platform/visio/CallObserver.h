// Who is told of the calls the add-on makes into Visio's object model. Every call through
// a value wrapper (Wrappers.h) names its object and the row of that object's member
// table, so a host that stands in for Visio can count what each member would cost across
// COM. Visio itself has no observer: the wrappers then only test for one.
#pragma once

#include "platform/os/Registration.h"
#include "platform/visio/IVObject.h"

namespace visio {

class CallObserver {
public:
    virtual ~CallObserver() = default;
    // A member of the object was called; row is its position in the object's member
    // table (from 0).
    virtual void memberCalled(InterfaceId object, int row) = 0;
};

// The observer of every wrapper of the process, or null. Process-wide, like the running
// application, so that a host and the add-on library it loads share it.
CallObserver* callObserver();
// Installs the observer (null withdraws it) and answers the one it replaces.
CallObserver* setCallObserver(CallObserver* observer);
// Where the observer is registered (what a host hands the library it loads).
os::Registration<CallObserver>& callObserverRegistration();

}  // namespace visio
