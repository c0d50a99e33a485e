// The dialog keys (Tab, Enter, Escape, the arrows) for the backend's dialogs. Inside
// Visio the add-on's modeless dialogs share Visio's message loop, which does not know
// them; a WH_GETMESSAGE hook of the thread hands each key meant for one of them to
// IsDialogMessage before the loop sees it, and the modal loop relies on the same hook.
#pragma once

#include <windows.h>

#include "platform/win32/DialogWindows.h"

namespace win32 {

class DialogKeys {
public:
    // Hooks the calling thread for as long as the object lives.
    explicit DialogKeys(const DialogWindows& dialogs);
    ~DialogKeys();
    DialogKeys(const DialogKeys&) = delete;
    DialogKeys& operator=(const DialogKeys&) = delete;

private:
    static LRESULT CALLBACK hookProcedure(int code, WPARAM wParam, LPARAM lParam);

    const DialogWindows& dialogs_;
    HHOOK hook_;
    // The hook procedure has no other way to its object: the one of this thread.
    static thread_local DialogKeys* current_;
    DialogKeys* previous_;
};

}  // namespace win32
