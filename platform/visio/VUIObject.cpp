#include "platform/visio/VUIObject.h"

#include "platform/visio/VToolbarSets.h"

namespace visio {

VToolbarSets VUIObject::ToolbarSets() const {
    return VToolbarSets(call(&IVUIObject::ToolbarSets));
}

VUIObject VUIObject::Clone() const {
    return VUIObject(call(&IVUIObject::Clone));
}

void VUIObject::UpdateUI() const {
    call(&IVUIObject::UpdateUI);
}

}  // namespace visio
