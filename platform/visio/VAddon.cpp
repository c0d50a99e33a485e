#include "platform/visio/VAddon.h"

namespace visio {

std::string VAddon::NameU() const {
    return call(&IVAddon::NameU);
}

}  // namespace visio
