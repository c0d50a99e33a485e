// The add-on's preference sheet as the user reaches it: opened by the add-on's own
// button in the library Visio loads, its pages shown by clicks on their tabs.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/win32/AddonWindowsHost.h"

namespace wintest {

// The tabs, in the order the tools register their pages.
enum SheetTab { kGeneralTab, kCheckerTab, kSimulatorTab, kExporterTab, kAboutTab };

class SheetWindow {
public:
    explicit SheetWindow(AddonWindowsHost& env) : env_(env) {}

    // Presses the preferences button; the sheet, or null when none came.
    HWND open();
    // Clicks the tab; the page the sheet then shows.
    HWND showTab(SheetTab tab);
    // The page the sheet shows now.
    HWND shownPage() const;
    HWND item(int id) const { return GetDlgItem(window, id); }
    bool closed() const { return !IsWindow(window); }

    HWND window = nullptr;

private:
    AddonWindowsHost& env_;
};

// A test of one page: the sheet opened and the page's tab clicked, with the settings
// file the tools started from.
class SheetPageTest : public ::testing::Test {
protected:
    explicit SheetPageTest(SheetTab tab, const std::string& settings = std::string());

    HWND item(int id) const { return GetDlgItem(page, id); }
    // The value written under the key, empty when there is none.
    std::string setting(const std::string& key) { return env.setting(key).value_or(""); }

    AddonWindowsHost env;
    SheetWindow sheet{env};
    HWND sheetWindow = nullptr;
    HWND page = nullptr;
};

}  // namespace wintest
