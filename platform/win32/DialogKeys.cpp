#include "platform/win32/DialogKeys.h"

namespace win32 {

thread_local DialogKeys* DialogKeys::current_ = nullptr;

DialogKeys::DialogKeys(const DialogWindows& dialogs)
    : dialogs_(dialogs),
      hook_(SetWindowsHookExA(WH_GETMESSAGE, &hookProcedure, nullptr, GetCurrentThreadId())),
      previous_(current_) {
    current_ = this;
}

DialogKeys::~DialogKeys() {
    if (hook_) UnhookWindowsHookEx(hook_);
    current_ = previous_;
}

LRESULT CALLBACK DialogKeys::hookProcedure(int code, WPARAM wParam, LPARAM lParam) {
    auto* message = reinterpret_cast<MSG*>(lParam);
    const bool key = message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST;
    if (code == HC_ACTION && wParam == PM_REMOVE && key && current_) {
        HWND dialog = GetAncestor(message->hwnd, GA_ROOT);
        if (current_->dialogs_.contains(dialog) && IsDialogMessageA(dialog, message)) {
            // Handled: the loop that fetched it gets nothing to dispatch.
            message->message = WM_NULL;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace win32
