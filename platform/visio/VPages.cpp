#include "platform/visio/VPages.h"

#include "platform/visio/VPage.h"

namespace visio {

int16_t VPages::Count() const {
    return call(&IVPages::Count);
}

VPage VPages::Item(int16_t index) const {
    return VPage(call(&IVPages::Item, index));
}

VPage VPages::Add() const {
    return VPage(call(&IVPages::Add));
}

}  // namespace visio
