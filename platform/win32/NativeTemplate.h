// The native dialog template, built in memory from the window layer's template: a
// DLGTEMPLATEEX with one DLGITEMTEMPLATEEX per control, the form a resource compiler
// gives a DIALOGEX block. The layer's templates stay the one definition of every
// dialog; CreateDialogIndirectParam takes this one.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/ui/DialogTemplate.h"

namespace win32 {

class NativeTemplate {
public:
    explicit NativeTemplate(const ui::DialogTemplate& dialog);

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

    // The window class and styles each control is created with.
    static const wchar_t* windowClassOf(ui::ControlKind kind);
    static DWORD controlStyle(const ui::ControlTemplate& control);
    static DWORD controlExStyle(const ui::ControlTemplate& control);
    static DWORD dialogStyle(const ui::DialogTemplate& dialog);
    static DWORD dialogExStyle(const ui::DialogTemplate& dialog);
    // The control's place in dialog units as the native control takes it (a drop-down
    // list's includes the list that drops down).
    static ui::UnitRect nativeRect(const ui::ControlTemplate& control);
    // An icon or bitmap static, whose text names its picture's resource.
    static bool showsPicture(ui::ControlKind kind);

private:
    void writeHeader(const ui::DialogTemplate& dialog);
    void writeControl(const ui::ControlTemplate& control);
    void word(WORD value) { words_.push_back(value); }
    void dword(DWORD value);
    void text(const std::string& value);
    // A resource named by its number: the picture of an icon or bitmap static.
    void ordinal(WORD id);
    // Every item starts on a DWORD boundary.
    void alignToDword();

    // In WORDs, which the vector keeps aligned as the template needs.
    std::vector<WORD> words_;
};

}  // namespace win32
