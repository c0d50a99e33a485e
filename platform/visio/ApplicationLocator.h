// How the add-on finds the Visio application it runs in: the running instance first,
// a new instance otherwise. Visio registers itself as the active object of its class;
// a host that stands in for Visio registers itself here the same way.
#pragma once

#include <functional>

#include "platform/os/System.h"
#include "platform/visio/IVApplication.h"

namespace visio {

class QAVSYSTEM_API ApplicationLocator {
public:
    using Factory = std::function<ComRef<IVApplication>()>;

    // The running Visio application, or empty.
    static ComRef<IVApplication> getActiveObject();
    // A new Visio instance, or empty when none can be started.
    static ComRef<IVApplication> createInstance();

    // Registers (or, with an empty reference, withdraws) the running application.
    static void registerActiveObject(const ComRef<IVApplication>& application);
    // Sets what createInstance answers; an empty factory makes it fail.
    static void setInstanceFactory(Factory factory);
};

}  // namespace visio
