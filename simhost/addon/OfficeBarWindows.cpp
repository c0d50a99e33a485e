#include "simhost/addon/OfficeBarWindows.h"

#include "platform/ui/WinApiConstants.h"
#include "simhost/host/Application.h"
#include "simhost/host/Toolbar.h"
#include "simhost/host/ToolbarSet.h"
#include "simhost/host/ToolbarSets.h"
#include "simhost/host/Toolbars.h"
#include "simhost/host/UIObject.h"
#include "simhost/ui/HeadlessBackend.h"

namespace simhost {
namespace {

constexpr char kMainClass[] = "VisioA";
constexpr char kMainTitle[] = "Microsoft Visio";
constexpr char kDockClass[] = "MsoCommandBarDock";
constexpr char kBarClass[] = "MsoCommandBar";
constexpr int32_t kDrawingSet = 2;
constexpr int16_t kFloating = 4;

}  // namespace

OfficeBarWindows::OfficeBarWindows(Application& application, headless::HeadlessBackend& backend)
    : application_(application), backend_(backend) {
    mainWindow_ = backend_.createWindow({}, kMainClass, kMainTitle, {0, 0, 1280, 900});
    topDock_ = backend_.createWindow(mainWindow_, kDockClass, "MsoDockTop", {0, 0, 1280, 60});
    backend_.createWindow(mainWindow_, kDockClass, "MsoDockLeft", {0, 60, 30, 870});
    backend_.createWindow(mainWindow_, kDockClass, "MsoDockRight", {1250, 60, 1280, 870});
    backend_.createWindow(mainWindow_, kDockClass, "MsoDockBottom", {0, 870, 1280, 900});
    application_.setWindowHandle(mainWindow_.toInteger());
}

OfficeBarWindows::~OfficeBarWindows() {
    for (ui::WindowHandle bar = backend_.findWindow(kBarClass, ""); bar;
         bar = backend_.findWindow(kBarClass, "")) {
        backend_.destroyWindow(bar);
    }
    backend_.destroyWindow(mainWindow_);
    application_.setWindowHandle(0);
}

void OfficeBarWindows::sync() {
    UIObject* ui = application_.customToolbars();
    ToolbarSet* set = ui ? ui->sets().find(kDrawingSet) : nullptr;
    if (!set) return;
    for (const auto& toolbar : set->toolbars().list()) {
        const ToolbarProperties& bar = toolbar->properties();
        if (bar.visible) showBar(bar.caption, bar.position == kFloating);
    }
}

void OfficeBarWindows::showBar(const std::string& caption, bool floating) {
    ui::WindowHandle parent = floating ? ui::WindowHandle() : topDock_;
    ui::WindowHandle window = floating ? backend_.findWindow(kBarClass, caption)
                                       : backend_.findChildWindow(parent, kBarClass, caption);
    if (!window) {
        window = backend_.createWindow(parent, kBarClass, caption, {0, 0, 200, 26});
    } else if (!backend_.isWindowVisible(window)) {
        backend_.showWindow(window, ui::kSwShowNa);
    }
}

}  // namespace simhost
