// Visio's object type codes (the ObjectType property every automation object has), for
// telling what an object handed over without its type is: an event's subject, a shape's
// parent.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/visio/IVObject.h"

namespace com {

// The published name of the member that answers the code.
constexpr char kObjectTypeMember[] = "ObjectType";

// Visio's code for objects of the interface; none for the objects of the menus and
// toolbars, which Visio gives no code.
std::optional<int16_t> objectTypeOf(visio::InterfaceId id);
// The interface of objects with Visio's code; none for codes the port has no interface for.
std::optional<visio::InterfaceId> interfaceOfObjectType(int16_t code);

}  // namespace com
