#include "helpers/MessageBoxWithButtons.h"

#include <algorithm>

#include "platform/ui/Backend.h"

namespace {

constexpr int32_t kButtonGap = 6;

// One box being shown. The hook procedure has no other way to the call it serves, so
// the calls are module-wide; the innermost is last.
struct ButtonBoxCall {
    MessageBoxButtonsState state;
    std::string caption;
    // The box, once its first activation has shown which window it is.
    ui::WindowHandle box;
};

std::vector<ButtonBoxCall>& calls() {
    static std::vector<ButtonBoxCall> running;
    return running;
}

std::vector<int32_t> buttonIdsFor(int count) {
    switch (count) {
        case 3:
            return {ui::kIdYes, ui::kIdNo, ui::kIdCancel};
        case 2:
            return {ui::kIdYes, ui::kIdNo};
        default:
            return {ui::kIdOk};
    }
}

uint32_t buttonSetFor(int count) {
    switch (count) {
        case 3:
            return ui::kMbYesNoCancel;
        case 2:
            return ui::kMbYesNo;
        default:
            return ui::kMbOk;
    }
}

// A standard message box with this call's caption and buttons.
bool isBoxOf(const ButtonBoxCall& call, ui::WindowHandle window) {
    ui::Backend& backend = ui::Backend::current();
    if (backend.getClassName(window) != "#32770") return false;
    if (backend.getWindowText(window) != call.caption) return false;
    for (int32_t id : buttonIdsFor(call.state.buttonCount)) {
        if (!backend.getDlgItem(window, id)) return false;
    }
    return true;
}

// The call whose box the window is; a window not yet known can only be the box of the
// innermost call, which has not seen its box yet.
const ButtonBoxCall* callOfWindow(ui::WindowHandle window) {
    for (const ButtonBoxCall& call : calls()) {
        if (call.box == window) return &call;
    }
    if (calls().empty() || calls().back().box || !isBoxOf(calls().back(), window)) return nullptr;
    calls().back().box = window;
    return &calls().back();
}

void giveButtonsTheirTexts(ui::WindowHandle box, const MessageBoxButtonsState& state) {
    ui::Backend& backend = ui::Backend::current();
    std::vector<int32_t> ids = buttonIdsFor(state.buttonCount);
    std::vector<ui::WindowHandle> buttons;
    for (size_t i = 0; i < ids.size(); ++i) {
        buttons.push_back(backend.getDlgItem(box, ids[i]));
        fitButtonToText(buttons.back(), state.buttonTexts[i]);
    }
    if (state.buttonCount > 1) layoutMessageBoxButtons(buttons);
}

int answerOf(int32_t result, int count) {
    if (count == 1) return result == ui::kIdOk ? 1 : -1;
    if (result == ui::kIdYes) return 1;
    if (result == ui::kIdNo) return 2;
    if (count == 3 && result == ui::kIdCancel) return 3;
    return -1;
}

// One box's time on the list of calls, with its hook installed: from the moment the
// box is about to be shown until its answer is in.
class RunningCall {
public:
    RunningCall(const std::array<std::string, 3>& texts, int count, const std::string& caption) {
        ButtonBoxCall call;
        call.state.buttonCount = count;
        call.state.buttonTexts = texts;
        call.caption = caption;
        calls().push_back(call);
        hook_ = ui::Backend::current().installCbtHook(&customButtonsHookProc);
        calls().back().state.hook = hook_;
    }
    ~RunningCall() {
        ui::Backend::current().removeHook(hook_);
        calls().pop_back();
    }
    RunningCall(const RunningCall&) = delete;
    RunningCall& operator=(const RunningCall&) = delete;

private:
    ui::HookHandle hook_;
};

int showBox(ui::WindowHandle owner, const std::string& text, const std::string& caption,
            const std::array<std::string, 3>& texts, int count, uint32_t type) {
    int32_t result = 0;
    {
        RunningCall running(texts, count, caption);
        const uint32_t shown = (type & ~ui::kMbButtonsMask) | buttonSetFor(count);
        result = ui::Backend::current().messageBox(owner, text, caption, shown);
    }
    return answerOf(result, count);
}

}  // namespace

int messageBoxWithButtons(ui::WindowHandle owner, const std::string& text,
                          const std::string& caption, const std::string& button1, uint32_t type) {
    return showBox(owner, text, caption, {button1, "", ""}, 1, type);
}

int messageBoxWithButtons(ui::WindowHandle owner, const std::string& text,
                          const std::string& caption, const std::string& button1,
                          const std::string& button2, uint32_t type) {
    return showBox(owner, text, caption, {button1, button2, ""}, 2, type);
}

int messageBoxWithButtons(ui::WindowHandle owner, const std::string& text,
                          const std::string& caption, const std::string& button1,
                          const std::string& button2, const std::string& button3, uint32_t type) {
    return showBox(owner, text, caption, {button1, button2, button3}, 3, type);
}

MessageBoxButtonsState messageBoxButtonsState() {
    return calls().empty() ? MessageBoxButtonsState() : calls().back().state;
}

intptr_t customButtonsHookProc(int32_t code, uintptr_t wParam, intptr_t lParam) {
    ui::Backend& backend = ui::Backend::current();
    // The chain goes on after the hook that is running, whichever handle is given.
    const ui::HookHandle hook = calls().empty() ? ui::HookHandle() : calls().back().state.hook;
    // Negative codes included: they are never the activation.
    if (code != ui::kHcbtActivate) return backend.callNextHook(hook, code, wParam, lParam);
    const ui::WindowHandle window(wParam);
    const ButtonBoxCall* call = callOfWindow(window);
    if (!call) return backend.callNextHook(hook, code, wParam, lParam);
    // A copy: setting the texts must not depend on the list of calls staying as it is.
    const MessageBoxButtonsState state = call->state;
    giveButtonsTheirTexts(window, state);
    return 0;
}

void fitButtonToText(ui::WindowHandle button, const std::string& text) {
    ui::Backend& backend = ui::Backend::current();
    if (!backend.isWindow(button)) return;
    const ui::Rect place = backend.getWindowRect(button);
    const ui::WindowHandle box = backend.getParent(button);
    const int32_t width = std::max(backend.textWidth(button, text), place.width());
    const ui::Point topLeft = backend.screenToClient(box, place.topLeft());
    backend.setWindowPos(button, ui::kInsertAtTop, topLeft, {width, place.height()},
                         ui::kSwpShowWindow);
    backend.setWindowText(button, text);
}

void layoutMessageBoxButtons(const std::vector<ui::WindowHandle>& buttons) {
    ui::Backend& backend = ui::Backend::current();
    if (buttons.empty()) return;
    int32_t width = 0;
    for (ui::WindowHandle b : buttons) width = std::max(width, backend.getClientRect(b).width());
    const int32_t count = static_cast<int32_t>(buttons.size());
    const ui::WindowHandle box = backend.getParent(buttons.front());
    const int32_t row = count * width + (count - 1) * kButtonGap;
    const int32_t left = (backend.getClientRect(box).width() - row) / 2;
    for (int32_t i = 0; i < count; ++i) {
        const ui::WindowHandle button = buttons[static_cast<size_t>(i)];
        const ui::Rect place = backend.getWindowRect(button);
        const ui::Point topLeft = backend.screenToClient(box, place.topLeft());
        backend.setWindowPos(button, ui::WindowHandle(),
                             {left + i * (width + kButtonGap), topLeft.y}, {width, place.height()},
                             ui::kSwpNoZOrder);
    }
}
