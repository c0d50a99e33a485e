// One add-on of the library as Visio's add-on library protocol sees it: its index, its
// name and its registration record, and what it answers to each library message.
#pragma once

#include <cstdint>

#include "entry/LibraryProtocol.h"

class LibraryAddon {
public:
    // Joins the library's add-on list and takes the next index.
    explicit LibraryAddon(const char* name);
    virtual ~LibraryAddon();
    LibraryAddon(const LibraryAddon&) = delete;
    LibraryAddon& operator=(const LibraryAddon&) = delete;

    // Visio asks whether the add-on can run: it can.
    virtual uint16_t isEnabled(uint16_t wParam, void* lParam);
    // A run request; lParam points to Visio's run record.
    virtual uint16_t run(void* runRecord) = 0;
    virtual uint16_t about(uint16_t wParam, void* lParam);
    virtual uint16_t help(uint16_t wParam, void* lParam);
    // Keeps Visio's callback from the first load message: the same callback again is
    // fine, another one is answered as foreign and the first stays.
    virtual uint16_t onLoad(uint16_t wParam, void* lParam);
    virtual uint16_t onUnload(uint16_t wParam, void* lParam);
    virtual uint16_t onShutdown(uint16_t wParam, void* lParam);

    // Hands Visio the registration record through its callback; without a callback
    // (no load message yet) nothing is registered.
    uint16_t registerWithVisio(uint16_t value);

    uint16_t index() const { return index_; }
    const char* name() const { return name_; }
    const libraryProtocol::RegistrationRecord& registrationRecord() const { return record_; }
    LibraryAddon* next() const { return next_; }
    void setNext(LibraryAddon* next) { next_ = next; }

private:
    static constexpr int kNameCapacity = 100;

    // No name is taken from the string resources: all bits set. Visio's protocol has
    // no message that asks for it; the add-on keeps it as the library's record of its
    // name source.
    [[maybe_unused]] uint32_t nameResourceId_ = 0xFFFFFFFFu;
    uint16_t index_ = 0;
    char name_[kNameCapacity] = {};
    libraryProtocol::RegistrationRecord record_{};
    LibraryAddon* next_ = nullptr;
};
