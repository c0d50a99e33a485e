#include "platform/visio/VConnect.h"

#include "platform/visio/VCell.h"
#include "platform/visio/VShape.h"

namespace visio {

int16_t VConnect::FromPart() const {
    return call(&IVConnect::FromPart);
}

int16_t VConnect::ToPart() const {
    return call(&IVConnect::ToPart);
}

VShape VConnect::FromSheet() const {
    return VShape(call(&IVConnect::FromSheet));
}

VShape VConnect::ToSheet() const {
    return VShape(call(&IVConnect::ToSheet));
}

VCell VConnect::FromCell() const {
    return VCell(call(&IVConnect::FromCell));
}

VCell VConnect::ToCell() const {
    return VCell(call(&IVConnect::ToCell));
}

}  // namespace visio
