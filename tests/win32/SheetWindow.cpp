#include "tests/win32/SheetWindow.h"

// After windows.h, which it needs.
#include <commctrl.h>
// Its PropertySheet macro would rename the window layer's class.
#undef PropertySheet

#include "helpers/AddonConstants.h"
#include "platform/ui/PropertySheet.h"
#include "tests/win32/DesktopUser.h"

namespace wintest {

HWND SheetWindow::open() {
    EXPECT_TRUE(env_.press("PPPreferencePaneButton"));
    window = waitForWindow("#32770", settingsTitle);
    return window;
}

HWND SheetWindow::showTab(SheetTab tab) {
    RECT r = {};
    HWND tabs = item(ui::PropertySheet::kTabControlId);
    SendMessageA(tabs, TCM_GETITEMRECT, tab, reinterpret_cast<LPARAM>(&r));
    MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&r), 2);
    clickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    waitUntil([&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == tab; });
    return shownPage();
}

HWND SheetWindow::shownPage() const {
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (classOf(c) == "#32770" && IsWindowVisible(c)) return c;
    }
    return nullptr;
}

SheetPageTest::SheetPageTest(SheetTab tab, const std::string& settings) : env(settings) {
    sheetWindow = sheet.open();
    page = sheetWindow ? sheet.showTab(tab) : nullptr;
    pumpFor(100);
}

}  // namespace wintest
