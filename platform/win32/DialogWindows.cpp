#include "platform/win32/DialogWindows.h"

#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>

#include <string>

#include "platform/ui/Geometry.h"
#include "platform/ui/WinApiConstants.h"
#include "platform/win32/ControlContents.h"
#include "platform/win32/GdiCanvas.h"
#include "platform/win32/NativeGeometry.h"
#include "platform/win32/NativeTemplate.h"
#include "platform/win32/WindowHandles.h"
#include "platform/win32/WindowText.h"

namespace win32 {
namespace {

// What a notification tells the dialog beside its code: the tab now chosen, the command
// of the toolbar button the mouse came over (0 when it left the toolbar); for the rest
// the notification itself (its NMHDR).
intptr_t notifyParameter(const NMHDR& header) {
    switch (static_cast<int32_t>(header.code)) {
        case ui::kTcnSelChange:
            return SendMessageA(header.hwndFrom, TCM_GETCURSEL, 0, 0);
        case ui::kTbnHotItemChange: {
            const auto& hot = reinterpret_cast<const NMTBHOTITEM&>(header);
            return (hot.dwFlags & HICF_LEAVING) ? 0 : hot.idNew;
        }
        default:
            return reinterpret_cast<intptr_t>(&header);
    }
}

// The one subclass the backend puts on controls.
constexpr UINT_PTR kMouseMoveSubclass = 1;

// The window text CreateWindowEx takes: a picture's is the name of its resource.
std::wstring creationText(const ui::ControlTemplate& control) {
    if (NativeTemplate::showsPicture(control.kind))
        return L"#" + std::to_wstring(control.resourceId);
    return wideFromAnsi(control.text);
}

// In the dialog's client pixels; bars without a place size and place themselves.
RECT placeOf(HWND dialog, const ui::ControlTemplate& control) {
    const bool placesItself = control.kind == ui::ControlKind::StatusBar ||
                              (control.kind == ui::ControlKind::Toolbar && control.rect.cx <= 0);
    if (placesItself) return {};
    const ui::UnitRect units = NativeTemplate::nativeRect(control);
    RECT rect = {units.x, units.y, units.x + units.cx, units.y + units.cy};
    MapDialogRect(dialog, &rect);
    return rect;
}

}  // namespace

HWND DialogWindows::create(const ui::DialogTemplate& dialog, HWND parent,
                           ui::WindowEvents& events) {
    const NativeTemplate native(dialog);
    Creation creation{this, &events, &dialog};
    HWND window = CreateDialogIndirectParamA(resources_, native.get(), parent, &procedure,
                                             reinterpret_cast<LPARAM>(&creation));
    if (!window || !contains(window)) return nullptr;
    if (dialog.hasStyle(ui::dialog_style::kChild)) {
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return window;
}

HWND DialogWindows::addControl(HWND dialog, const ui::ControlTemplate& control) {
    if (!contains(dialog) || isDestroying(dialog)) return nullptr;
    const RECT place = placeOf(dialog, control);
    HWND window = CreateWindowExW(
        NativeTemplate::controlExStyle(control), NativeTemplate::windowClassOf(control.kind),
        creationText(control).c_str(), NativeTemplate::controlStyle(control), place.left, place.top,
        place.right - place.left, place.bottom - place.top, dialog,
        reinterpret_cast<HMENU>(static_cast<intptr_t>(control.id)), resources_, nullptr);
    if (!window) return nullptr;
    SendMessageA(window, WM_SETFONT, SendMessageA(dialog, WM_GETFONT, 0, 0), FALSE);
    fillControl(window, control);
    forwardMouseMoves(window);
    return window;
}

bool DialogWindows::isDestroying(HWND window) const {
    auto it = windows_.find(window);
    return it != windows_.end() && it->second->destroying;
}

std::vector<HWND> DialogWindows::topLevel() const {
    std::vector<HWND> found;
    for (const auto& entry : windows_) {
        if (!(GetWindowLongPtrA(entry.first, GWL_STYLE) & WS_CHILD)) found.push_back(entry.first);
    }
    return found;
}

void DialogWindows::endModal(HWND window, intptr_t result) {
    auto it = windows_.find(window);
    if (it == windows_.end()) return;
    it->second->modalResult = result;
    // Wakes the modal loop, which may be waiting for a message.
    PostMessageA(window, WM_NULL, 0, 0);
}

std::optional<intptr_t> DialogWindows::takeModalResult(HWND window) {
    auto it = windows_.find(window);
    if (it == windows_.end()) return std::nullopt;
    std::optional<intptr_t> result = it->second->modalResult;
    it->second->modalResult.reset();
    return result;
}

bool DialogWindows::modalEnded(HWND window) const {
    auto it = windows_.find(window);
    return it != windows_.end() && it->second->modalResult.has_value();
}

// --- The dialog procedure

INT_PTR CALLBACK DialogWindows::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        return initDialog(hwnd, *reinterpret_cast<const Creation*>(lParam));
    }
    Window* window = windowOf(hwnd);
    return window ? dispatch(*window, hwnd, message, wParam, lParam) : FALSE;
}

DialogWindows::Window* DialogWindows::windowOf(HWND dialog) {
    return reinterpret_cast<Window*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void DialogWindows::forwardMouseMoves(HWND control) {
    SetWindowSubclass(control, &controlProcedure, kMouseMoveSubclass, 0);
}

// The object hears of the move first, then the control handles it as usual.
LRESULT CALLBACK DialogWindows::controlProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                                 LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_MOUSEMOVE) {
        Window* window = windowOf(GetParent(hwnd));
        if (window && !window->destroying) {
            window->events->wmControlMouseMove(GetDlgCtrlID(hwnd), ui::pointFromParam(lParam));
        }
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &controlProcedure, kMouseMoveSubclass);
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

INT_PTR DialogWindows::initDialog(HWND hwnd, const Creation& creation) {
    auto window = std::make_unique<Window>();
    window->owner = creation.owner;
    window->events = creation.events;
    SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(window.get()));
    creation.owner->windows_[hwnd] = std::move(window);
    fillControls(hwnd, *creation.dialog);
    // Only the template's controls exist yet: pages and bars come later.
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        forwardMouseMoves(c);
    }
    creation.events->wmCreate(toHandle(hwnd));
    return creation.events->wmInitDialog() ? TRUE : FALSE;
}

INT_PTR DialogWindows::dispatch(Window& window, HWND hwnd, UINT message, WPARAM wParam,
                                LPARAM lParam) {
    ui::WindowEvents& events = *window.events;
    switch (message) {
        case WM_COMMAND:
            events.wmCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            events.wmNotify(static_cast<int32_t>(header.idFrom), static_cast<int32_t>(header.code),
                            notifyParameter(header));
            return FALSE;
        }
        case WM_HSCROLL:
            // Only a control's scrolling: the dialog has no scroll bar of its own.
            if (lParam) {
                events.wmHScroll(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)), LOWORD(wParam));
            }
            return TRUE;
        case WM_DRAWITEM:
            drawItem(events, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            events.wmMouseButton(message, ui::pointFromParam(lParam));
            return TRUE;
        case WM_CLOSE:
            // The object decides; the dialog's own answer would cancel a second time.
            events.wmClose();
            return TRUE;
        case WM_DESTROY:
            window.destroying = true;
            events.wmDestroy();
            return FALSE;
        case WM_NCDESTROY:
            finish(hwnd, window);
            return FALSE;
        default:
            return FALSE;
    }
}

void DialogWindows::drawItem(ui::WindowEvents& events, const DRAWITEMSTRUCT& draw) {
    GdiCanvas canvas(draw.hDC);
    ui::DrawItem item;
    item.controlId = static_cast<int32_t>(draw.CtlID);
    item.control = toHandle(draw.hwndItem);
    item.rect = fromRECT(draw.rcItem);
    item.state = draw.itemState & (ODS_SELECTED | ODS_DISABLED | ODS_FOCUS);
    item.canvas = &canvas;
    events.wmDrawItem(item);
}

void DialogWindows::finish(HWND hwnd, Window& window) {
    // The object may delete itself in its last message: the record goes first.
    ui::WindowEvents* events = window.events;
    SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    window.owner->windows_.erase(hwnd);
    events->wmNcDestroy();
}

}  // namespace win32
