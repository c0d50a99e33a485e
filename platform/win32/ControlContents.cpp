#include "platform/win32/ControlContents.h"

#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>

#include <algorithm>

namespace win32 {
namespace {

// The controls copy the text they are handed; the API only wants it writable.
char* writable(const std::string& text) {
    return const_cast<char*>(text.c_str());
}

}  // namespace

void fillControls(HWND dialog, const ui::DialogTemplate& dialogTemplate) {
    for (const ui::ControlTemplate& control : dialogTemplate.controls) {
        fillControl(GetDlgItem(dialog, control.id), control);
    }
}

void fillControl(HWND window, const ui::ControlTemplate& control) {
    if (control.kind == ui::ControlKind::DropDownList) {
        for (const std::string& entry : control.entries) addComboEntry(window, entry);
    } else if (control.kind == ui::ControlKind::TabControl) {
        for (size_t i = 0; i < control.entries.size(); ++i) {
            insertTab(window, static_cast<int32_t>(i), control.entries[i]);
        }
        if (!control.entries.empty()) SendMessageA(window, TCM_SETCURSEL, 0, 0);
    }
}

int32_t addComboEntry(HWND list, const std::string& text) {
    const LRESULT index =
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return index < 0 ? -1 : static_cast<int32_t>(index);
}

void insertTab(HWND tabs, int32_t index, const std::string& text) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = writable(text);
    SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
}

// --- List views

void insertListViewColumn(HWND list, int32_t column, const std::string& text, int32_t width) {
    LVCOLUMNA header = {};
    header.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    header.cx = width;
    header.pszText = writable(text);
    header.iSubItem = column;
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&header));
}

int32_t insertListViewItem(HWND list, int32_t row, const std::string& text) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = writable(text);
    return static_cast<int32_t>(
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void setListViewItemText(HWND list, int32_t row, int32_t column, const std::string& text) {
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = writable(text);
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string listViewItemText(HWND list, int32_t row, int32_t column) {
    // The answer is the length copied: a full buffer may have cut the text short.
    for (size_t size = 256;; size *= 2) {
        std::string text(size, '\0');
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = &text[0];
        item.cchTextMax = static_cast<int>(size);
        const LRESULT length = SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                                            reinterpret_cast<LPARAM>(&item));
        if (static_cast<size_t>(length) + 1 < size) {
            text.resize(static_cast<size_t>(std::max<LRESULT>(length, 0)));
            return text;
        }
    }
}

// --- Toolbars and status bars

void addToolbarButtons(HWND toolbar, HINSTANCE module, int32_t bitmapId, ui::Size imageSize,
                       const std::vector<ui::ToolbarButton>& buttons) {
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(imageSize.cx, imageSize.cy));
    int32_t images = 0;
    for (const ui::ToolbarButton& b : buttons) images = std::max(images, b.image + 1);
    TBADDBITMAP bitmap = {module, static_cast<UINT_PTR>(bitmapId)};
    const LRESULT first = SendMessageA(toolbar, TB_ADDBITMAP, static_cast<WPARAM>(images),
                                       reinterpret_cast<LPARAM>(&bitmap));
    std::vector<TBBUTTON> native;
    for (const ui::ToolbarButton& b : buttons) {
        TBBUTTON button = {};
        // Command 0 is a separator, whose iBitmap would be its width: 0, the usual one.
        const bool separator = b.command == 0;
        button.iBitmap = separator ? 0 : static_cast<int>(first) + b.image;
        button.idCommand = b.command;
        button.fsState = b.state;
        button.fsStyle = separator ? BTNS_SEP : BTNS_BUTTON;
        native.push_back(button);
    }
    SendMessageA(toolbar, TB_ADDBUTTONSA, native.size(), reinterpret_cast<LPARAM>(native.data()));
    SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
}

void setStatusBarParts(HWND statusBar, const std::vector<int32_t>& edges) {
    std::vector<int> parts(edges.begin(), edges.end());
    SendMessageA(statusBar, SB_SETPARTS, parts.size(), reinterpret_cast<LPARAM>(parts.data()));
}

std::string statusBarText(HWND statusBar, int32_t part) {
    const LRESULT length = LOWORD(SendMessageA(statusBar, SB_GETTEXTLENGTHA, part, 0));
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(statusBar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

}  // namespace win32
