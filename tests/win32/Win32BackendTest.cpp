// The backend on a dialog with every kind of control the templates know: the modal
// loop driven from a second thread, typing and choosing with the keyboard, data exchange,
// the common controls' contents through the backend's operations, the toolbar's clicks
// and hot item, and the places of controls in dialog units.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#undef PropertySheet

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/ui/Dialog.h"
#include "platform/win32/Win32Backend.h"
#include "resources/Dialog117About.h"
#include "tests/win32/DesktopUser.h"
#include "tests/win32/Screenshots.h"

namespace wintest {
namespace {

enum : int32_t {
    kName = 201,
    kColour = 202,
    kShow = 203,
    kFirst = 204,
    kSecond = 205,
    kDelay = 206,
    kRows = 207,
    kBar = 208,
    kStatus = 209,
    kSwatch = 210,
    kBarCommand = 40015,
};

ui::DialogTemplate everyControl() {
    namespace cs = ui::control_style;
    using K = ui::ControlKind;
    ui::DialogTemplate t;
    t.id = 900;
    t.caption = "Every control";
    t.rect = {20, 20, 240, 190};
    t.controls = {
        {kBar, K::Toolbar, "", {0, 0, 0, 0}, cs::kFlat},
        {kName, K::Edit, "", {8, 30, 100, 12}, cs::kTabStop | cs::kAutoHScroll},
        {kColour,
         K::DropDownList,
         "",
         {116, 30, 80, 12},
         cs::kTabStop,
         0,
         {"Red", "Green", "Blue"}},
        {kShow, K::CheckBox, "Show", {8, 48, 60, 10}, cs::kTabStop},
        {kFirst, K::RadioButton, "First", {80, 48, 50, 10}, cs::kGroup | cs::kTabStop},
        {kSecond, K::RadioButton, "Second", {140, 48, 50, 10}},
        {kDelay, K::Trackbar, "", {8, 62, 150, 16}, cs::kTabStop | cs::kAutoTicks},
        {kSwatch, K::OwnerDrawButton, "", {170, 62, 20, 12}},
        {kRows, K::ListView, "", {8, 82, 224, 60}, cs::kBorder},
        {IDOK, K::PushButton, "OK", {128, 150, 50, 14}, cs::kTabStop | cs::kDefaultButton},
        {IDCANCEL, K::PushButton, "Cancel", {182, 150, 50, 14}, cs::kTabStop},
        {kStatus, K::StatusBar, "", {0, 0, 0, 0}},
    };
    return t;
}

class EveryControlDialog : public ui::Dialog {
public:
    explicit EveryControlDialog(ui::WindowHandle owner = ui::WindowHandle())
        : ui::Dialog(everyControl(), owner) {
        mapCommand(kName, ui::kEnChange, [this] { ++nameChanges; });
        mapCommand(kColour, ui::kCbnSelChange, [this] { ++colourChanges; });
        mapClicked(kBarCommand, [this] { ++barClicks; });
        mapNotify(kBar, ui::kTbnHotItemChange, [this](intptr_t command) { hotCommand = command; });
        mapDrawItem(kSwatch,
                    [](const ui::DrawItem& item) { item.canvas->fillRect(item.rect, 0x00FF00); });
    }
    bool OnInitDialog() override {
        backend().setTrackbarRange(item(kDelay), 0, 10);
        return ui::Dialog::OnInitDialog();
    }
    void DoDataExchange(ui::DataExchange& dx) override {
        dx.text(kName, name);
        dx.listIndex(kColour, colour);
        dx.check(kShow, ticked);
        dx.radio(kFirst, choice);
        dx.trackbarPosition(kDelay, delay);
    }

    std::string name;
    int32_t colour = 0;
    int32_t ticked = 0;
    int32_t choice = 0;
    int32_t delay = 3;
    int nameChanges = 0;
    int colourChanges = 0;
    int barClicks = 0;
    intptr_t hotCommand = 0;
};

HWND hwndOf(ui::WindowHandle handle) {
    return reinterpret_cast<HWND>(handle.value());
}

class Win32BackendTest : public ::testing::Test {
protected:
    Win32BackendTest() { ui::Backend::install(&backend); }
    ~Win32BackendTest() override {
        DestroyWindow(owner);
        ui::Backend::install(nullptr);
    }

    win32::Win32Backend backend;
    HWND owner = CreateWindowExA(0, "Static", "Owner", WS_POPUP | WS_VISIBLE | WS_CAPTION, 600, 40,
                                 200, 100, nullptr, nullptr, nullptr, nullptr);
};

TEST_F(Win32BackendTest, AModalRunTakesTheKeyboardUntilEnterWithItsOwnerDisabled) {
    EveryControlDialog dialog(ui::WindowHandle(reinterpret_cast<uintptr_t>(owner)));
    bool ownerDisabled = false;
    {
        UserThread user([&] {
            HWND window = waitForWindow("#32770", "Every control");
            if (!window) return;
            ownerDisabled = !IsWindowEnabled(owner);
            EXPECT_GT(takeScreenshot(window, "backend-every-control").colours, 3u);
            typeInto(GetDlgItem(window, kName), "typed");
            pressKey(VK_TAB);  // to the drop-down list
            waitForFocus(GetDlgItem(window, kColour));
            pressKey(VK_DOWN);
            click(GetDlgItem(window, kShow));
            click(GetDlgItem(window, kSecond));
            SetFocus(nullptr);
            SetForegroundWindow(window);
            pressKey(VK_RETURN);
        });
        EXPECT_EQ(dialog.doModal(), IDOK);
    }
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(dialog.isWindow());
    EXPECT_EQ(dialog.name, "typed");
    EXPECT_EQ(dialog.nameChanges, 5);
    EXPECT_EQ(dialog.colour, 1);
    EXPECT_EQ(dialog.colourChanges, 1);
    EXPECT_EQ(dialog.ticked, 1);
    EXPECT_EQ(dialog.choice, 1);
    EXPECT_EQ(dialog.delay, 3);
}

TEST_F(Win32BackendTest, ListViewRowsHoldWhatTheOperationsPutThere) {
    EveryControlDialog dialog;
    ASSERT_TRUE(dialog.create());
    const ui::WindowHandle rows = dialog.item(kRows);
    backend.setListViewExtendedStyle(rows, ui::kLvsExGridLines);
    EXPECT_EQ(SendMessageA(hwndOf(rows), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), LVS_EX_GRIDLINES);
    backend.insertListViewColumn(rows, 0, "No.", 50);
    backend.insertListViewColumn(rows, 1, "Name", 150);
    std::mt19937 random(4105);
    std::vector<std::vector<std::string>> model;
    for (int step = 0; step < 40; ++step) {
        if (step == 25) {
            backend.deleteAllListViewItems(rows);
            model.clear();
        }
        const int at = static_cast<int>(random() % (model.size() + 1));
        // Now and then longer than any buffer a first try would take.
        const std::string name(random() % 3 == 0 ? 300 + step : 1 + step % 7, 'a' + step % 26);
        ASSERT_EQ(backend.insertListViewItem(rows, at, std::to_string(step)), at);
        backend.setListViewItemText(rows, at, 1, name);
        model.insert(model.begin() + at, {std::to_string(step), name});
        ASSERT_EQ(backend.getListViewItemCount(rows), static_cast<int32_t>(model.size()));
        for (size_t r = 0; r < model.size(); ++r) {
            for (int c = 0; c < 2; ++c) {
                ASSERT_EQ(backend.getListViewItemText(rows, static_cast<int32_t>(r), c),
                          model[r][static_cast<size_t>(c)]);
            }
        }
    }
    EXPECT_EQ(backend.getListViewItemText(dialog.item(kName), 0, 0), "") << "not a list view";
}

TEST_F(Win32BackendTest, TheToolbarReportsItsClicksAndTheButtonUnderTheMouse) {
    EveryControlDialog dialog;
    ASSERT_TRUE(dialog.create());
    dialog.show(ui::kSwShow);
    const ui::WindowHandle bar = dialog.item(kBar);
    // The About page's picture, cut in sixteen-pixel squares.
    backend.addToolbarButtons(bar, dialog117::kPictureBitmap, {16, 16},
                              {{0, kBarCommand, ui::kTbStateEnabled}, {1, 40021, 0}});
    EXPECT_EQ(SendMessageA(hwndOf(bar), TB_BUTTONCOUNT, 0, 0), 2);
    EXPECT_EQ(backend.getToolbarButtonState(bar, 40021), 0);
    backend.setToolbarButtonState(bar, 40021, ui::kTbStateEnabled | ui::kTbStateChecked);
    EXPECT_EQ(backend.getToolbarButtonState(bar, 40021), ui::kTbStateEnabled | ui::kTbStateChecked);
    EXPECT_EQ(backend.getToolbarButtonState(bar, 99), 0);
    EXPECT_GE(backend.getClientRect(bar).height(), 16);

    RECT button = {};
    SendMessageA(hwndOf(bar), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&button));
    MapWindowPoints(hwndOf(bar), nullptr, reinterpret_cast<POINT*>(&button), 2);
    const POINT middle = {(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    SetForegroundWindow(hwndOf(dialog.handle()));
    SetCursorPos(middle.x, middle.y + 1);
    pumpFor(50);
    SetCursorPos(middle.x, middle.y);
    EXPECT_TRUE(waitUntil([&] { return dialog.hotCommand == kBarCommand; }, 1000));
    clickAt(middle);
    EXPECT_EQ(dialog.barClicks, 1);
    EXPECT_GT(takeScreenshot(hwndOf(dialog.handle()), "backend-toolbar").colours, 3u);
}

TEST_F(Win32BackendTest, TheStatusBarKeepsItsPartsAndControlsSitWhereTheirUnitsSay) {
    EveryControlDialog dialog;
    ASSERT_TRUE(dialog.create());
    const ui::WindowHandle status = dialog.item(kStatus);
    backend.setStatusBarMinHeight(status, 25);
    backend.setStatusBarParts(status, {100, -1});
    backend.setStatusBarText(status, 0, "", ui::kSbtNoBorders);
    backend.setStatusBarText(status, 1, "Step 0", 0);
    EXPECT_EQ(SendMessageA(hwndOf(status), SB_GETPARTS, 0, 0), 2);
    EXPECT_EQ(backend.getStatusBarText(status, 1), "Step 0");
    EXPECT_GE(backend.getClientRect(status).height(), 25);
    EXPECT_EQ(dialog.itemRect(kStatus).bottom, dialog.clientRect().bottom);

    // Windows maps a control's width and height on their own, the rectangle's right and
    // bottom edges may round the other way.
    for (const ui::ControlTemplate& control : everyControl().controls) {
        if (control.rect.cx == 0 || control.kind == ui::ControlKind::DropDownList) continue;
        const ui::Rect place = dialog.itemRect(control.id);
        const ui::Rect units = dialog.mapDialogRect(control.rect);
        EXPECT_EQ(place.topLeft(), units.topLeft()) << control.id;
        EXPECT_NEAR(place.right, units.right, 1) << control.id;
        EXPECT_NEAR(place.bottom, units.bottom, 1) << control.id;
    }
    EXPECT_EQ(backend.getParent(dialog.item(kName)), dialog.handle());
    EXPECT_EQ(backend.getDlgCtrlId(dialog.item(kName)), kName);
    EXPECT_EQ(backend.findChildWindow(dialog.handle(), "Button", "Cancel"), dialog.item(IDCANCEL));
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(backend.screenSize(), (ui::Size{desktop.right, desktop.bottom}));
}

TEST_F(Win32BackendTest, TheFolderBrowserAnswersNothingWhenCancelled) {
    std::optional<std::string> chosen = std::string("untouched");
    {
        UserThread user([&] {
            HWND browser = nullptr;
            waitUntil([&] {
                browser = GetForegroundWindow();
                return browser && GetWindow(browser, GW_OWNER) == owner;
            });
            if (!browser) return;
            EXPECT_GT(takeScreenshot(browser, "folder-browser").colours, 3u);
            click(GetDlgItem(browser, IDCANCEL));
        });
        chosen = backend.browseForFolder(ui::WindowHandle(reinterpret_cast<uintptr_t>(owner)),
                                         "Choose the export folder",
                                         ui::kBifNewDialogStyle | ui::kBifEditBox);
    }
    EXPECT_FALSE(chosen);
}

}  // namespace
}  // namespace wintest
