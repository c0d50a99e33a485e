// Visio's Window and Selection objects.
#pragma once

#include <cstdint>
#include <string>

#include "platform/visio/IVForward.h"
#include "platform/visio/IVObject.h"
#include "platform/visio/MemberTable.h"

// clang-format off
#define QAV_VISIO_MEMBERS_Window(X, C) \
    /* 1 drawing window, others for stencils, sheets, ... */ \
    X(C, Get,    int16_t, Type, "Type", (), ()) \
    /* 128 a page of a drawing. */ \
    X(C, Get,    int16_t, SubType, "SubType", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVPage>, Page, "Page", (), ()) \
    X(C, Put,    void, SetPage, "Page", (const std::string& pageName), (pageName)) \
    X(C, Get,    visio::ComRef<visio::IVDocument>, Document, "Document", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVSelection>, Selection, "Selection", (), ()) \
    /* Action codes: 1 deselect, 2 select, 3 sub-select, 256 deselect all. */ \
    X(C, Method, void, Select, "Select", \
      (const visio::ComRef<visio::IVShape>& shape, int16_t action), (shape, action)) \
    X(C, Method, void, DeselectAll, "DeselectAll", (), ()) \
    X(C, Method, void, SelectAll, "SelectAll", (), ()) \
    /* Adds the selected shapes to the selected group (as Selection.AddToGroup does). */ \
    X(C, Method, void, AddToGroup, "AddToGroup", (), ()) \
    X(C, Method, void, Activate, "Activate", (), ()) \
    /* The 16-bit window setting the checker and the simulator hold at 0 while they paint. */ \
    X(C, Get,    int16_t, ShowConnectPoints, "ShowConnectPoints", (), ()) \
    X(C, Put,    void, SetShowConnectPoints, "ShowConnectPoints", (int16_t value), (value))

#define QAV_VISIO_MEMBERS_Selection(X, C) \
    X(C, Get,    int32_t, Count, "Count", (), ()) \
    /* From 1. */ \
    X(C, Get,    visio::ComRef<visio::IVShape>, Item, "Item", (int32_t index), (index)) \
    /* The IDs of the shapes Item reports, in its order, in one call (Visio 2007 on; an */ \
    /* older Visio answers nothing). */ \
    X(C, Method, void, GetIDs, "GetIDs", (std::vector<int32_t>* shapeIDs), (shapeIDs)) \
    /* 256: a sub-selected shape is reported itself rather than its top-level group. */ \
    X(C, Get,    int32_t, IterationMode, "IterationMode", (), ()) \
    X(C, Put,    void, SetIterationMode, "IterationMode", (int32_t mode), (mode)) \
    X(C, Method, void, Select, "Select", \
      (const visio::ComRef<visio::IVShape>& shape, int16_t action), (shape, action)) \
    X(C, Method, void, DeselectAll, "DeselectAll", (), ()) \
    /* Adds the selected shapes to the selected group. */ \
    X(C, Method, void, AddToGroup, "AddToGroup", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVPage>, ContainingPage, "ContainingPage", (), ())
// clang-format on

namespace visio {

class IVWindow : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Window;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(Window)
};
QAV_VISIO_DESCRIBE_MEMBERS(Window)

class IVSelection : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Selection;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(Selection)
};
QAV_VISIO_DESCRIBE_MEMBERS(Selection)

}  // namespace visio
