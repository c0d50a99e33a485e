#include "simhost/host/Addon.h"

namespace simhost {

std::string Addon::NameU() {
    return isDeleted() ? std::string() : name_;
}

}  // namespace simhost
