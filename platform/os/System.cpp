#include "platform/os/System.h"

namespace os {

System& platformSystem();

namespace {
System* installed = nullptr;
}  // namespace

System::~System() = default;

System& System::current() {
    return installed ? *installed : platformSystem();
}

System& System::platform() {
    return platformSystem();
}

void System::install(System* system) {
    installed = system;
}

}  // namespace os
