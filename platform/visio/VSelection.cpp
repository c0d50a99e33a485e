#include "platform/visio/VSelection.h"

#include "platform/visio/VPage.h"
#include "platform/visio/VShape.h"

namespace visio {

int32_t VSelection::Count() const {
    return call(&IVSelection::Count);
}

VShape VSelection::Item(int32_t index) const {
    return VShape(call(&IVSelection::Item, index));
}

int32_t VSelection::IterationMode() const {
    return call(&IVSelection::IterationMode);
}

void VSelection::SetIterationMode(int32_t mode) const {
    call(&IVSelection::SetIterationMode, mode);
}

void VSelection::Select(const VShape& shape, int16_t action) const {
    call(&IVSelection::Select, shape.ref(), action);
}

void VSelection::DeselectAll() const {
    call(&IVSelection::DeselectAll);
}

void VSelection::AddToGroup() const {
    call(&IVSelection::AddToGroup);
}

VPage VSelection::ContainingPage() const {
    return VPage(call(&IVSelection::ContainingPage));
}

}  // namespace visio
