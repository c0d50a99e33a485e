// The dialogs a Win32 backend created: the object behind each window (its WindowEvents),
// the dialog procedure that decodes the window's messages into calls on that object,
// and how each modal run ended.
//
// The object learns its handle and is initialised in WM_INITDIALOG, after the controls
// exist and have the entries their templates give. Messages before it reach nobody.
//
// Every control of these dialogs, made from the template or added at run time, tells the
// object when the mouse moves over it, as a control an MFC object subclassed would.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/WindowEvents.h"

namespace win32 {

class DialogWindows {
public:
    // resources: the module whose icons and bitmaps the templates name.
    explicit DialogWindows(HINSTANCE resources) : resources_(resources) {}
    DialogWindows(const DialogWindows&) = delete;
    DialogWindows& operator=(const DialogWindows&) = delete;

    // Null when the window cannot be created or went during its initialisation. A child
    // goes on top of its siblings, as a sheet's page lies over the sheet's tabs.
    HWND create(const ui::DialogTemplate& dialog, HWND parent, ui::WindowEvents& events);
    // A control created inside one of these dialogs at run time (CreateWindowEx): placed
    // by the template's dialog units, a toolbar without a place along the top, a status
    // bar along the bottom, in the dialog's font. Null when the dialog is none of these.
    HWND addControl(HWND dialog, const ui::ControlTemplate& control);

    bool contains(HWND window) const { return windows_.count(window) != 0; }
    // Between WM_DESTROY and WM_NCDESTROY.
    bool isDestroying(HWND window) const;
    // The dialogs that are no window's children.
    std::vector<HWND> topLevel() const;

    void endModal(HWND window, intptr_t result);
    // How the modal run ended, once endModal was called; the answer is forgotten.
    std::optional<intptr_t> takeModalResult(HWND window);
    bool modalEnded(HWND window) const;

private:
    struct Window {
        DialogWindows* owner = nullptr;
        ui::WindowEvents* events = nullptr;
        bool destroying = false;
        std::optional<intptr_t> modalResult;
    };
    // What CreateDialogIndirectParam hands WM_INITDIALOG.
    struct Creation {
        DialogWindows* owner;
        ui::WindowEvents* events;
        const ui::DialogTemplate* dialog;
    };

    static INT_PTR CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR initDialog(HWND hwnd, const Creation& creation);
    static INT_PTR dispatch(Window& window, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void drawItem(ui::WindowEvents& events, const DRAWITEMSTRUCT& draw);
    static void finish(HWND hwnd, Window& window);
    static Window* windowOf(HWND dialog);
    // Has the control report the mouse moving over it to its dialog's object.
    static void forwardMouseMoves(HWND control);
    static LRESULT CALLBACK controlProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR id, DWORD_PTR data);

    HINSTANCE resources_;
    std::map<HWND, std::unique_ptr<Window>> windows_;
};

}  // namespace win32
