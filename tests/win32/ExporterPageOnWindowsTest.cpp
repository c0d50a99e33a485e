// The picture exporter's page as a real window in the preference sheet the add-on's own
// button opens: folders typed or chosen in the shell's folder browser, the relative box
// following them, and the format groups greyed with their switches.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
// Its PropertySheet macro would rename the window layer's class.
#undef PropertySheet

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "exporter/PEPropertyPage.h"
#include "platform/ui/PropertySheet.h"
#include "resources/Dialog116Exporter.h"
#include "tests/win32/AddonWindowsHost.h"
#include "tests/win32/DesktopUser.h"
#include "tests/win32/Screenshots.h"
#include "tests/win32/SheetWindow.h"
#include "tests/win32/TemplateCheck.h"

namespace wintest {
namespace {

constexpr char kBrowserTitle[] = "Choose your destination path!";
// The folder chosen: drive C:, whose item in the browser's tree holds "(C:)".
constexpr char kChosenFolder[] = "C:\\";
constexpr char kDriveItem[] = "(C:)";

HTREEITEM treeItem(HWND tree, UINT relation, HTREEITEM from) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from)));
}

std::string treeText(HWND tree, HTREEITEM item) {
    char text[MAX_PATH] = {};
    TVITEMA data = {};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof(text);
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return text;
}

void clickTreeItem(HWND tree, HTREEITEM item) {
    // The message takes the item in the rectangle it fills.
    RECT r = {};
    std::memcpy(&r, &item, sizeof(item));
    SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r));
    MapWindowPoints(tree, nullptr, reinterpret_cast<POINT*>(&r), 2);
    clickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

// Opens the tree's top-level folders one by one (a click, then the right arrow key)
// until one holds an item whose text holds the text, and clicks that item.
bool pickInTree(HWND tree, const std::string& text) {
    const HTREEITEM root = treeItem(tree, TVGN_ROOT, nullptr);
    for (HTREEITEM top = treeItem(tree, TVGN_CHILD, root); top;
         top = treeItem(tree, TVGN_NEXT, top)) {
        clickTreeItem(tree, top);
        pressKey(VK_RIGHT);
        for (HTREEITEM c = treeItem(tree, TVGN_CHILD, top); c; c = treeItem(tree, TVGN_NEXT, c)) {
            if (treeText(tree, c).find(text) == std::string::npos) continue;
            clickTreeItem(tree, c);
            return true;
        }
    }
    return false;
}

class ExporterPageOnWindows : public SheetPageTest {
protected:
    ExporterPageOnWindows()
        : SheetPageTest(kExporterTab, std::string(PEPropertyPage::kDoExportBKey) + "=TRUE\r\n") {}
    // Clicks Browse... for the first format and plays the folder browser: chooses the
    // folder and OK, or cancels when no folder is given.
    bool browse(const std::string& folder) {
        bool played = false;
        {
            UserThread user([&] { played = playBrowser(folder); });
            click(item(dialog116::kBrowseA));
        }
        return played;
    }
    // On the user's thread, while the browser runs.
    static bool playBrowser(const std::string& folder) {
        HWND browser = nullptr;
        waitUntil([&] {
            browser = GetForegroundWindow();
            return browser && childWithText(browser, kBrowserTitle);
        });
        if (!browser) return false;
        HWND edit = FindWindowExA(browser, nullptr, "Edit", nullptr);
        EXPECT_TRUE(edit) << "the browser has an edit box";
        if (folder.empty()) {
            EXPECT_TRUE(IsWindowVisible(edit));
            EXPECT_TRUE(GetWindowLongPtrA(browser, GWL_STYLE) & WS_THICKFRAME)
                << "the new dialog style, which can be sized";
            EXPECT_FALSE(GetWindow(browser, GW_OWNER));
            EXPECT_GT(takeScreenshot(browser, "folder-browser").colours, 3u);
            click(GetDlgItem(browser, IDCANCEL));
        } else {
            // Wine's browser takes only the tree's choice, Windows' the edit box's too.
            EXPECT_TRUE(
                pickInTree(FindWindowExA(browser, nullptr, "SysTreeView32", nullptr), kDriveItem));
            typeInto(edit, folder);
            click(GetDlgItem(browser, IDOK));
        }
        return waitUntil([&] { return !IsWindow(browser); });
    }
};

TEST_F(ExporterPageOnWindows, TypedFoldersSetTheRelativeBoxAndAnUntickedFormatGoesGrey) {
    ASSERT_TRUE(page);
    expectBuiltFrom(page, dialog116::make());
    EXPECT_TRUE(enabled(sheetWindow, ui::PropertySheet::kApplyNowId)) << "opening applies";
    EXPECT_EQ(textOf(item(dialog116::kFormatA)), "emf");
    EXPECT_EQ(textOf(item(dialog116::kFormatB)), "gif");
    EXPECT_TRUE(checked(page, dialog116::kRelativeA));
    EXPECT_TRUE(checked(page, dialog116::kNamingException));
    EXPECT_GT(takeScreenshot(sheetWindow, "exporter-page").colours, 3u);

    typeInto(item(dialog116::kFolderA), "\\\\server\\share");
    EXPECT_FALSE(checked(page, dialog116::kRelativeA));
    typeInto(item(dialog116::kFolderA), "Pics");
    EXPECT_TRUE(checked(page, dialog116::kRelativeA));

    click(item(dialog116::kExportB));
    for (int id : {dialog116::kFormatB, dialog116::kFolderB, dialog116::kRelativeB,
                   dialog116::kFolderLabelB, dialog116::kBrowseB}) {
        EXPECT_FALSE(enabled(page, id)) << id;
    }
    EXPECT_TRUE(enabled(page, dialog116::kBrowseA));
    click(GetDlgItem(sheetWindow, IDOK));
    ASSERT_TRUE(waitUntil([&] { return sheet.closed(); }));
    EXPECT_EQ(setting(PEPropertyPage::kDestinationAKey), "Pics");
    EXPECT_EQ(setting(PEPropertyPage::kDoExportBKey), "FALSE");
    // Ticked again by the typing, and left as it was: neither is written.
    EXPECT_EQ(setting(PEPropertyPage::kRelativeAKey), "");
    EXPECT_EQ(setting(PEPropertyPage::kFormatBKey), "");
}

TEST_F(ExporterPageOnWindows, BrowseTakesTheFolderChosenInTheBrowserAndCancelNothing) {
    ASSERT_TRUE(page);
    typeInto(item(dialog116::kFolderA), "Pics");
    ASSERT_TRUE(browse(""));
    EXPECT_EQ(textOf(item(dialog116::kFolderA)), "Pics");
    EXPECT_TRUE(checked(page, dialog116::kRelativeA));

    ASSERT_TRUE(browse(kChosenFolder));
    EXPECT_EQ(textOf(item(dialog116::kFolderA)), kChosenFolder);
    EXPECT_FALSE(checked(page, dialog116::kRelativeA)) << "the browser gives absolute paths";
    click(GetDlgItem(sheetWindow, ui::PropertySheet::kApplyNowId));
    EXPECT_EQ(setting(PEPropertyPage::kDestinationAKey), kChosenFolder);
    EXPECT_EQ(setting(PEPropertyPage::kRelativeAKey), "FALSE");
}

}  // namespace
}  // namespace wintest
