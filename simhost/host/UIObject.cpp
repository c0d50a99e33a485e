#include "simhost/host/UIObject.h"

#include "simhost/host/Toolbar.h"
#include "simhost/host/ToolbarSet.h"
#include "simhost/host/ToolbarSets.h"
#include "simhost/host/Toolbars.h"

namespace simhost {
namespace {

// Visio's toolbar sets: 2 goes with drawing windows, 5 with stencil windows, 7 with
// ShapeSheet windows.
constexpr int32_t kDrawingSet = 2;
constexpr int32_t kStencilSet = 5;
constexpr int32_t kShapeSheetSet = 7;

}  // namespace

UIObject::UIObject() : sets_(makeObject<simhost::ToolbarSets>()) {}

visio::ComRef<visio::IVToolbarSets> UIObject::ToolbarSets() {
    return sets_;
}

visio::ComRef<visio::IVUIObject> UIObject::Clone() {
    auto copy = makeObject<UIObject>();
    copy->sets().copyFrom(*sets_);
    return copy;
}

void UIObject::UpdateUI() {
    ++updates_;
}

visio::ComRef<UIObject> UIObject::builtIn() {
    auto ui = makeObject<UIObject>();
    ui->sets().add(kDrawingSet)->toolbars().add("Standard");
    ui->sets().add(kStencilSet)->toolbars().add("Stencil");
    ui->sets().add(kShapeSheetSet)->toolbars().add("ShapeSheet");
    return ui;
}

UIObject::~UIObject() = default;

}  // namespace simhost
