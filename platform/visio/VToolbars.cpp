#include "platform/visio/VToolbars.h"

#include "platform/visio/VToolbar.h"

namespace visio {

int32_t VToolbars::Count() const {
    return call(&IVToolbars::Count);
}

VToolbar VToolbars::Item(int32_t index) const {
    return VToolbar(call(&IVToolbars::Item, index));
}

VToolbar VToolbars::Add() const {
    return VToolbar(call(&IVToolbars::Add));
}

}  // namespace visio
