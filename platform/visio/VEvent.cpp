#include "platform/visio/VEvent.h"

namespace visio {

int16_t VEvent::Event() const {
    return call(&IVEvent::Event);
}

int32_t VEvent::ID() const {
    return call(&IVEvent::ID);
}

void VEvent::Delete() const {
    call(&IVEvent::Delete);
}

}  // namespace visio
