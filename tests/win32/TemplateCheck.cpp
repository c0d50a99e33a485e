#include "tests/win32/TemplateCheck.h"

#include <gtest/gtest.h>

#include "tests/win32/DesktopUser.h"

namespace wintest {
namespace {

using ui::ControlKind;

// The window class Windows makes each kind of control from.
const char* classOfKind(ControlKind kind) {
    switch (kind) {
        case ControlKind::StaticText:
        case ControlKind::IconPicture:
        case ControlKind::BitmapPicture:
            return "Static";
        case ControlKind::Edit:
            return "Edit";
        case ControlKind::DropDownList:
            return "ComboBox";
        case ControlKind::Trackbar:
            return "msctls_trackbar32";
        case ControlKind::ListView:
            return "SysListView32";
        case ControlKind::Toolbar:
            return "ToolbarWindow32";
        case ControlKind::StatusBar:
            return "msctls_statusbar32";
        case ControlKind::TabControl:
            return "SysTabControl32";
        default:
            return "Button";
    }
}

bool showsPicture(ControlKind kind) {
    return kind == ControlKind::IconPicture || kind == ControlKind::BitmapPicture;
}

}  // namespace

void expectBuiltFrom(HWND dialog, const ui::DialogTemplate& dialogTemplate,
                     const StartedAs& started) {
    HWND window = GetWindow(dialog, GW_CHILD);
    for (const ui::ControlTemplate& control : dialogTemplate.controls) {
        ASSERT_TRUE(window) << "no window for control " << control.id << " " << control.text;
        EXPECT_EQ(GetDlgCtrlID(window), control.id) << control.text;
        EXPECT_EQ(classOf(window), classOfKind(control.kind)) << control.id;
        EXPECT_EQ(IsWindowEnabled(window) != FALSE, !control.hasStyle(ui::control_style::kDisabled))
            << control.id;
        // A control without text of its own may be given one when the dialog starts.
        auto given = started.texts.find(control.id);
        if (given != started.texts.end()) {
            EXPECT_EQ(textOf(window), given->second) << control.id;
        } else if (!showsPicture(control.kind) && !control.text.empty()) {
            EXPECT_EQ(textOf(window), control.text) << control.id;
        }
        window = GetWindow(window, GW_HWNDNEXT);
    }
    for (const std::string& added : started.addedClasses) {
        ASSERT_TRUE(window) << "no window of class " << added << " after the template's";
        EXPECT_EQ(classOf(window), added);
        window = GetWindow(window, GW_HWNDNEXT);
    }
    EXPECT_FALSE(window) << "a window beyond the template: " << classOf(window);
}

bool enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

bool checked(HWND dialog, int id) {
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace wintest
