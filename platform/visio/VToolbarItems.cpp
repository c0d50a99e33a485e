#include "platform/visio/VToolbarItems.h"

#include "platform/visio/VToolbarItem.h"

namespace visio {

int32_t VToolbarItems::Count() const {
    return call(&IVToolbarItems::Count);
}

VToolbarItem VToolbarItems::Item(int32_t index) const {
    return VToolbarItem(call(&IVToolbarItems::Item, index));
}

VToolbarItem VToolbarItems::Add() const {
    return VToolbarItem(call(&IVToolbarItems::Add));
}

}  // namespace visio
