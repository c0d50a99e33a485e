// The entries this library exports undecorated under their own names (64-bit Windows has
// a single calling convention, so nothing decorates them there): the one Visio calls, and
// the one through which a host that stands in for Visio hands over its registrations.
#include <cstdint>

#include "entry/LibraryMessages.h"
#include "helpers/Export.h"
#include "platform/hosting/HostRegistrations.h"

extern "C" QAV_EXPORT uint16_t VisioLibMain(uint16_t message, uint16_t wParam, void* lParam) {
    return dispatchLibraryMessage(message, wParam, lParam);
}

extern "C" QAV_EXPORT int32_t
shareHostRegistrations(const hosting::HostRegistrations* registrations) {
    return registrations && hosting::followHost(*registrations) ? 1 : 0;
}
