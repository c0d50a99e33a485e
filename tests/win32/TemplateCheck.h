// Checks that a real dialog holds what its template says: a child window per control,
// in template order, with the control's id, the Win32 class of its kind, the text the
// template gives it (or the dialog gives it as it starts) and enabled unless the
// template disables it (as the dialogs start with default settings).
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "platform/ui/DialogTemplate.h"

namespace wintest {

// What a dialog changes of its template as it starts: the texts it gives controls, and
// the windows it creates after the template's controls, by class, in order.
struct StartedAs {
    std::map<int, std::string> texts;
    std::vector<std::string> addedClasses;
};

void expectBuiltFrom(HWND dialog, const ui::DialogTemplate& dialogTemplate,
                     const StartedAs& started = {});

// Whether the control with the id is enabled, checked, ... as the user sees it.
bool enabled(HWND dialog, int id);
bool checked(HWND dialog, int id);

}  // namespace wintest
