#include "entry/AddonList.h"

#include "entry/LibraryAddon.h"

uint16_t AddonList::append(LibraryAddon* addon) {
    if (last_) {
        last_->setNext(addon);
    } else {
        first_ = addon;
    }
    last_ = addon;
    return nextIndex_++;
}

void AddonList::remove(LibraryAddon* addon) {
    LibraryAddon* previous = nullptr;
    for (LibraryAddon* a = first_; a; previous = a, a = a->next()) {
        if (a != addon) continue;
        if (previous) {
            previous->setNext(a->next());
        } else {
            first_ = a->next();
        }
        if (last_ == a) last_ = previous;
        return;
    }
}

LibraryAddon* AddonList::find(uint16_t index) {
    for (LibraryAddon* a = first_; a; a = a->next()) {
        if (a->index() == index) return a;
    }
    return nullptr;
}
