#include "entry/LibraryMessages.h"

#include <cstring>

#include "entry/AddonList.h"
#include "entry/LibraryAddon.h"

using namespace libraryProtocol;

namespace {

uint16_t loadAll(uint16_t wParam, void* lParam) {
    uint16_t answer = kLoaded;
    for (LibraryAddon* a = AddonList::first(); a && answer == kLoaded; a = a->next()) {
        answer = a->onLoad(wParam, lParam);
    }
    return answer;
}

uint16_t unloadAll(uint16_t wParam, void* lParam) {
    uint16_t answer = kOk;
    for (LibraryAddon* a = AddonList::first(); a && answer == kOk; a = a->next()) {
        answer = a->onUnload(wParam, lParam);
    }
    return answer;
}

uint16_t registerValue(const void* lParam) {
    uint16_t value = 0;
    if (lParam) {
        std::memcpy(&value, static_cast<const char*>(lParam) + kRegisterValueOffset, sizeof(value));
    }
    return value;
}

uint16_t registerAll(void* lParam) {
    uint16_t value = registerValue(lParam);
    uint16_t answer = kOk;
    for (LibraryAddon* a = AddonList::first(); a && answer == kOk; a = a->next()) {
        answer = a->registerWithVisio(value);
    }
    return answer;
}

uint16_t shutDownAll(uint16_t wParam, void* lParam) {
    for (LibraryAddon* a = AddonList::first(); a; a = a->next()) a->onShutdown(wParam, lParam);
    return kOk;
}

uint16_t forIndex(uint16_t message, uint16_t wParam, void* lParam) {
    LibraryAddon* addon = AddonList::find(wParam);
    if (!addon) return kOk;
    switch (message) {
        case kIsEnabled:
            return addon->isEnabled(wParam, lParam);
        case kRun:
            return addon->run(lParam);
        case kAbout:
            return addon->about(wParam, lParam);
        default:
            return addon->help(wParam, lParam);
    }
}

uint16_t dispatch(uint16_t message, uint16_t wParam, void* lParam) {
    switch (message) {
        case kLoad:
            return loadAll(wParam, lParam);
        case kUnload:
            return unloadAll(wParam, lParam);
        case kRegister:
            return registerAll(lParam);
        case kIsEnabled:
        case kRun:
        case kAbout:
        case kHelp:
            return forIndex(message, wParam, lParam);
        case kShutDown:
            return shutDownAll(wParam, lParam);
        default:
            return kUnknownMessage;
    }
}

}  // namespace

uint16_t dispatchLibraryMessage(uint16_t message, uint16_t wParam, void* lParam) noexcept {
    try {
        return dispatch(message, wParam, lParam);
    } catch (...) {
        // Visio must never see an exception; the message counts as not understood.
        return kUnknownMessage;
    }
}
