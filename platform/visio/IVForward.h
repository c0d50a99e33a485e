// Forward declarations of the Visio port's interfaces.
#pragma once

// Every Visio object the port has a member table and a value wrapper for: IV<Object> is
// its interface, V<Object> its wrapper (generated in Wrappers.h) and
// QAV_VISIO_MEMBERS_<Object> its table.
#define QAV_VISIO_OBJECTS(X)                                                   \
    X(Application)  /* The Visio application */                                \
    X(Documents)    /* The open documents */                                   \
    X(Document)     /* A Visio document */                                     \
    X(Pages)        /* The pages of a document */                              \
    X(Page)         /* A page of a document */                                 \
    X(Shapes)       /* The shapes of a page or of a group */                   \
    X(Shape)        /* A shape, group, page sheet or document sheet */         \
    X(Cell)         /* One ShapeSheet cell */                                  \
    X(Connects)     /* A shape's glue records */                               \
    X(Connect)      /* One glue record */                                      \
    X(Window)       /* A Visio window */                                       \
    X(Windows)      /* Visio's windows */                                      \
    X(Selection)    /* The shapes selected in a window, or a query's answer */ \
    X(EventList)    /* The event list that takes subscriptions */              \
    X(Event)        /* One subscription in the event list */                   \
    X(Addons)       /* The add-ons Visio knows */                              \
    X(Addon)        /* One add-on known to Visio */                            \
    X(UIObject)     /* A menus-and-toolbars object */                          \
    X(ToolbarSets)  /* The toolbar sets of a UI object */                      \
    X(ToolbarSet)   /* One toolbar set */                                      \
    X(Toolbars)     /* The toolbars of a set */                                \
    X(Toolbar)      /* One toolbar */                                          \
    X(ToolbarItems) /* The items of a toolbar */                               \
    X(ToolbarItem)  /* One toolbar button */

namespace visio {

class IVObject;
class IVEventSink;
#define QAV_VISIO_DECLARE_INTERFACE(Object) class IV##Object;
QAV_VISIO_OBJECTS(QAV_VISIO_DECLARE_INTERFACE)
#undef QAV_VISIO_DECLARE_INTERFACE

}  // namespace visio
