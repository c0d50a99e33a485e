#include "platform/visio/VToolbarSet.h"

#include "platform/visio/VToolbars.h"

namespace visio {

int32_t VToolbarSet::SetID() const {
    return call(&IVToolbarSet::SetID);
}

VToolbars VToolbarSet::Toolbars() const {
    return VToolbars(call(&IVToolbarSet::Toolbars));
}

}  // namespace visio
