// Visio's menus-and-toolbars object model: UI object, toolbar sets, toolbars, items.
#pragma once

#include <cstdint>
#include <string>

#include "platform/visio/IVForward.h"
#include "platform/visio/IVObject.h"

namespace visio {

class IVUIObject : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::UIObject;
    virtual ComRef<IVToolbarSets> ToolbarSets() = 0;
    // An independent copy.
    virtual ComRef<IVUIObject> Clone() = 0;
    // Makes changes to the object's bars and items visible.
    virtual void UpdateUI() = 0;
};

class IVToolbarSets : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::ToolbarSets;
    virtual int32_t Count() = 0;
    // 2: the set shown with a drawing window.
    virtual ComRef<IVToolbarSet> ItemAtID(int32_t id) = 0;
};

class IVToolbarSet : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::ToolbarSet;
    virtual int32_t SetID() = 0;
    virtual ComRef<IVToolbars> Toolbars() = 0;
};

class IVToolbars : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Toolbars;
    virtual int32_t Count() = 0;
    // From 0, as Visio counts toolbars.
    virtual ComRef<IVToolbar> Item(int32_t index) = 0;
    virtual ComRef<IVToolbar> Add() = 0;
};

class IVToolbar : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Toolbar;
    virtual std::string Caption() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual int16_t Protection() = 0;
    virtual void SetProtection(int16_t protection) = 0;
    // 4 floating, 6 docked on top (by the add-on's choice).
    virtual int16_t Position() = 0;
    virtual void SetPosition(int16_t position) = 0;
    virtual int16_t RowIndex() = 0;
    virtual void SetRowIndex(int16_t rowIndex) = 0;
    virtual bool Visible() = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool Enabled() = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual ComRef<IVToolbarItems> ToolbarItems() = 0;
    virtual void Delete() = 0;
};

class IVToolbarItems : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::ToolbarItems;
    virtual int32_t Count() = 0;
    // From 0, as Visio counts toolbar items.
    virtual ComRef<IVToolbarItem> Item(int32_t index) = 0;
    virtual ComRef<IVToolbarItem> Add() = 0;
};

class IVToolbarItem : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::ToolbarItem;
    virtual std::string TooltipText() = 0;
    virtual void SetTooltipText(const std::string& text) = 0;
    virtual std::string AddOnName() = 0;
    virtual void SetAddOnName(const std::string& name) = 0;
    // The run argument a click sends back to the add-on.
    virtual std::string AddOnArgs() = 0;
    virtual void SetAddOnArgs(const std::string& args) = 0;
    virtual int16_t Style() = 0;
    virtual void SetStyle(int16_t style) = 0;
    virtual std::string Caption() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual int16_t CntrlType() = 0;
    virtual void SetCntrlType(int16_t type) = 0;
    virtual int16_t Priority() = 0;
    virtual void SetPriority(int16_t priority) = 0;
    virtual bool Visible() = 0;
    virtual void SetVisible(bool visible) = 0;
    // The face: "file,icon number", here "QAVSupportTools.vsl,N".
    virtual std::string IconFileName() = 0;
    virtual void SetIconFileName(const std::string& face) = 0;
    virtual bool Enabled() = 0;
    virtual void SetEnabled(bool enabled) = 0;
    // 0 up, -1 pressed.
    virtual int16_t State() = 0;
    virtual void SetState(int16_t state) = 0;
    virtual void Delete() = 0;
};

}  // namespace visio
