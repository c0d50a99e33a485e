// The window layer's backend on Windows: every window of the add-on a real window, made
// with the Win32 API and the common controls as MFC would have made it. One function per
// operation of ui::Backend, each a thin layer over the Win32 call it is named after:
//
// - dialogs are built from the layer's templates in memory (NativeTemplate) and run by
//   DialogWindows, whose dialog procedure hands their messages to the objects behind
//   them; the dialog keys reach modeless dialogs through DialogKeys;
// - a modal run is a message loop of its own, its owner disabled meanwhile;
// - icons and bitmaps come from the module the backend is linked into (the add-on
//   library, where the resource compiler put them);
// - the system's dialogs and services are the system's own: MessageBox, ChooseColor with
//   its custom colours kept for the next call, SHBrowseForFolder, HTML Help (HelpViewer).
//
// Everything happens on the thread that made the backend, Visio's user-interface thread.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Backend.h"
#include "platform/win32/DialogKeys.h"
#include "platform/win32/DialogWindows.h"
#include "platform/win32/HelpViewer.h"

namespace win32 {

class Win32Backend : public ui::Backend {
public:
    Win32Backend();
    // Destroys the dialogs still open and withdraws itself when installed.
    ~Win32Backend() override;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    // --- Dialogs

    ui::WindowHandle createDialog(const ui::DialogTemplate& dialog, ui::WindowHandle parent,
                                  ui::WindowEvents& events) override;
    intptr_t runModalLoop(ui::WindowHandle dialog) override;
    void endModalLoop(ui::WindowHandle dialog, intptr_t result) override;
    bool destroyWindow(ui::WindowHandle window) override;
    bool isWindow(ui::WindowHandle window) override;
    ui::WindowHandle createControl(ui::WindowHandle dialog,
                                   const ui::ControlTemplate& control) override;

    // --- Relations

    ui::WindowHandle getDlgItem(ui::WindowHandle dialog, int32_t id) override;
    int32_t getDlgCtrlId(ui::WindowHandle window) override;
    ui::WindowHandle getParent(ui::WindowHandle window) override;
    std::vector<ui::WindowHandle> getChildWindows(ui::WindowHandle window) override;
    std::string getClassName(ui::WindowHandle window) override;
    ui::WindowHandle findWindow(const std::string& className, const std::string& title) override;
    ui::WindowHandle findChildWindow(ui::WindowHandle parent, const std::string& className,
                                     const std::string& title) override;

    // --- State

    void enableWindow(ui::WindowHandle window, bool enable) override;
    bool isWindowEnabled(ui::WindowHandle window) override;
    void showWindow(ui::WindowHandle window, int32_t command) override;
    bool isWindowVisible(ui::WindowHandle window) override;
    void setWindowText(ui::WindowHandle window, const std::string& text) override;
    std::string getWindowText(ui::WindowHandle window) override;

    // --- Geometry

    ui::Rect getWindowRect(ui::WindowHandle window) override;
    ui::Rect getClientRect(ui::WindowHandle window) override;
    ui::Point clientToScreen(ui::WindowHandle window, ui::Point point) override;
    ui::Point screenToClient(ui::WindowHandle window, ui::Point point) override;
    void setWindowPos(ui::WindowHandle window, ui::WindowHandle insertAfter, ui::Point position,
                      ui::Size size, uint32_t flags) override;
    ui::Rect mapDialogRect(ui::WindowHandle dialog, const ui::UnitRect& units) override;
    ui::Size screenSize() override;

    // --- Activation, painting, capture

    void bringWindowToTop(ui::WindowHandle window) override;
    void setActiveWindow(ui::WindowHandle window) override;
    ui::WindowHandle getActiveWindow() override;
    void invalidate(ui::WindowHandle window) override;
    void setCapture(ui::WindowHandle window) override;
    void releaseCapture() override;
    ui::WindowHandle getCapture() override;
    ui::WindowHandle childWindowFromPoint(ui::WindowHandle parent, ui::Point point) override;

    // --- Messages

    intptr_t sendMessage(ui::WindowHandle window, uint32_t message, uintptr_t wParam,
                         intptr_t lParam) override;

    // --- Buttons, drop-down lists, tabs, trackbars (Win32BackendControls.cpp)

    void setCheck(ui::WindowHandle button, int32_t state) override;
    int32_t getCheck(ui::WindowHandle button) override;
    int32_t addListEntry(ui::WindowHandle list, const std::string& text) override;
    void setListSelection(ui::WindowHandle list, int32_t index) override;
    int32_t getListSelection(ui::WindowHandle list) override;
    void setTabSelection(ui::WindowHandle tabs, int32_t index) override;
    int32_t getTabSelection(ui::WindowHandle tabs) override;
    void setTrackbarRange(ui::WindowHandle trackbar, int32_t minimum, int32_t maximum) override;
    void setTrackbarPosition(ui::WindowHandle trackbar, int32_t position, bool redraw) override;
    int32_t getTrackbarPosition(ui::WindowHandle trackbar) override;
    void setTrackbarTicFrequency(ui::WindowHandle trackbar, int32_t frequency) override;
    void clearTrackbarTics(ui::WindowHandle trackbar, bool redraw) override;
    void setTrackbarTipSide(ui::WindowHandle trackbar, int32_t side) override;

    // --- List views, toolbars, status bars (Win32BackendControls.cpp)

    void setListViewExtendedStyle(ui::WindowHandle list, uint32_t style) override;
    void insertListViewColumn(ui::WindowHandle list, int32_t column, const std::string& text,
                              int32_t width) override;
    int32_t insertListViewItem(ui::WindowHandle list, int32_t row,
                               const std::string& text) override;
    void setListViewItemText(ui::WindowHandle list, int32_t row, int32_t column,
                             const std::string& text) override;
    std::string getListViewItemText(ui::WindowHandle list, int32_t row, int32_t column) override;
    void deleteAllListViewItems(ui::WindowHandle list) override;
    int32_t getListViewItemCount(ui::WindowHandle list) override;

    void addToolbarButtons(ui::WindowHandle toolbar, int32_t bitmapId, ui::Size imageSize,
                           const std::vector<ui::ToolbarButton>& buttons) override;
    void setToolbarButtonState(ui::WindowHandle toolbar, int32_t command, uint8_t state) override;
    uint8_t getToolbarButtonState(ui::WindowHandle toolbar, int32_t command) override;
    int32_t getToolbarButtonCount(ui::WindowHandle toolbar) override;
    ui::ToolbarButton getToolbarButton(ui::WindowHandle toolbar, int32_t index) override;
    ui::Rect getToolbarItemRect(ui::WindowHandle toolbar, int32_t index) override;
    void setStatusBarParts(ui::WindowHandle statusBar, const std::vector<int32_t>& edges) override;
    void setStatusBarText(ui::WindowHandle statusBar, int32_t part, const std::string& text,
                          uint32_t style) override;
    std::string getStatusBarText(ui::WindowHandle statusBar, int32_t part) override;
    void setStatusBarMinHeight(ui::WindowHandle statusBar, int32_t height) override;

    // --- The system's dialogs and services (Win32BackendServices.cpp)

    int32_t messageBox(ui::WindowHandle owner, const std::string& text, const std::string& caption,
                       uint32_t type) override;
    std::optional<ui::ColorRef> chooseColor(ui::WindowHandle owner, ui::ColorRef initial,
                                            uint32_t flags) override;
    std::optional<std::string> browseForFolder(ui::WindowHandle owner, const std::string& title,
                                               uint32_t flags) override;
    ui::WindowHandle htmlHelp(ui::WindowHandle caller, const std::string& path, uint32_t command,
                              uintptr_t data) override;
    ui::ColorRef getSysColor(int32_t index) override;
    int32_t textWidth(ui::WindowHandle window, const std::string& text) override;

    ui::HookHandle installCbtHook(ui::HookProcedure procedure) override;
    bool removeHook(ui::HookHandle hook) override;
    intptr_t callNextHook(ui::HookHandle hook, int32_t code, uintptr_t wParam,
                          intptr_t lParam) override;

private:
    // The control when it is a live window of the class, else null: a message of one
    // control class must not reach another.
    static HWND controlOfClass(ui::WindowHandle handle, const char* className);

    HINSTANCE resources_;
    DialogWindows dialogs_;
    DialogKeys keys_{dialogs_};
    HelpViewer help_;
    // The colour dialog's sixteen custom colours, kept from one call to the next.
    std::array<COLORREF, 16> customColors_;
};

}  // namespace win32
