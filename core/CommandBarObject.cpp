#include "core/CommandBarObject.h"

#include "platform/ui/Backend.h"
#include "platform/ui/WinApiConstants.h"
#include "platform/visio/VToolbarItem.h"
#include "platform/visio/VToolbarItems.h"
#include "platform/visio/VToolbarSet.h"
#include "platform/visio/VToolbarSets.h"
#include "platform/visio/VToolbars.h"
#include "platform/visio/VUIObject.h"

namespace {

// The toolbar set shown with a drawing window.
constexpr int32_t kDrawingToolbarSet = 2;
// The version value at which Office keeps no bar windows of its own to close.
constexpr int16_t kVersionWithoutBarWindows = 8;
constexpr int16_t kRowIndexAtEnd = -1;

constexpr char kBarClass[] = "MsoCommandBar";
constexpr char kTopDock[] = "MsoDockTop";
constexpr char kLeftDock[] = "MsoDockLeft";
constexpr char kRightDock[] = "MsoDockRight";
constexpr char kBottomDock[] = "MsoDockBottom";

// A dock area of Visio's main window (any class) and the bar's window inside it.
void findInDock(ui::WindowHandle mainWindow, const char* dockTitle, const std::string& barName,
                ui::WindowHandle& dock, ui::WindowHandle& bar) {
    ui::Backend& backend = ui::Backend::current();
    dock = mainWindow ? backend.findChildWindow(mainWindow, "", dockTitle) : ui::WindowHandle();
    bar = dock ? backend.findChildWindow(dock, kBarClass, barName) : ui::WindowHandle();
}

}  // namespace

std::unique_ptr<CommandBarObject> createCommandBarObject(const CommandBarsAccess& access) {
    visio::VToolbar toolbar =
        access.uiObject().ToolbarSets().ItemAtID(kDrawingToolbarSet).Toolbars().Add();
    return std::make_unique<CommandBarObject>(access.application(), toolbar);
}

CommandBarObject::CommandBarObject(const visio::VApplication& application,
                                   const visio::VToolbar& toolbar)
    : toolbar_(toolbar), application_(application) {}

CommandBarObject::~CommandBarObject() {
    deleteBar();
}

void CommandBarObject::setName(const std::string& name) {
    toolbar_.SetCaption(name);
    name_ = name;
}

void CommandBarObject::setProtection(int16_t value) {
    toolbar_.SetProtection(value);
}

void CommandBarObject::setPosition(int16_t position) {
    toolbar_.SetPosition(position);
    toolbar_.SetRowIndex(kRowIndexAtEnd);
}

// V, the minor of the two version numbers the application reports: its type library's.
int16_t CommandBarObject::versionValue() const {
    return application_.TypelibMinorVersion();
}

void CommandBarObject::setShown(bool show) {
    // The bar's first display flag is bound to the toolbar's Enabled property: off only
    // at version value 8, and always set before the visibility.
    toolbar_.SetEnabled(versionValue() != kVersionWithoutBarWindows);
    toolbar_.SetVisible(show);
    if (show) return;
    findWindows();
    closeBarWindows();
}

void CommandBarObject::findWindows() {
    windows_ = Windows();
    if (versionValue() == kVersionWithoutBarWindows) return;
    ui::WindowHandle mainWindow = ui::WindowHandle::fromInteger(application_.WindowHandle32());
    windows_.floating = ui::Backend::current().findWindow(kBarClass, name_);
    findInDock(mainWindow, kTopDock, name_, windows_.topDock, windows_.barInTopDock);
    findInDock(mainWindow, kLeftDock, name_, windows_.leftDock, windows_.barInLeftDock);
    findInDock(mainWindow, kRightDock, name_, windows_.rightDock, windows_.barInRightDock);
    findInDock(mainWindow, kBottomDock, name_, windows_.bottomDock, windows_.barInBottomDock);
}

void CommandBarObject::closeBarWindows() const {
    ui::Backend& backend = ui::Backend::current();
    for (ui::WindowHandle window :
         {windows_.floating, windows_.barInTopDock, windows_.barInBottomDock,
          windows_.barInLeftDock, windows_.barInRightDock}) {
        if (window) backend.sendMessage(window, ui::kWmClose, 0, 0);
    }
}

void CommandBarObject::deleteBar() {
    if (toolbar_.isEmpty()) return;
    visio::VToolbarItems items = toolbar_.ToolbarItems();
    for (int32_t n = items.Count(); n > 0; --n) items.Item(0).Delete();
    toolbar_.Delete();
    toolbar_.release();
}
