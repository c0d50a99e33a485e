#include "platform/visio/VConnects.h"

#include "platform/visio/VConnect.h"

namespace visio {

int16_t VConnects::Count() const {
    return call(&IVConnects::Count);
}

VConnect VConnects::Item(int16_t index) const {
    return VConnect(call(&IVConnects::Item, index));
}

}  // namespace visio
