// The one entry Visio calls in this library, exported undecorated under its own name
// (64-bit Windows has a single calling convention, so nothing decorates it there).
#include <cstdint>

#include "entry/LibraryMessages.h"
#include "helpers/Export.h"

extern "C" QAV_EXPORT uint16_t VisioLibMain(uint16_t message, uint16_t wParam, void* lParam) {
    return dispatchLibraryMessage(message, wParam, lParam);
}
