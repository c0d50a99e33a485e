#include "platform/win32/Win32Backend.h"

#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>

#include "platform/ui/WinApiConstants.h"
#include "platform/win32/NativeGeometry.h"
#include "platform/win32/ResourceModule.h"
#include "platform/win32/WindowHandles.h"
#include "platform/win32/WindowText.h"

namespace win32 {
namespace {

// The classes of the common controls the templates name.
constexpr DWORD kControlClasses = ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES |
                                  ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;

// A class or title to match, or null to match any (FindWindow).
const char* anyWhenEmpty(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}

}  // namespace

Win32Backend::Win32Backend() : resources_(resourceModule()), dialogs_(resources_) {
    INITCOMMONCONTROLSEX classes = {sizeof(INITCOMMONCONTROLSEX), kControlClasses};
    InitCommonControlsEx(&classes);
    // What MFC's colour dialog starts its custom colours with.
    customColors_.fill(RGB(255, 255, 255));
}

Win32Backend::~Win32Backend() {
    // The owned go with their owners, the children with their parents.
    for (HWND window : dialogs_.topLevel()) {
        if (dialogs_.contains(window)) DestroyWindow(window);
    }
    if (ui::Backend::isInstalled() && &ui::Backend::current() == this) {
        ui::Backend::install(nullptr);
    }
}

HWND Win32Backend::controlOfClass(ui::WindowHandle handle, const char* className) {
    HWND window = liveWindow(handle);
    return isOfClass(window, className) ? window : nullptr;
}

// --- Dialogs

ui::WindowHandle Win32Backend::createDialog(const ui::DialogTemplate& dialog,
                                            ui::WindowHandle parent, ui::WindowEvents& events) {
    HWND parentWindow = liveWindow(parent);
    if (dialog.hasStyle(ui::dialog_style::kChild) && !parentWindow) return {};
    return toHandle(dialogs_.create(dialog, parentWindow, events));
}

intptr_t Win32Backend::runModalLoop(ui::WindowHandle dialog) {
    HWND window = liveWindow(dialog);
    if (!window || !dialogs_.contains(window)) return -1;
    HWND owner = GetWindow(window, GW_OWNER);
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    dialogs_.takeModalResult(window);
    ShowWindow(window, SW_SHOW);

    // The dialog keys come through DialogKeys, as for every dialog of the backend.
    MSG message;
    while (!dialogs_.modalEnded(window) && IsWindow(window)) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            // WM_QUIT belongs to the loop outside: it gets it again.
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    const intptr_t result = dialogs_.takeModalResult(window).value_or(ui::kIdCancel);
    // The owner first, so that it takes the activation back when the dialog hides.
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    if (IsWindow(window)) ShowWindow(window, SW_HIDE);
    return result;
}

void Win32Backend::endModalLoop(ui::WindowHandle dialog, intptr_t result) {
    if (HWND window = liveWindow(dialog)) dialogs_.endModal(window, result);
}

bool Win32Backend::destroyWindow(ui::WindowHandle window) {
    HWND hwnd = liveWindow(window);
    if (!hwnd || dialogs_.isDestroying(hwnd)) return false;
    return DestroyWindow(hwnd) != FALSE;
}

bool Win32Backend::isWindow(ui::WindowHandle window) {
    return liveWindow(window) != nullptr;
}

ui::WindowHandle Win32Backend::createControl(ui::WindowHandle dialog,
                                             const ui::ControlTemplate& control) {
    HWND window = liveWindow(dialog);
    return window ? toHandle(dialogs_.addControl(window, control)) : ui::WindowHandle();
}

// --- Relations

ui::WindowHandle Win32Backend::getDlgItem(ui::WindowHandle dialog, int32_t id) {
    HWND window = liveWindow(dialog);
    return window ? toHandle(GetDlgItem(window, id)) : ui::WindowHandle();
}

int32_t Win32Backend::getDlgCtrlId(ui::WindowHandle window) {
    HWND hwnd = liveWindow(window);
    return hwnd ? GetDlgCtrlID(hwnd) : 0;
}

ui::WindowHandle Win32Backend::getParent(ui::WindowHandle window) {
    HWND hwnd = liveWindow(window);
    if (!hwnd) return {};
    const bool child = (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD) != 0;
    return toHandle(child ? GetAncestor(hwnd, GA_PARENT) : GetWindow(hwnd, GW_OWNER));
}

std::vector<ui::WindowHandle> Win32Backend::getChildWindows(ui::WindowHandle window) {
    std::vector<ui::WindowHandle> children;
    HWND hwnd = liveWindow(window);
    if (!hwnd) return children;
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        children.push_back(toHandle(c));
    }
    return children;
}

std::string Win32Backend::getClassName(ui::WindowHandle window) {
    HWND hwnd = liveWindow(window);
    return hwnd ? windowClassName(hwnd) : std::string();
}

ui::WindowHandle Win32Backend::findWindow(const std::string& className, const std::string& title) {
    return toHandle(FindWindowA(anyWhenEmpty(className), anyWhenEmpty(title)));
}

ui::WindowHandle Win32Backend::findChildWindow(ui::WindowHandle parent,
                                               const std::string& className,
                                               const std::string& title) {
    HWND parentWindow = liveWindow(parent);
    if (parent && !parentWindow) return {};
    return toHandle(
        FindWindowExA(parentWindow, nullptr, anyWhenEmpty(className), anyWhenEmpty(title)));
}

// --- State

void Win32Backend::enableWindow(ui::WindowHandle window, bool enable) {
    HWND hwnd = liveWindow(window);
    if (!hwnd) return;
    const bool hadFocus = !enable && GetFocus() == hwnd;
    EnableWindow(hwnd, enable ? TRUE : FALSE);
    // A disabled control loses the focus, and a dialog without one hears no Enter or
    // Escape: the focus goes on to the dialog's next control.
    HWND dialog = GetAncestor(hwnd, GA_ROOT);
    if (hadFocus && dialogs_.contains(dialog)) SendMessageA(dialog, WM_NEXTDLGCTL, 0, FALSE);
}

bool Win32Backend::isWindowEnabled(ui::WindowHandle window) {
    HWND hwnd = liveWindow(window);
    return hwnd && IsWindowEnabled(hwnd);
}

void Win32Backend::showWindow(ui::WindowHandle window, int32_t command) {
    if (HWND hwnd = liveWindow(window)) ShowWindow(hwnd, command);
}

bool Win32Backend::isWindowVisible(ui::WindowHandle window) {
    HWND hwnd = liveWindow(window);
    return hwnd && IsWindowVisible(hwnd);
}

void Win32Backend::setWindowText(ui::WindowHandle window, const std::string& text) {
    if (HWND hwnd = liveWindow(window)) SetWindowTextA(hwnd, text.c_str());
}

std::string Win32Backend::getWindowText(ui::WindowHandle window) {
    HWND hwnd = liveWindow(window);
    return hwnd ? windowText(hwnd) : std::string();
}

// --- Geometry

ui::Rect Win32Backend::getWindowRect(ui::WindowHandle window) {
    RECT rect = {};
    if (HWND hwnd = liveWindow(window)) GetWindowRect(hwnd, &rect);
    return fromRECT(rect);
}

ui::Rect Win32Backend::getClientRect(ui::WindowHandle window) {
    RECT rect = {};
    if (HWND hwnd = liveWindow(window)) GetClientRect(hwnd, &rect);
    return fromRECT(rect);
}

ui::Point Win32Backend::clientToScreen(ui::WindowHandle window, ui::Point point) {
    POINT p = {point.x, point.y};
    if (HWND hwnd = liveWindow(window)) ClientToScreen(hwnd, &p);
    return {p.x, p.y};
}

ui::Point Win32Backend::screenToClient(ui::WindowHandle window, ui::Point point) {
    POINT p = {point.x, point.y};
    if (HWND hwnd = liveWindow(window)) ScreenToClient(hwnd, &p);
    return {p.x, p.y};
}

void Win32Backend::setWindowPos(ui::WindowHandle window, ui::WindowHandle insertAfter,
                                ui::Point position, ui::Size size, uint32_t flags) {
    HWND hwnd = liveWindow(window);
    if (!hwnd) return;
    // kInsertAtTop, kInsertTopmost, ... are HWND_TOP, HWND_TOPMOST, ... by value.
    SetWindowPos(hwnd, toHwnd(insertAfter), position.x, position.y, size.cx, size.cy, flags);
}

ui::Rect Win32Backend::mapDialogRect(ui::WindowHandle dialog, const ui::UnitRect& units) {
    HWND hwnd = liveWindow(dialog);
    if (!hwnd) return {};
    RECT rect = {units.x, units.y, units.x + units.cx, units.y + units.cy};
    MapDialogRect(hwnd, &rect);
    return fromRECT(rect);
}

ui::Size Win32Backend::screenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// --- Activation, painting, capture

void Win32Backend::bringWindowToTop(ui::WindowHandle window) {
    if (HWND hwnd = liveWindow(window)) BringWindowToTop(hwnd);
}

void Win32Backend::setActiveWindow(ui::WindowHandle window) {
    if (HWND hwnd = liveWindow(window)) SetActiveWindow(hwnd);
}

ui::WindowHandle Win32Backend::getActiveWindow() {
    return toHandle(GetActiveWindow());
}

void Win32Backend::invalidate(ui::WindowHandle window) {
    if (HWND hwnd = liveWindow(window)) InvalidateRect(hwnd, nullptr, TRUE);
}

void Win32Backend::setCapture(ui::WindowHandle window) {
    if (HWND hwnd = liveWindow(window)) SetCapture(hwnd);
}

void Win32Backend::releaseCapture() {
    ReleaseCapture();
}

ui::WindowHandle Win32Backend::getCapture() {
    return toHandle(GetCapture());
}

ui::WindowHandle Win32Backend::childWindowFromPoint(ui::WindowHandle parent, ui::Point point) {
    HWND hwnd = liveWindow(parent);
    return hwnd ? toHandle(ChildWindowFromPoint(hwnd, POINT{point.x, point.y}))
                : ui::WindowHandle();
}

// --- Messages

intptr_t Win32Backend::sendMessage(ui::WindowHandle window, uint32_t message, uintptr_t wParam,
                                   intptr_t lParam) {
    HWND hwnd = liveWindow(window);
    return hwnd ? SendMessageA(hwnd, message, wParam, lParam) : 0;
}

}  // namespace win32
