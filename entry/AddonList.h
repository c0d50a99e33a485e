// The library's add-on list, in construction order, and Visio's callback kept from the
// first load message. Library-wide, like the protocol it serves.
#pragma once

#include <cstdint>

#include "entry/LibraryProtocol.h"

class LibraryAddon;

class AddonList {
public:
    // Appends the add-on and answers its index (the first add-on gets 1).
    static uint16_t append(LibraryAddon* addon);
    static void remove(LibraryAddon* addon);
    static LibraryAddon* first() { return first_; }
    // Null when no add-on has the index.
    static LibraryAddon* find(uint16_t index);

    static libraryProtocol::VisioCallback visioCallback() { return visioCallback_; }
    static void setVisioCallback(libraryProtocol::VisioCallback callback) {
        visioCallback_ = callback;
    }
    // Back to the state before the first load message (for tests).
    static void forgetVisioCallback() { visioCallback_ = nullptr; }

private:
    // Constant-initialised, so the list is ready before any add-on object is built.
    static inline LibraryAddon* first_ = nullptr;
    static inline LibraryAddon* last_ = nullptr;
    static inline uint16_t nextIndex_ = 1;
    static inline libraryProtocol::VisioCallback visioCallback_ = nullptr;
};
