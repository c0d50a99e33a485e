#include "platform/win32/NativeTemplate.h"

#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>

#include "platform/win32/WindowText.h"

namespace win32 {
namespace {

namespace cs = ui::control_style;
namespace ds = ui::dialog_style;
using ui::ControlKind;

// A drop-down list's template gives its closed height; the native control's height
// includes the list that drops down.
constexpr int32_t kDroppedListHeight = 80;

DWORD staticStyle(const ui::ControlTemplate& control) {
    DWORD style = control.hasStyle(cs::kNotify) ? SS_NOTIFY : 0;
    switch (control.kind) {
        case ControlKind::IconPicture:
            return style | SS_ICON;
        case ControlKind::BitmapPicture:
            return style | SS_BITMAP;
        default:
            return style | SS_LEFT;
    }
}

DWORD toolbarStyle(const ui::ControlTemplate& control) {
    DWORD style = control.hasStyle(cs::kFlat) ? TBSTYLE_FLAT : 0;
    // Given a place, it keeps it; otherwise it runs along the top of its dialog.
    if (control.rect.cx > 0) style |= CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
    return style | CCS_TOP;
}

DWORD trackbarStyle(const ui::ControlTemplate& control) {
    DWORD style = TBS_HORZ | TBS_BOTTOM;
    if (control.hasStyle(cs::kAutoTicks)) style |= TBS_AUTOTICKS;
    if (control.hasStyle(cs::kToolTips)) style |= TBS_TOOLTIPS;
    return style;
}

// The styles of the kind itself (BS_, SS_, ES_, CBS_, TBS_, LVS_, CCS_, TCS_).
DWORD kindStyle(const ui::ControlTemplate& control) {
    switch (control.kind) {
        case ControlKind::CheckBox:
            return BS_AUTOCHECKBOX;
        case ControlKind::RadioButton:
            return BS_AUTORADIOBUTTON;
        case ControlKind::PushButton:
            return control.hasStyle(cs::kDefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        case ControlKind::GroupBox:
            return BS_GROUPBOX;
        case ControlKind::OwnerDrawButton:
            return BS_OWNERDRAW;
        case ControlKind::StaticText:
        case ControlKind::IconPicture:
        case ControlKind::BitmapPicture:
            return staticStyle(control);
        case ControlKind::Edit:
            return ES_LEFT | (control.hasStyle(cs::kAutoHScroll) ? ES_AUTOHSCROLL : 0);
        case ControlKind::DropDownList:
            return CBS_DROPDOWNLIST | WS_VSCROLL | (control.hasStyle(cs::kSorted) ? CBS_SORT : 0);
        case ControlKind::Trackbar:
            return trackbarStyle(control);
        case ControlKind::ListView:
            return LVS_REPORT | LVS_SHOWSELALWAYS;
        case ControlKind::Toolbar:
            return toolbarStyle(control);
        case ControlKind::StatusBar:
            return CCS_BOTTOM;
        case ControlKind::TabControl:
            // Its pages lie over it: it must not paint over them.
            return TCS_TABS | WS_CLIPSIBLINGS;
    }
    return 0;
}

}  // namespace

NativeTemplate::NativeTemplate(const ui::DialogTemplate& dialog) {
    writeHeader(dialog);
    for (const ui::ControlTemplate& control : dialog.controls) writeControl(control);
}

const wchar_t* NativeTemplate::windowClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
        case ControlKind::PushButton:
        case ControlKind::GroupBox:
        case ControlKind::OwnerDrawButton:
            return WC_BUTTONW;
        case ControlKind::StaticText:
        case ControlKind::IconPicture:
        case ControlKind::BitmapPicture:
            return WC_STATICW;
        case ControlKind::Edit:
            return WC_EDITW;
        case ControlKind::DropDownList:
            return WC_COMBOBOXW;
        case ControlKind::Trackbar:
            return TRACKBAR_CLASSW;
        case ControlKind::ListView:
            return WC_LISTVIEWW;
        case ControlKind::Toolbar:
            return TOOLBARCLASSNAMEW;
        case ControlKind::StatusBar:
            return STATUSCLASSNAMEW;
        case ControlKind::TabControl:
            return WC_TABCONTROLW;
    }
    return WC_STATICW;
}

DWORD NativeTemplate::controlStyle(const ui::ControlTemplate& control) {
    DWORD style = WS_CHILD | kindStyle(control);
    if (!control.hasStyle(cs::kHidden)) style |= WS_VISIBLE;
    if (control.hasStyle(cs::kDisabled)) style |= WS_DISABLED;
    if (control.hasStyle(cs::kGroup)) style |= WS_GROUP;
    if (control.hasStyle(cs::kTabStop)) style |= WS_TABSTOP;
    if (control.hasStyle(cs::kBorder)) style |= WS_BORDER;
    return style;
}

DWORD NativeTemplate::controlExStyle(const ui::ControlTemplate& control) {
    const bool sunken = control.kind == ControlKind::Edit || control.kind == ControlKind::ListView;
    return sunken ? WS_EX_CLIENTEDGE : 0;
}

bool NativeTemplate::showsPicture(ControlKind kind) {
    return kind == ControlKind::IconPicture || kind == ControlKind::BitmapPicture;
}

ui::UnitRect NativeTemplate::nativeRect(const ui::ControlTemplate& control) {
    ui::UnitRect rect = control.rect;
    if (control.kind == ControlKind::DropDownList) rect.cy += kDroppedListHeight;
    return rect;
}

DWORD NativeTemplate::dialogStyle(const ui::DialogTemplate& dialog) {
    DWORD style = DS_SETFONT;
    // A page: a child whose controls the keyboard reaches from its sheet.
    if (dialog.hasStyle(ds::kChild)) style |= WS_CHILD | DS_CONTROL;
    if (dialog.hasStyle(ds::kPopup)) style |= WS_POPUP;
    if (dialog.hasStyle(ds::kCaption)) style |= WS_CAPTION | DS_MODALFRAME;
    if (dialog.hasStyle(ds::kSystemMenu)) style |= WS_SYSMENU;
    if (dialog.hasStyle(ds::kVisible)) style |= WS_VISIBLE;
    if (dialog.hasStyle(ds::kBorder)) style |= WS_BORDER;
    return style;
}

DWORD NativeTemplate::dialogExStyle(const ui::DialogTemplate& dialog) {
    return dialog.hasStyle(ds::kToolWindow) ? WS_EX_TOOLWINDOW : 0;
}

void NativeTemplate::writeHeader(const ui::DialogTemplate& dialog) {
    word(1);       // dlgVer
    word(0xFFFF);  // signature: the extended template
    dword(0);      // helpID
    dword(dialogExStyle(dialog));
    dword(dialogStyle(dialog));
    word(static_cast<WORD>(dialog.controls.size()));
    word(static_cast<WORD>(dialog.rect.x));
    word(static_cast<WORD>(dialog.rect.y));
    word(static_cast<WORD>(dialog.rect.cx));
    word(static_cast<WORD>(dialog.rect.cy));
    word(0);  // no menu
    word(0);  // the dialog class
    text(dialog.caption);
    word(static_cast<WORD>(dialog.fontSize));
    word(FW_NORMAL);
    word(MAKEWORD(FALSE, DEFAULT_CHARSET));  // italic, charset
    text(dialog.fontName);
}

void NativeTemplate::writeControl(const ui::ControlTemplate& control) {
    alignToDword();
    dword(0);  // helpID
    dword(controlExStyle(control));
    dword(controlStyle(control));
    const ui::UnitRect rect = nativeRect(control);
    word(static_cast<WORD>(rect.x));
    word(static_cast<WORD>(rect.y));
    word(static_cast<WORD>(rect.cx));
    word(static_cast<WORD>(rect.cy));
    dword(static_cast<DWORD>(control.id));
    for (const wchar_t* c = windowClassOf(control.kind); *c; ++c) word(static_cast<WORD>(*c));
    word(0);
    if (showsPicture(control.kind)) {
        ordinal(static_cast<WORD>(control.resourceId));
    } else {
        text(control.text);
    }
    word(0);  // no creation data
}

void NativeTemplate::dword(DWORD value) {
    word(LOWORD(value));
    word(HIWORD(value));
}

void NativeTemplate::text(const std::string& value) {
    for (wchar_t c : wideFromAnsi(value)) word(static_cast<WORD>(c));
    word(0);
}

void NativeTemplate::ordinal(WORD id) {
    word(0xFFFF);
    word(id);
}

void NativeTemplate::alignToDword() {
    if (words_.size() % 2 != 0) word(0);
}

}  // namespace win32
