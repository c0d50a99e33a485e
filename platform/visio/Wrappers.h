// The value wrappers over Visio's objects: one class per object of the port, whose
// members forward to the object's interface member of the same name (the rows of the
// object's member table).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVApplication.h"
#include "platform/visio/IVDocument.h"
#include "platform/visio/IVEvents.h"
#include "platform/visio/IVShape.h"
#include "platform/visio/IVUIObject.h"
#include "platform/visio/IVWindow.h"
#include "platform/visio/VObject.h"
#include "platform/visio/Wrapper.h"

namespace visio {

#define QAV_VISIO_DECLARE_WRAPPER(Object)   \
    class V##Object;                        \
    template <>                             \
    struct WrapperFor<ComRef<IV##Object>> { \
        using type = V##Object;             \
    };
QAV_VISIO_OBJECTS(QAV_VISIO_DECLARE_WRAPPER)
#undef QAV_VISIO_DECLARE_WRAPPER

template <>
struct WrapperFor<ObjectRef> {
    using type = VObject;
};

#define QAV_VISIO_FORWARDER_DECLARATION_ROW(W, kind, R, name, visioName, params, args) \
    WrapperOf<R> name params const;
// Declares the wrapper's forwarding members (inside class V<Object>); Wrappers.cpp
// defines them.
#define QAV_VISIO_DECLARE_FORWARDERS(Object) \
    QAV_VISIO_MEMBERS_##Object(QAV_VISIO_FORWARDER_DECLARATION_ROW, V##Object)

// The Visio application.
class VApplication : public Wrapper<IVApplication> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(Application)
};

// The open documents.
class VDocuments : public Wrapper<IVDocuments> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(Documents)
};

// A Visio document.
class VDocument : public Wrapper<IVDocument> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(Document)
};

// The pages of a document.
class VPages : public Wrapper<IVPages> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(Pages)
};

// A page of a document.
class VPage : public Wrapper<IVPage> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(Page)
};

// The shapes of a page or of a group.
class VShapes : public Wrapper<IVShapes> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(Shapes)
};

// A shape, group, page sheet or document sheet.
class VShape : public Wrapper<IVShape> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(Shape)
};

// One ShapeSheet cell.
class VCell : public Wrapper<IVCell> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(Cell)
};

// A shape's glue records.
class VConnects : public Wrapper<IVConnects> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(Connects)
};

// One glue record.
class VConnect : public Wrapper<IVConnect> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(Connect)
};

// A Visio window.
class VWindow : public Wrapper<IVWindow> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(Window)
};

// Visio's windows.
class VWindows : public Wrapper<IVWindows> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(Windows)
};

// The shapes selected in a window, or a query's answer.
class VSelection : public Wrapper<IVSelection> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(Selection)
};

// The event list that takes subscriptions.
class VEventList : public Wrapper<IVEventList> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(EventList)
};

// One subscription in the event list.
class VEvent : public Wrapper<IVEvent> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(Event)
};

// The add-ons Visio knows.
class VAddons : public Wrapper<IVAddons> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(Addons)
};

// One add-on known to Visio.
class VAddon : public Wrapper<IVAddon> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(Addon)
};

// A menus-and-toolbars object.
class VUIObject : public Wrapper<IVUIObject> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(UIObject)
};

// The toolbar sets of a UI object.
class VToolbarSets : public Wrapper<IVToolbarSets> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(ToolbarSets)
};

// One toolbar set.
class VToolbarSet : public Wrapper<IVToolbarSet> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(ToolbarSet)
};

// The toolbars of a set.
class VToolbars : public Wrapper<IVToolbars> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(Toolbars)
};

// One toolbar.
class VToolbar : public Wrapper<IVToolbar> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(Toolbar)
};

// The items of a toolbar.
class VToolbarItems : public Wrapper<IVToolbarItems> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(ToolbarItems)
};

// One toolbar button.
class VToolbarItem : public Wrapper<IVToolbarItem> {
public:
    using Wrapper::Wrapper;
    QAV_VISIO_DECLARE_FORWARDERS(ToolbarItem)
};

}  // namespace visio
