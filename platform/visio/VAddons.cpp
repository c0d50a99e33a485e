#include "platform/visio/VAddons.h"

#include "platform/visio/VAddon.h"

namespace visio {

int16_t VAddons::Count() const {
    return call(&IVAddons::Count);
}

VAddon VAddons::Item(int16_t index) const {
    return VAddon(call(&IVAddons::Item, index));
}

}  // namespace visio
