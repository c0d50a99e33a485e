// The backend in force while none is installed: it shows nothing, creates no window and
// answers every question as if the user had cancelled.
#pragma once

#include "platform/ui/Backend.h"

namespace ui {

class NullBackend : public Backend {
public:
    WindowHandle createDialog(const DialogTemplate&, WindowHandle, WindowEvents&) override;
    intptr_t runModalLoop(WindowHandle) override;
    void endModalLoop(WindowHandle, intptr_t) override {}
    bool destroyWindow(WindowHandle) override { return false; }
    bool isWindow(WindowHandle) override { return false; }
    WindowHandle createControl(WindowHandle, const ControlTemplate&) override { return {}; }

    WindowHandle getDlgItem(WindowHandle, int32_t) override { return {}; }
    int32_t getDlgCtrlId(WindowHandle) override { return 0; }
    WindowHandle getParent(WindowHandle) override { return {}; }
    std::vector<WindowHandle> getChildWindows(WindowHandle) override { return {}; }
    std::string getClassName(WindowHandle) override { return {}; }
    WindowHandle findWindow(const std::string&, const std::string&) override { return {}; }
    WindowHandle findChildWindow(WindowHandle, const std::string&, const std::string&) override {
        return {};
    }

    void enableWindow(WindowHandle, bool) override {}
    bool isWindowEnabled(WindowHandle) override { return false; }
    void showWindow(WindowHandle, int32_t) override {}
    bool isWindowVisible(WindowHandle) override { return false; }
    void setWindowText(WindowHandle, const std::string&) override {}
    std::string getWindowText(WindowHandle) override { return {}; }

    Rect getWindowRect(WindowHandle) override { return {}; }
    Rect getClientRect(WindowHandle) override { return {}; }
    Point clientToScreen(WindowHandle, Point point) override { return point; }
    Point screenToClient(WindowHandle, Point point) override { return point; }
    void setWindowPos(WindowHandle, WindowHandle, Point, Size, uint32_t) override {}
    Rect mapDialogRect(WindowHandle, const UnitRect&) override { return {}; }
    Size screenSize() override { return {}; }

    void bringWindowToTop(WindowHandle) override {}
    void setActiveWindow(WindowHandle) override {}
    WindowHandle getActiveWindow() override { return {}; }
    void invalidate(WindowHandle) override {}
    void setCapture(WindowHandle) override {}
    void releaseCapture() override {}
    WindowHandle getCapture() override { return {}; }
    WindowHandle childWindowFromPoint(WindowHandle, Point) override { return {}; }

    intptr_t sendMessage(WindowHandle, uint32_t, uintptr_t, intptr_t) override { return 0; }

    void setCheck(WindowHandle, int32_t) override {}
    int32_t getCheck(WindowHandle) override { return 0; }
    int32_t addListEntry(WindowHandle, const std::string&) override { return -1; }
    void setListSelection(WindowHandle, int32_t) override {}
    int32_t getListSelection(WindowHandle) override { return -1; }
    void setTabSelection(WindowHandle, int32_t) override {}
    int32_t getTabSelection(WindowHandle) override { return -1; }
    void setTrackbarRange(WindowHandle, int32_t, int32_t) override {}
    void setTrackbarPosition(WindowHandle, int32_t, bool) override {}
    int32_t getTrackbarPosition(WindowHandle) override { return 0; }
    void setTrackbarTicFrequency(WindowHandle, int32_t) override {}
    void clearTrackbarTics(WindowHandle, bool) override {}
    void setTrackbarTipSide(WindowHandle, int32_t) override {}

    void setListViewExtendedStyle(WindowHandle, uint32_t) override {}
    void insertListViewColumn(WindowHandle, int32_t, const std::string&, int32_t) override {}
    int32_t insertListViewItem(WindowHandle, int32_t, const std::string&) override { return -1; }
    void setListViewItemText(WindowHandle, int32_t, int32_t, const std::string&) override {}
    std::string getListViewItemText(WindowHandle, int32_t, int32_t) override { return {}; }
    void deleteAllListViewItems(WindowHandle) override {}
    int32_t getListViewItemCount(WindowHandle) override { return 0; }

    void addToolbarButtons(WindowHandle, int32_t, Size,
                           const std::vector<ToolbarButton>&) override {}
    void setToolbarButtonState(WindowHandle, int32_t, uint8_t) override {}
    uint8_t getToolbarButtonState(WindowHandle, int32_t) override { return 0; }
    int32_t getToolbarButtonCount(WindowHandle) override { return 0; }
    ToolbarButton getToolbarButton(WindowHandle, int32_t) override { return {0, 0, 0}; }
    Rect getToolbarItemRect(WindowHandle, int32_t) override { return {}; }
    void setStatusBarParts(WindowHandle, const std::vector<int32_t>&) override {}
    void setStatusBarText(WindowHandle, int32_t, const std::string&, uint32_t) override {}
    std::string getStatusBarText(WindowHandle, int32_t) override { return {}; }
    void setStatusBarMinHeight(WindowHandle, int32_t) override {}

    int32_t messageBox(WindowHandle, const std::string&, const std::string&, uint32_t) override;
    std::optional<ColorRef> chooseColor(WindowHandle, ColorRef, uint32_t) override {
        return std::nullopt;
    }
    std::optional<std::string> browseForFolder(WindowHandle, const std::string&,
                                               uint32_t) override {
        return std::nullopt;
    }
    WindowHandle htmlHelp(WindowHandle, const std::string&, uint32_t, uintptr_t) override {
        return {};
    }
    ColorRef getSysColor(int32_t) override { return 0; }
    int32_t textWidth(WindowHandle, const std::string&) override { return 0; }

    HookHandle installCbtHook(HookProcedure) override { return {}; }
    bool removeHook(HookHandle) override { return false; }
    intptr_t callNextHook(HookHandle, int32_t, uintptr_t, intptr_t) override { return 0; }
};

}  // namespace ui
