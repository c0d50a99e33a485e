#include "platform/visio/VToolbarSets.h"

#include "platform/visio/VToolbarSet.h"

namespace visio {

int32_t VToolbarSets::Count() const {
    return call(&IVToolbarSets::Count);
}

VToolbarSet VToolbarSets::ItemAtID(int32_t id) const {
    return VToolbarSet(call(&IVToolbarSets::ItemAtID, id));
}

}  // namespace visio
