#include "entry/LibraryAddon.h"

#include <cstring>

#include "entry/AddonList.h"

using namespace libraryProtocol;

LibraryAddon::LibraryAddon(const char* name) {
    index_ = AddonList::append(this);
    std::strncpy(name_, name, kNameCapacity - 1);
    name_[kNameCapacity - 1] = '\0';
    record_.index = index_;
    record_.attributes = kRecordAttributes;
    record_.word4 = kRecordWord4;
    record_.word6 = 0;
    record_.word8 = 0;
    record_.name = name_;
}

LibraryAddon::~LibraryAddon() {
    AddonList::remove(this);
}

uint16_t LibraryAddon::isEnabled(uint16_t, void*) {
    return kEnabled;
}

uint16_t LibraryAddon::about(uint16_t, void*) {
    return kOk;
}

uint16_t LibraryAddon::help(uint16_t, void*) {
    return kOk;
}

uint16_t LibraryAddon::onLoad(uint16_t, void* lParam) {
    auto callback = reinterpret_cast<VisioCallback>(lParam);
    if (!AddonList::visioCallback()) {
        AddonList::setVisioCallback(callback);
        return kLoaded;
    }
    return AddonList::visioCallback() == callback ? kLoaded : kForeignCallback;
}

uint16_t LibraryAddon::onUnload(uint16_t, void*) {
    return kOk;
}

uint16_t LibraryAddon::onShutdown(uint16_t, void*) {
    return kOk;
}

uint16_t LibraryAddon::registerWithVisio(uint16_t value) {
    VisioCallback callback = AddonList::visioCallback();
    if (!callback) return kNotRegistered;
    return callback(kRegisterCallbackCode, value, &record_);
}
