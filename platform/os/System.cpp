#include "platform/os/System.h"

namespace os {

System& platformSystem();

namespace {
Registration<System> installed;
}  // namespace

System::~System() = default;

System& System::current() {
    System* system = installed.get();
    return system ? *system : platformSystem();
}

System& System::platform() {
    return platformSystem();
}

void System::install(System* system) {
    installed.set(system);
}

Registration<System>& System::registration() {
    return installed;
}

}  // namespace os
