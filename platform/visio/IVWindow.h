// Visio's Window and Selection objects.
#pragma once

#include <cstdint>
#include <string>

#include "platform/visio/IVForward.h"
#include "platform/visio/IVObject.h"

namespace visio {

class IVWindow : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Window;

    // 1 drawing window, others for stencils, sheets, ...
    virtual int16_t Type() = 0;
    // 128 a page of a drawing.
    virtual int16_t SubType() = 0;
    virtual ComRef<IVPage> Page() = 0;
    virtual void SetPage(const std::string& pageName) = 0;
    virtual ComRef<IVDocument> Document() = 0;
    virtual ComRef<IVSelection> Selection() = 0;
    // Action codes: 1 deselect, 2 select, 3 sub-select, 256 deselect all.
    virtual void Select(const ComRef<IVShape>& shape, int16_t action) = 0;
    virtual void DeselectAll() = 0;
    virtual void SelectAll() = 0;
    virtual void Activate() = 0;
    // The 16-bit window setting the checker and the simulator hold at 0 while they paint.
    virtual int16_t ShowConnectPoints() = 0;
    virtual void SetShowConnectPoints(int16_t value) = 0;
};

class IVSelection : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Selection;
    virtual int32_t Count() = 0;
    // From 1.
    virtual ComRef<IVShape> Item(int32_t index) = 0;
    // 256: a sub-selected shape is reported itself rather than its top-level group.
    virtual int32_t IterationMode() = 0;
    virtual void SetIterationMode(int32_t mode) = 0;
    virtual void Select(const ComRef<IVShape>& shape, int16_t action) = 0;
    virtual void DeselectAll() = 0;
    // Adds the selected shapes to the selected group.
    virtual void AddToGroup() = 0;
    virtual ComRef<IVPage> ContainingPage() = 0;
};

}  // namespace visio
