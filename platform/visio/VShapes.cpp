#include "platform/visio/VShapes.h"

#include "platform/visio/VPage.h"
#include "platform/visio/VShape.h"

namespace visio {

int32_t VShapes::Count() const {
    return call(&IVShapes::Count);
}

VShape VShapes::Item(int32_t index) const {
    return VShape(call(&IVShapes::Item, index));
}

VShape VShapes::ItemFromID(int32_t id) const {
    return VShape(call(&IVShapes::ItemFromID, id));
}

VPage VShapes::ContainingPage() const {
    return VPage(call(&IVShapes::ContainingPage));
}

VShape VShapes::ContainingShape() const {
    return VShape(call(&IVShapes::ContainingShape));
}

}  // namespace visio
