// The standard message box with one, two or three buttons whose texts the caller
// chooses: the box is shown with OK, Yes/No or Yes/No/Cancel, and a window hook gives
// the buttons the caller's texts while the box is activated, widening them to fit and
// centring the row. The answer is 1, 2 or 3 for the first, second or third button
// (Escape and the close box give 3 in the three-button variant), -1 otherwise.
//
// The type carries the caller's flags (icon, default button, modality); the variant's
// button set replaces any buttons the type names.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/Handle.h"

int messageBoxWithButtons(ui::WindowHandle owner, const std::string& text,
                          const std::string& caption, const std::string& button1, uint32_t type);
int messageBoxWithButtons(ui::WindowHandle owner, const std::string& text,
                          const std::string& caption, const std::string& button1,
                          const std::string& button2, uint32_t type);
int messageBoxWithButtons(ui::WindowHandle owner, const std::string& text,
                          const std::string& caption, const std::string& button1,
                          const std::string& button2, const std::string& button3, uint32_t type);

// The module-wide state of the box being shown: its button count, its button texts and
// the hook that sets them. Between boxes: count 1, texts empty, no hook. While a second
// box is up (opened by an event handled during the first), the state is the second's,
// and the first's comes back when the second is answered.
struct MessageBoxButtonsState {
    int buttonCount = 1;
    std::array<std::string, 3> buttonTexts;
    ui::HookHandle hook;
};
MessageBoxButtonsState messageBoxButtonsState();

// --- The hook and its helpers, used by messageBoxWithButtons only.

// The CBT hook: on the activation of a box shown by messageBoxWithButtons, sets its
// buttons' texts and lays them out, and answers 0; every other call is passed on.
// Activations of other windows of the thread (a modeless dialog, say) are passed on
// untouched.
intptr_t customButtonsHookProc(int32_t code, uintptr_t wParam, intptr_t lParam);
// Gives the button the text, widened to the text's width when that is wider, at its
// place, shown and on top of its siblings.
void fitButtonToText(ui::WindowHandle button, const std::string& text);
// Gives the buttons the width of the widest, 6 pixels apart, the row centred in the box
// (it may reach past the box's edges); each keeps its vertical place and height.
void layoutMessageBoxButtons(const std::vector<ui::WindowHandle>& buttons);
