// Visio's Application object with its Documents, Windows and Addons collections.
#pragma once

#include <cstdint>
#include <string>

#include "platform/visio/IVForward.h"
#include "platform/visio/IVObject.h"
#include "platform/visio/MemberTable.h"

// clang-format off
#define QAV_VISIO_MEMBERS_Application(X, C) \
    X(C, Get,    visio::ComRef<visio::IVDocument>, ActiveDocument, "ActiveDocument", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVWindow>, ActiveWindow, "ActiveWindow", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVPage>, ActivePage, "ActivePage", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVDocuments>, Documents, "Documents", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVWindows>, Windows, "Windows", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVAddons>, Addons, "Addons", (), ()) \
    /* Empty when Visio cannot hand out its event list. */ \
    X(C, Get,    visio::ComRef<visio::IVEventList>, EventList, "EventList", (), ()) \
    /* Queues a marker event carrying the text; answers its sequence number. */ \
    X(C, Method, int32_t, QueueMarkerEvent, "QueueMarkerEvent", (const std::string& text), (text)) \
    /* The extra information of an event by sequence number (0: the event in progress). */ \
    X(C, Get,    std::string, EventInfo, "EventInfo", (int32_t sequenceNumber), (sequenceNumber)) \
    /* Runs a built-in command by its number (1004 save, 1005 save as, ...). */ \
    X(C, Method, void, DoCmd, "DoCmd", (int16_t command), (command)) \
    X(C, Get,    visio::ComRef<visio::IVUIObject>, CustomToolbars, "CustomToolbars", (), ()) \
    X(C, Method, void, SetCustomToolbars, "SetCustomToolbars", (const visio::ComRef<visio::IVUIObject>& ui), (ui)) \
    X(C, Get,    visio::ComRef<visio::IVUIObject>, BuiltInToolbars, "BuiltInToolbars", (int16_t flags), (flags)) \
    X(C, Get,    int16_t, TypelibMajorVersion, "TypelibMajorVersion", (), ()) \
    X(C, Get,    int16_t, TypelibMinorVersion, "TypelibMinorVersion", (), ()) \
    /* Visio's main window handle. */ \
    X(C, Get,    intptr_t, WindowHandle32, "WindowHandle32", (), ()) \
    /* The ';'-separated folder list of Visio's help file path setting. */ \
    X(C, Get,    std::string, HelpPaths, "HelpPaths", (), ()) \
    X(C, Put,    void, SetHelpPaths, "HelpPaths", (const std::string& paths), (paths)) \
    /* Runs one line of the application's macro language (the add-on uses "wait(1)" */ \
    /* to let Visio deliver pending events). */ \
    X(C, Method, void, ExecuteLine, "ExecuteLine", (const std::string& line), (line))

#define QAV_VISIO_MEMBERS_Documents(X, C) \
    X(C, Get,    int16_t, Count, "Count", (), ()) \
    /* From 1. */ \
    X(C, Get,    visio::ComRef<visio::IVDocument>, Item, "Item", (int16_t index), (index))

#define QAV_VISIO_MEMBERS_Windows(X, C) \
    X(C, Get,    int16_t, Count, "Count", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVWindow>, Item, "Item", (int16_t index), (index))

#define QAV_VISIO_MEMBERS_Addons(X, C) \
    X(C, Get,    int16_t, Count, "Count", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVAddon>, Item, "Item", (int16_t index), (index))

#define QAV_VISIO_MEMBERS_Addon(X, C) \
    X(C, Get,    std::string, NameU, "NameU", (), ())
// clang-format on

namespace visio {

class IVApplication : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Application;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(Application)
};
QAV_VISIO_DESCRIBE_MEMBERS(Application)

class IVDocuments : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Documents;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(Documents)
};
QAV_VISIO_DESCRIBE_MEMBERS(Documents)

class IVWindows : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Windows;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(Windows)
};
QAV_VISIO_DESCRIBE_MEMBERS(Windows)

class IVAddons : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Addons;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(Addons)
};
QAV_VISIO_DESCRIBE_MEMBERS(Addons)

class IVAddon : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Addon;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(Addon)
};
QAV_VISIO_DESCRIBE_MEMBERS(Addon)

}  // namespace visio
