// How the add-on finds the Visio application it runs in: the running instance first,
// a new instance otherwise. Visio registers itself as the active object of its class;
// a host that stands in for Visio registers itself here the same way. On Windows, when
// nothing is registered here, the running Visio is the active object that COM knows for
// Visio's application class, reached through the dispatch adapter (platform/com).
#pragma once

#include <functional>

#include "platform/os/Registration.h"
#include "platform/visio/IVApplication.h"

namespace visio {

class ApplicationLocator {
public:
    using Factory = std::function<ComRef<IVApplication>()>;
    // Makes the port's application of Visio's automation object (an IDispatch).
    using DispatchAdapter = ComRef<IVApplication> (*)(void* dispatch);

    // Visio's application class, as COM registers it.
    static constexpr char kApplicationClassId[] = "{00021A20-0000-0000-C000-000000000046}";

    // The running Visio application, or empty.
    static ComRef<IVApplication> getActiveObject();
    // A new Visio instance, or empty when none can be started.
    static ComRef<IVApplication> createInstance();

    // Registers (or, with an empty reference, withdraws) the running application.
    static void registerActiveObject(const ComRef<IVApplication>& application);
    // Sets what createInstance answers; an empty factory makes it fail.
    static void setInstanceFactory(Factory factory);
    // Sets (or, with null, removes) the adapter through which the Visio that COM knows is
    // reached; without one, only a registered application is found.
    // The adapter stays the module's own: a library loaded into a host reaches the Visio
    // that COM knows through its own client.
    static void setDispatchAdapter(DispatchAdapter adapter);

    // Where the running application and the instance factory are registered (what a host
    // hands the library it loads).
    static os::Registration<IVApplication>& activeObjectRegistration();
    static os::Registration<Factory>& instanceFactoryRegistration();
};

}  // namespace visio
