// The window system the add-on's windows run on: creating dialogs from templates,
// the state and place of windows and controls, and the system's dialogs and services.
// Its operations follow the Win32 API one to one, so that a Windows backend is a thin
// layer over it; the headless backend of the stand-in host keeps every window in memory.
//
// One backend serves the whole process: the host installs it, and the add-on library it
// loads sees the same one once the host has handed over its registrations. With none installed
// every operation answers as if the user had cancelled or the window were gone, and nothing is
// shown.
//
// Every operation on a null or vanished window handle does nothing and answers the empty
// value (null handle, empty text, 0, false).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/os/Registration.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Handle.h"
#include "platform/ui/ToolbarButton.h"
#include "platform/ui/WindowEvents.h"

namespace ui {

// A computer-based-training hook procedure (HOOKPROC): the code, the window concerned
// as an integer, and the code's extra data.
using HookProcedure = intptr_t (*)(int32_t code, uintptr_t wParam, intptr_t lParam);

class Backend {
public:
    virtual ~Backend();

    // The installed backend, or one that shows nothing when none is installed.
    static Backend& current();
    // Installs a backend for the whole process; nullptr withdraws it. The caller keeps
    // ownership and withdraws it before destroying it.
    static void install(Backend* backend);
    static bool isInstalled();
    // Where the installed backend is registered (what a host hands the library it loads).
    static os::Registration<Backend>& registration();

    // --- Dialogs (CreateDialogIndirectParam, the modal loop, EndDialog, DestroyWindow)

    // Creates the dialog and its controls, tells events its handle and initialises it;
    // shows it when the template says visible. Null when it cannot be created. A child
    // template needs a parent; any other parent becomes the owner.
    virtual WindowHandle createDialog(const DialogTemplate& dialog, WindowHandle parent,
                                      WindowEvents& events) = 0;
    // Runs the dialog modally (its owner disabled) until endModalLoop; answers the result.
    virtual intptr_t runModalLoop(WindowHandle dialog) = 0;
    virtual void endModalLoop(WindowHandle dialog, intptr_t result) = 0;
    // Destroys the window, the windows it owns and its children.
    virtual bool destroyWindow(WindowHandle window) = 0;
    virtual bool isWindow(WindowHandle window) = 0;
    // Creates a control inside an existing dialog, as a program creates a common control
    // at run time (CreateWindowEx with the dialog as parent): placed by the template's
    // dialog units, a toolbar without a place along the top and a status bar along the
    // bottom. Null when the dialog is gone.
    virtual WindowHandle createControl(WindowHandle dialog, const ControlTemplate& control) = 0;

    // --- Relations (GetDlgItem, GetDlgCtrlID, GetParent, GetClassName, FindWindow(Ex))

    virtual WindowHandle getDlgItem(WindowHandle dialog, int32_t id) = 0;
    virtual int32_t getDlgCtrlId(WindowHandle window) = 0;
    // The parent of a child window, the owner of a top-level one.
    virtual WindowHandle getParent(WindowHandle window) = 0;
    // The window's children, the top of their z-order first (GetWindow with GW_CHILD,
    // then GW_HWNDNEXT).
    virtual std::vector<WindowHandle> getChildWindows(WindowHandle window) = 0;
    virtual std::string getClassName(WindowHandle window) = 0;
    // The first top-level window of the class with the title; an empty class or title
    // matches any.
    virtual WindowHandle findWindow(const std::string& className, const std::string& title) = 0;
    // The first child of the parent with the class and title; an empty class or title
    // matches any.
    virtual WindowHandle findChildWindow(WindowHandle parent, const std::string& className,
                                         const std::string& title) = 0;

    // --- State (EnableWindow, ShowWindow, SetWindowText, ...)

    virtual void enableWindow(WindowHandle window, bool enable) = 0;
    virtual bool isWindowEnabled(WindowHandle window) = 0;
    // command: kSwHide, kSwShow, kSwShowNormal, kSwShowNa, kSwShowNoActivate.
    virtual void showWindow(WindowHandle window, int32_t command) = 0;
    virtual bool isWindowVisible(WindowHandle window) = 0;
    virtual void setWindowText(WindowHandle window, const std::string& text) = 0;
    virtual std::string getWindowText(WindowHandle window) = 0;

    // --- Geometry in pixels

    // The window's rectangle in screen coordinates (GetWindowRect).
    virtual Rect getWindowRect(WindowHandle window) = 0;
    // The client area: left and top are 0 (GetClientRect).
    virtual Rect getClientRect(WindowHandle window) = 0;
    virtual Point clientToScreen(WindowHandle window, Point point) = 0;
    virtual Point screenToClient(WindowHandle window, Point point) = 0;
    // Moves, sizes and orders the window (SetWindowPos): a child's position is in its
    // parent's client coordinates, a top-level window's on the screen. insertAfter is a
    // window or one of kInsertAtTop, kInsertTopmost, ...
    virtual void setWindowPos(WindowHandle window, WindowHandle insertAfter, Point position,
                              Size size, uint32_t flags) = 0;
    // Dialog units of the dialog's font to pixels (MapDialogRect).
    virtual Rect mapDialogRect(WindowHandle dialog, const UnitRect& units) = 0;
    // The primary screen in pixels (GetSystemMetrics with SM_CXSCREEN and SM_CYSCREEN).
    virtual Size screenSize() = 0;

    // --- Activation, painting, mouse capture

    virtual void bringWindowToTop(WindowHandle window) = 0;
    virtual void setActiveWindow(WindowHandle window) = 0;
    virtual WindowHandle getActiveWindow() = 0;
    // Has the window painted again (owner-drawn controls receive WM_DRAWITEM).
    virtual void invalidate(WindowHandle window) = 0;
    virtual void setCapture(WindowHandle window) = 0;
    virtual void releaseCapture() = 0;
    virtual WindowHandle getCapture() = 0;
    // The child of the parent at a point of its client area, the parent itself when no
    // child is there, null outside it (ChildWindowFromPoint).
    virtual WindowHandle childWindowFromPoint(WindowHandle parent, Point point) = 0;

    // --- Messages

    // Sends a message and waits for its handling (SendMessage): kWmClose, kBmClick, and
    // kWmLButtonDown and kWmLButtonUp with the point in lParam (pointParam), which a
    // button takes as the mouse: pressed it shows pushed and captures the mouse,
    // released over itself it is clicked.
    virtual intptr_t sendMessage(WindowHandle window, uint32_t message, uintptr_t wParam,
                                 intptr_t lParam) = 0;

    // --- Buttons, drop-down lists, tabs, trackbars

    virtual void setCheck(WindowHandle button, int32_t state) = 0;
    virtual int32_t getCheck(WindowHandle button) = 0;
    // Appends an entry; answers its index.
    virtual int32_t addListEntry(WindowHandle list, const std::string& text) = 0;
    // -1 clears the selection.
    virtual void setListSelection(WindowHandle list, int32_t index) = 0;
    // -1 when nothing is selected.
    virtual int32_t getListSelection(WindowHandle list) = 0;
    virtual void setTabSelection(WindowHandle tabs, int32_t index) = 0;
    virtual int32_t getTabSelection(WindowHandle tabs) = 0;
    virtual void setTrackbarRange(WindowHandle trackbar, int32_t minimum, int32_t maximum) = 0;
    virtual void setTrackbarPosition(WindowHandle trackbar, int32_t position, bool redraw) = 0;
    virtual int32_t getTrackbarPosition(WindowHandle trackbar) = 0;
    virtual void setTrackbarTicFrequency(WindowHandle trackbar, int32_t frequency) = 0;
    virtual void clearTrackbarTics(WindowHandle trackbar, bool redraw) = 0;
    // Where a trackbar with tool tips shows its position while it is dragged: kTbtsTop,
    // kTbtsLeft, kTbtsBottom or kTbtsRight (TBM_SETTIPSIDE).
    virtual void setTrackbarTipSide(WindowHandle trackbar, int32_t side) = 0;

    // --- List views (report view)

    virtual void setListViewExtendedStyle(WindowHandle list, uint32_t style) = 0;
    virtual void insertListViewColumn(WindowHandle list, int32_t column, const std::string& text,
                                      int32_t width) = 0;
    // Inserts a row with the text of its first column; answers its index or -1.
    virtual int32_t insertListViewItem(WindowHandle list, int32_t row, const std::string& text) = 0;
    virtual void setListViewItemText(WindowHandle list, int32_t row, int32_t column,
                                     const std::string& text) = 0;
    virtual std::string getListViewItemText(WindowHandle list, int32_t row, int32_t column) = 0;
    virtual void deleteAllListViewItems(WindowHandle list) = 0;
    virtual int32_t getListViewItemCount(WindowHandle list) = 0;

    // --- Toolbars and status bars

    // Adds buttons whose images are imageSize cells of the bitmap resource; the
    // toolbar takes the height they need.
    virtual void addToolbarButtons(WindowHandle toolbar, int32_t bitmapId, Size imageSize,
                                   const std::vector<ToolbarButton>& buttons) = 0;
    virtual void setToolbarButtonState(WindowHandle toolbar, int32_t command, uint8_t state) = 0;
    // 0 when the toolbar has no such button.
    virtual uint8_t getToolbarButtonState(WindowHandle toolbar, int32_t command) = 0;
    // The buttons, counted and taken by index from 0 (TB_BUTTONCOUNT, TB_GETBUTTON); a
    // button of command 0 where there is none.
    virtual int32_t getToolbarButtonCount(WindowHandle toolbar) = 0;
    virtual ToolbarButton getToolbarButton(WindowHandle toolbar, int32_t index) = 0;
    // A button's rectangle in the toolbar's client coordinates (TB_GETITEMRECT); empty
    // where there is none.
    virtual Rect getToolbarItemRect(WindowHandle toolbar, int32_t index) = 0;
    // The right edge of every part in client coordinates; -1 reaches the window's edge.
    virtual void setStatusBarParts(WindowHandle statusBar, const std::vector<int32_t>& edges) = 0;
    // style: 0 or kSbtNoBorders.
    virtual void setStatusBarText(WindowHandle statusBar, int32_t part, const std::string& text,
                                  uint32_t style) = 0;
    virtual std::string getStatusBarText(WindowHandle statusBar, int32_t part) = 0;
    virtual void setStatusBarMinHeight(WindowHandle statusBar, int32_t height) = 0;

    // --- The system's dialogs and services

    // The standard modal message box (MessageBox); answers the button's id (kIdOk, ...).
    virtual int32_t messageBox(WindowHandle owner, const std::string& text,
                               const std::string& caption, uint32_t type) = 0;
    // The colour dialog (ChooseColor with kCcRgbInit and the flags): the chosen colour,
    // or nothing when cancelled.
    virtual std::optional<ColorRef> chooseColor(WindowHandle owner, ColorRef initial,
                                                uint32_t flags) = 0;
    // The shell's folder browser (SHBrowseForFolder, kBif* flags), with COM initialised
    // for the calling thread first as the shell needs: the chosen folder's file-system
    // path, or nothing when cancelled.
    virtual std::optional<std::string> browseForFolder(WindowHandle owner, const std::string& title,
                                                       uint32_t flags) = 0;
    // HTML Help (HtmlHelp): the help window, or null.
    virtual WindowHandle htmlHelp(WindowHandle caller, const std::string& path, uint32_t command,
                                  uintptr_t data) = 0;
    // A colour of the user's colour scheme: kColor3DFace, kColorGrayText, ...
    // (GetSysColor).
    virtual ColorRef getSysColor(int32_t index) = 0;
    // The width in pixels of the text drawn on the window (GetTextExtentPoint32 with the
    // window's device context as it comes).
    virtual int32_t textWidth(WindowHandle window, const std::string& text) = 0;

    // --- The computer-based-training hook of the calling thread (WH_CBT)

    // Installs the procedure in front of the thread's chain; null when it cannot.
    virtual HookHandle installCbtHook(HookProcedure procedure) = 0;
    virtual bool removeHook(HookHandle hook) = 0;
    // Passes the call on to the next hook of the chain (CallNextHookEx); 0 when none.
    virtual intptr_t callNextHook(HookHandle hook, int32_t code, uintptr_t wParam,
                                  intptr_t lParam) = 0;
};

}  // namespace ui
