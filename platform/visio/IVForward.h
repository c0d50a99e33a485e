// Forward declarations of the Visio port's interfaces.
#pragma once

namespace visio {
class IVObject;
class IVApplication;
class IVDocuments;
class IVDocument;
class IVPages;
class IVPage;
class IVShapes;
class IVShape;
class IVCell;
class IVConnects;
class IVConnect;
class IVWindow;
class IVWindows;
class IVSelection;
class IVEventList;
class IVEvent;
class IVEventSink;
class IVAddons;
class IVAddon;
class IVUIObject;
class IVToolbarSets;
class IVToolbarSet;
class IVToolbars;
class IVToolbar;
class IVToolbarItems;
class IVToolbarItem;
}  // namespace visio
