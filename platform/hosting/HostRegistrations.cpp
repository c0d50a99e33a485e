#include "platform/hosting/HostRegistrations.h"

namespace hosting {

HostRegistrations ofThisModule() {
    HostRegistrations mine;
    mine.system = &os::System::registration();
    mine.backend = &ui::Backend::registration();
    mine.activeObject = &visio::ApplicationLocator::activeObjectRegistration();
    mine.instanceFactory = &visio::ApplicationLocator::instanceFactoryRegistration();
    mine.callObserver = &visio::callObserverRegistration();
    return mine;
}

bool followHost(const HostRegistrations& host) {
    if (host.size != sizeof(HostRegistrations) || !host.system || !host.backend ||
        !host.activeObject || !host.instanceFactory || !host.callObserver) {
        return false;
    }
    os::System::registration().follow(*host.system);
    ui::Backend::registration().follow(*host.backend);
    visio::ApplicationLocator::activeObjectRegistration().follow(*host.activeObject);
    visio::ApplicationLocator::instanceFactoryRegistration().follow(*host.instanceFactory);
    visio::callObserverRegistration().follow(*host.callObserver);
    return true;
}

}  // namespace hosting
