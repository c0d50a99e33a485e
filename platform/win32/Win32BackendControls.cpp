// The backend's operations on controls: each one message of the control's class.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>

#include "platform/win32/ControlContents.h"
#include "platform/win32/NativeGeometry.h"
#include "platform/win32/Win32Backend.h"
#include "platform/win32/WindowHandles.h"

namespace win32 {

// --- Buttons

void Win32Backend::setCheck(ui::WindowHandle button, int32_t state) {
    if (HWND window = controlOfClass(button, WC_BUTTONA)) {
        SendMessageA(window, BM_SETCHECK, static_cast<WPARAM>(state), 0);
    }
}

int32_t Win32Backend::getCheck(ui::WindowHandle button) {
    HWND window = controlOfClass(button, WC_BUTTONA);
    return window ? static_cast<int32_t>(SendMessageA(window, BM_GETCHECK, 0, 0)) : 0;
}

// --- Drop-down lists and tabs

int32_t Win32Backend::addListEntry(ui::WindowHandle list, const std::string& text) {
    HWND window = controlOfClass(list, WC_COMBOBOXA);
    return window ? addComboEntry(window, text) : -1;
}

void Win32Backend::setListSelection(ui::WindowHandle list, int32_t index) {
    if (HWND window = controlOfClass(list, WC_COMBOBOXA)) {
        SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

int32_t Win32Backend::getListSelection(ui::WindowHandle list) {
    HWND window = controlOfClass(list, WC_COMBOBOXA);
    return window ? static_cast<int32_t>(SendMessageA(window, CB_GETCURSEL, 0, 0)) : -1;
}

void Win32Backend::setTabSelection(ui::WindowHandle tabs, int32_t index) {
    if (HWND window = controlOfClass(tabs, WC_TABCONTROLA)) {
        SendMessageA(window, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

int32_t Win32Backend::getTabSelection(ui::WindowHandle tabs) {
    HWND window = controlOfClass(tabs, WC_TABCONTROLA);
    return window ? static_cast<int32_t>(SendMessageA(window, TCM_GETCURSEL, 0, 0)) : -1;
}

// --- Trackbars

void Win32Backend::setTrackbarRange(ui::WindowHandle trackbar, int32_t minimum, int32_t maximum) {
    if (HWND window = controlOfClass(trackbar, TRACKBAR_CLASSA)) {
        SendMessageA(window, TBM_SETRANGEMIN, FALSE, minimum);
        SendMessageA(window, TBM_SETRANGEMAX, TRUE, maximum);
    }
}

void Win32Backend::setTrackbarPosition(ui::WindowHandle trackbar, int32_t position, bool redraw) {
    if (HWND window = controlOfClass(trackbar, TRACKBAR_CLASSA)) {
        SendMessageA(window, TBM_SETPOS, redraw ? TRUE : FALSE, position);
    }
}

int32_t Win32Backend::getTrackbarPosition(ui::WindowHandle trackbar) {
    HWND window = controlOfClass(trackbar, TRACKBAR_CLASSA);
    return window ? static_cast<int32_t>(SendMessageA(window, TBM_GETPOS, 0, 0)) : 0;
}

void Win32Backend::setTrackbarTicFrequency(ui::WindowHandle trackbar, int32_t frequency) {
    if (HWND window = controlOfClass(trackbar, TRACKBAR_CLASSA)) {
        SendMessageA(window, TBM_SETTICFREQ, static_cast<WPARAM>(frequency), 0);
    }
}

void Win32Backend::clearTrackbarTics(ui::WindowHandle trackbar, bool redraw) {
    if (HWND window = controlOfClass(trackbar, TRACKBAR_CLASSA)) {
        SendMessageA(window, TBM_CLEARTICS, redraw ? TRUE : FALSE, 0);
    }
}

void Win32Backend::setTrackbarTipSide(ui::WindowHandle trackbar, int32_t side) {
    if (HWND window = controlOfClass(trackbar, TRACKBAR_CLASSA)) {
        SendMessageA(window, TBM_SETTIPSIDE, static_cast<WPARAM>(side), 0);
    }
}

// --- List views

void Win32Backend::setListViewExtendedStyle(ui::WindowHandle list, uint32_t style) {
    if (HWND window = controlOfClass(list, WC_LISTVIEWA)) {
        SendMessageA(window, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style);
    }
}

void Win32Backend::insertListViewColumn(ui::WindowHandle list, int32_t column,
                                        const std::string& text, int32_t width) {
    if (HWND window = controlOfClass(list, WC_LISTVIEWA)) {
        win32::insertListViewColumn(window, column, text, width);
    }
}

int32_t Win32Backend::insertListViewItem(ui::WindowHandle list, int32_t row,
                                         const std::string& text) {
    HWND window = controlOfClass(list, WC_LISTVIEWA);
    return window ? win32::insertListViewItem(window, row, text) : -1;
}

void Win32Backend::setListViewItemText(ui::WindowHandle list, int32_t row, int32_t column,
                                       const std::string& text) {
    if (HWND window = controlOfClass(list, WC_LISTVIEWA)) {
        win32::setListViewItemText(window, row, column, text);
    }
}

std::string Win32Backend::getListViewItemText(ui::WindowHandle list, int32_t row, int32_t column) {
    HWND window = controlOfClass(list, WC_LISTVIEWA);
    return window ? listViewItemText(window, row, column) : std::string();
}

void Win32Backend::deleteAllListViewItems(ui::WindowHandle list) {
    if (HWND window = controlOfClass(list, WC_LISTVIEWA)) {
        SendMessageA(window, LVM_DELETEALLITEMS, 0, 0);
    }
}

int32_t Win32Backend::getListViewItemCount(ui::WindowHandle list) {
    HWND window = controlOfClass(list, WC_LISTVIEWA);
    return window ? static_cast<int32_t>(SendMessageA(window, LVM_GETITEMCOUNT, 0, 0)) : 0;
}

// --- Toolbars

void Win32Backend::addToolbarButtons(ui::WindowHandle toolbar, int32_t bitmapId, ui::Size imageSize,
                                     const std::vector<ui::ToolbarButton>& buttons) {
    if (HWND window = controlOfClass(toolbar, TOOLBARCLASSNAMEA)) {
        win32::addToolbarButtons(window, resources_, bitmapId, imageSize, buttons);
    }
}

void Win32Backend::setToolbarButtonState(ui::WindowHandle toolbar, int32_t command, uint8_t state) {
    if (HWND window = controlOfClass(toolbar, TOOLBARCLASSNAMEA)) {
        SendMessageA(window, TB_SETSTATE, static_cast<WPARAM>(command), MAKELPARAM(state, 0));
    }
}

uint8_t Win32Backend::getToolbarButtonState(ui::WindowHandle toolbar, int32_t command) {
    HWND window = controlOfClass(toolbar, TOOLBARCLASSNAMEA);
    if (!window) return 0;
    const LRESULT state = SendMessageA(window, TB_GETSTATE, static_cast<WPARAM>(command), 0);
    // -1: no such button.
    return state < 0 ? 0 : static_cast<uint8_t>(state);
}

int32_t Win32Backend::getToolbarButtonCount(ui::WindowHandle toolbar) {
    HWND window = controlOfClass(toolbar, TOOLBARCLASSNAMEA);
    return window ? static_cast<int32_t>(SendMessageA(window, TB_BUTTONCOUNT, 0, 0)) : 0;
}

ui::ToolbarButton Win32Backend::getToolbarButton(ui::WindowHandle toolbar, int32_t index) {
    HWND window = controlOfClass(toolbar, TOOLBARCLASSNAMEA);
    TBBUTTON button = {};
    if (!window || !SendMessageA(window, TB_GETBUTTON, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(&button))) {
        return ui::ToolbarButton{0, 0, 0};
    }
    // A separator's iBitmap is its width, not an image.
    const int32_t image = (button.fsStyle & BTNS_SEP) ? -1 : button.iBitmap;
    return ui::ToolbarButton{image, button.idCommand, button.fsState};
}

ui::Rect Win32Backend::getToolbarItemRect(ui::WindowHandle toolbar, int32_t index) {
    HWND window = controlOfClass(toolbar, TOOLBARCLASSNAMEA);
    RECT rect = {};
    if (!window || !SendMessageA(window, TB_GETITEMRECT, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(&rect))) {
        return {};
    }
    return fromRECT(rect);
}

// --- Status bars

void Win32Backend::setStatusBarParts(ui::WindowHandle statusBar,
                                     const std::vector<int32_t>& edges) {
    if (HWND window = controlOfClass(statusBar, STATUSCLASSNAMEA)) {
        win32::setStatusBarParts(window, edges);
    }
}

void Win32Backend::setStatusBarText(ui::WindowHandle statusBar, int32_t part,
                                    const std::string& text, uint32_t style) {
    if (HWND window = controlOfClass(statusBar, STATUSCLASSNAMEA)) {
        SendMessageA(window, SB_SETTEXTA, static_cast<WPARAM>(part) | style,
                     reinterpret_cast<LPARAM>(text.c_str()));
    }
}

std::string Win32Backend::getStatusBarText(ui::WindowHandle statusBar, int32_t part) {
    HWND window = controlOfClass(statusBar, STATUSCLASSNAMEA);
    return window ? statusBarText(window, part) : std::string();
}

void Win32Backend::setStatusBarMinHeight(ui::WindowHandle statusBar, int32_t height) {
    if (HWND window = controlOfClass(statusBar, STATUSCLASSNAMEA)) {
        SendMessageA(window, SB_SETMINHEIGHT, static_cast<WPARAM>(height), 0);
        // The bar takes its new height when it is sized again.
        SendMessageA(window, WM_SIZE, 0, 0);
    }
}

}  // namespace win32
