// Visio's menus-and-toolbars object model: UI object, toolbar sets, toolbars, items.
#pragma once

#include <cstdint>
#include <string>

#include "platform/visio/IVForward.h"
#include "platform/visio/IVObject.h"
#include "platform/visio/MemberTable.h"

// clang-format off
#define QAV_VISIO_MEMBERS_UIObject(X, C) \
    X(C, Get,    visio::ComRef<visio::IVToolbarSets>, ToolbarSets, "ToolbarSets", (), ()) \
    /* An independent copy. */ \
    X(C, Get,    visio::ComRef<visio::IVUIObject>, Clone, "Clone", (), ()) \
    /* Makes changes to the object's bars and items visible. */ \
    X(C, Method, void, UpdateUI, "UpdateUI", (), ())

#define QAV_VISIO_MEMBERS_ToolbarSets(X, C) \
    X(C, Get,    int32_t, Count, "Count", (), ()) \
    /* 2: the set shown with a drawing window. */ \
    X(C, Get,    visio::ComRef<visio::IVToolbarSet>, ItemAtID, "ItemAtID", (int32_t id), (id))

#define QAV_VISIO_MEMBERS_ToolbarSet(X, C) \
    X(C, Get,    int32_t, SetID, "SetID", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVToolbars>, Toolbars, "Toolbars", (), ())

#define QAV_VISIO_MEMBERS_Toolbars(X, C) \
    X(C, Get,    int32_t, Count, "Count", (), ()) \
    /* From 0, as Visio counts toolbars. */ \
    X(C, Get,    visio::ComRef<visio::IVToolbar>, Item, "Item", (int32_t index), (index)) \
    X(C, Method, visio::ComRef<visio::IVToolbar>, Add, "Add", (), ())

#define QAV_VISIO_MEMBERS_Toolbar(X, C) \
    X(C, Get,    std::string, Caption, "Caption", (), ()) \
    X(C, Put,    void, SetCaption, "Caption", (const std::string& caption), (caption)) \
    X(C, Get,    int16_t, Protection, "Protection", (), ()) \
    X(C, Put,    void, SetProtection, "Protection", (int16_t protection), (protection)) \
    /* 4 floating, 6 docked on top (by the add-on's choice). */ \
    X(C, Get,    int16_t, Position, "Position", (), ()) \
    X(C, Put,    void, SetPosition, "Position", (int16_t position), (position)) \
    X(C, Get,    int16_t, RowIndex, "RowIndex", (), ()) \
    X(C, Put,    void, SetRowIndex, "RowIndex", (int16_t rowIndex), (rowIndex)) \
    X(C, Get,    bool, Visible, "Visible", (), ()) \
    X(C, Put,    void, SetVisible, "Visible", (bool visible), (visible)) \
    X(C, Get,    bool, Enabled, "Enabled", (), ()) \
    X(C, Put,    void, SetEnabled, "Enabled", (bool enabled), (enabled)) \
    X(C, Get,    visio::ComRef<visio::IVToolbarItems>, ToolbarItems, "ToolbarItems", (), ()) \
    X(C, Method, void, Delete, "Delete", (), ())

#define QAV_VISIO_MEMBERS_ToolbarItems(X, C) \
    X(C, Get,    int32_t, Count, "Count", (), ()) \
    /* From 0, as Visio counts toolbar items. */ \
    X(C, Get,    visio::ComRef<visio::IVToolbarItem>, Item, "Item", (int32_t index), (index)) \
    X(C, Method, visio::ComRef<visio::IVToolbarItem>, Add, "Add", (), ())

// TooltipText and Priority are the names of Office's command-bar buttons: Visio's
// published ToolbarItem has no member of either name. Visio publishes IconFileName only as
// the method that sets the face; the stand-in also answers the face it was given.
#define QAV_VISIO_MEMBERS_ToolbarItem(X, C) \
    X(C, Get,    std::string, TooltipText, "TooltipText", (), ()) \
    X(C, Put,    void, SetTooltipText, "TooltipText", (const std::string& text), (text)) \
    X(C, Get,    std::string, AddOnName, "AddOnName", (), ()) \
    X(C, Put,    void, SetAddOnName, "AddOnName", (const std::string& name), (name)) \
    /* The run argument a click sends back to the add-on. */ \
    X(C, Get,    std::string, AddOnArgs, "AddOnArgs", (), ()) \
    X(C, Put,    void, SetAddOnArgs, "AddOnArgs", (const std::string& args), (args)) \
    X(C, Get,    int16_t, Style, "Style", (), ()) \
    X(C, Put,    void, SetStyle, "Style", (int16_t style), (style)) \
    X(C, Get,    std::string, Caption, "Caption", (), ()) \
    X(C, Put,    void, SetCaption, "Caption", (const std::string& caption), (caption)) \
    X(C, Get,    int16_t, CntrlType, "CntrlType", (), ()) \
    X(C, Put,    void, SetCntrlType, "CntrlType", (int16_t type), (type)) \
    X(C, Get,    int16_t, Priority, "Priority", (), ()) \
    X(C, Put,    void, SetPriority, "Priority", (int16_t priority), (priority)) \
    X(C, Get,    bool, Visible, "Visible", (), ()) \
    X(C, Put,    void, SetVisible, "Visible", (bool visible), (visible)) \
    /* The face: "file,icon number", here "QAVSupportTools.vsl,N". */ \
    X(C, Get,    std::string, IconFileName, "IconFileName", (), ()) \
    X(C, Method, void, SetIconFileName, "IconFileName", (const std::string& face), (face)) \
    X(C, Get,    bool, Enabled, "Enabled", (), ()) \
    X(C, Put,    void, SetEnabled, "Enabled", (bool enabled), (enabled)) \
    /* 0 up, -1 pressed. */ \
    X(C, Get,    int16_t, State, "State", (), ()) \
    X(C, Put,    void, SetState, "State", (int16_t state), (state)) \
    X(C, Method, void, Delete, "Delete", (), ())
// clang-format on

namespace visio {

class IVUIObject : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::UIObject;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(UIObject)
};
QAV_VISIO_DESCRIBE_MEMBERS(UIObject)

class IVToolbarSets : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::ToolbarSets;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(ToolbarSets)
};
QAV_VISIO_DESCRIBE_MEMBERS(ToolbarSets)

class IVToolbarSet : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::ToolbarSet;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(ToolbarSet)
};
QAV_VISIO_DESCRIBE_MEMBERS(ToolbarSet)

class IVToolbars : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Toolbars;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(Toolbars)
};
QAV_VISIO_DESCRIBE_MEMBERS(Toolbars)

class IVToolbar : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Toolbar;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(Toolbar)
};
QAV_VISIO_DESCRIBE_MEMBERS(Toolbar)

class IVToolbarItems : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::ToolbarItems;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(ToolbarItems)
};
QAV_VISIO_DESCRIBE_MEMBERS(ToolbarItems)

class IVToolbarItem : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::ToolbarItem;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(ToolbarItem)
};
QAV_VISIO_DESCRIBE_MEMBERS(ToolbarItem)

}  // namespace visio
