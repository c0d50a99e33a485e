// Visio's Application object with its Documents, Windows and Addons collections.
#pragma once

#include <cstdint>
#include <string>

#include "platform/visio/IVForward.h"
#include "platform/visio/IVObject.h"

namespace visio {

class IVApplication : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Application;

    virtual ComRef<IVDocument> ActiveDocument() = 0;
    virtual ComRef<IVWindow> ActiveWindow() = 0;
    virtual ComRef<IVPage> ActivePage() = 0;
    virtual ComRef<IVDocuments> Documents() = 0;
    virtual ComRef<IVWindows> Windows() = 0;
    virtual ComRef<IVAddons> Addons() = 0;
    // Empty when Visio cannot hand out its event list.
    virtual ComRef<IVEventList> EventList() = 0;
    // Queues a marker event carrying the text; answers its sequence number.
    virtual int32_t QueueMarkerEvent(const std::string& text) = 0;
    // The extra information of an event by sequence number (0: the event in progress).
    virtual std::string EventInfo(int32_t sequenceNumber) = 0;
    // Runs a built-in command by its number (1004 save, 1005 save as, ...).
    virtual void DoCmd(int16_t command) = 0;
    virtual ComRef<IVUIObject> CustomToolbars() = 0;
    virtual void SetCustomToolbars(const ComRef<IVUIObject>& ui) = 0;
    virtual ComRef<IVUIObject> BuiltInToolbars(int16_t flags) = 0;
    virtual int16_t TypelibMajorVersion() = 0;
    virtual int16_t TypelibMinorVersion() = 0;
    // Visio's main window handle.
    virtual intptr_t WindowHandle32() = 0;
    // The ';'-separated folder list of Visio's help file path setting.
    virtual std::string HelpPaths() = 0;
    virtual void SetHelpPaths(const std::string& paths) = 0;
    // Runs one line of the application's macro language (the add-on uses "wait(1)"
    // to let Visio deliver pending events).
    virtual void ExecuteLine(const std::string& line) = 0;
};

class IVDocuments : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Documents;
    virtual int16_t Count() = 0;
    // From 1.
    virtual ComRef<IVDocument> Item(int16_t index) = 0;
};

class IVWindows : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Windows;
    virtual int16_t Count() = 0;
    virtual ComRef<IVWindow> Item(int16_t index) = 0;
};

class IVAddons : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Addons;
    virtual int16_t Count() = 0;
    virtual ComRef<IVAddon> Item(int16_t index) = 0;
};

class IVAddon : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Addon;
    virtual std::string NameU() = 0;
};

}  // namespace visio
