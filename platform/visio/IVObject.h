// The root of Visio's automation objects and the variant that events carry.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "platform/visio/ComRef.h"

namespace visio {

// Which interface a QueryInterface call asks for; one per interface of the port.
enum class InterfaceId {
    Object,
    Application,
    Documents,
    Document,
    Pages,
    Page,
    Shapes,
    Shape,
    Cell,
    Connects,
    Connect,
    Window,
    Windows,
    Selection,
    EventList,
    Event,
    EventSink,
    Addons,
    Addon,
    UIObject,
    ToolbarSets,
    ToolbarSet,
    Toolbars,
    Toolbar,
    ToolbarItems,
    ToolbarItem,
};

class IVObject : public IRefCounted {
public:
    static constexpr InterfaceId kId = InterfaceId::Object;
    // Returns the object as the asked interface with a new reference, or null.
    virtual IVObject* QueryInterface(InterfaceId id) = 0;
};

// Asks any object for another of its interfaces; empty when it has none.
template <class T, class U>
ComRef<T> query(const ComRef<U>& obj) {
    if (!obj) return ComRef<T>();
    IVObject* p = obj->QueryInterface(T::kId);
    return ComRef<T>::adopt(static_cast<T*>(p));
}

using ObjectRef = ComRef<IVObject>;

// The extra information of an event, and other VARIANT arguments: empty, integer,
// double, text or object.
using Variant = std::variant<std::monostate, int32_t, double, std::string, ObjectRef>;

}  // namespace visio
