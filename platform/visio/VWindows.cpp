#include "platform/visio/VWindows.h"

#include "platform/visio/VWindow.h"

namespace visio {

int16_t VWindows::Count() const {
    return call(&IVWindows::Count);
}

VWindow VWindows::Item(int16_t index) const {
    return VWindow(call(&IVWindows::Item, index));
}

}  // namespace visio
