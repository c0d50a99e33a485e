// Checks that a real dialog holds what its template says: a child window per control,
// in template order, with the control's id, the Win32 class of its kind, the text the
// template gives it and enabled unless the template disables it (as the dialogs start
// with default settings).
#pragma once

#include <windows.h>

#include "platform/ui/DialogTemplate.h"

namespace wintest {

void expectBuiltFrom(HWND dialog, const ui::DialogTemplate& dialogTemplate);

// Whether the control with the id is enabled, checked, ... as the user sees it.
bool enabled(HWND dialog, int id);
bool checked(HWND dialog, int id);

}  // namespace wintest
