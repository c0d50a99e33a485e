// Forward declarations of the Visio port's interfaces.
#pragma once

// Every Visio object the port has a member table and a value wrapper for: IV<Object> is
// its interface, V<Object> its wrapper and QAV_VISIO_MEMBERS_<Object> its table.
#define QAV_VISIO_OBJECTS(X) \
    X(Application)           \
    X(Documents)             \
    X(Document)              \
    X(Pages)                 \
    X(Page)                  \
    X(Shapes)                \
    X(Shape)                 \
    X(Cell)                  \
    X(Connects)              \
    X(Connect)               \
    X(Window)                \
    X(Windows)               \
    X(Selection)             \
    X(EventList)             \
    X(Event)                 \
    X(Addons)                \
    X(Addon)                 \
    X(UIObject)              \
    X(ToolbarSets)           \
    X(ToolbarSet)            \
    X(Toolbars)              \
    X(Toolbar)               \
    X(ToolbarItems)          \
    X(ToolbarItem)

namespace visio {

class IVObject;
class IVEventSink;
#define QAV_VISIO_DECLARE_INTERFACE(Object) class IV##Object;
QAV_VISIO_OBJECTS(QAV_VISIO_DECLARE_INTERFACE)
#undef QAV_VISIO_DECLARE_INTERFACE

}  // namespace visio
