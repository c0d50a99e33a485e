// Bars created in a dialog that exists: a toolbar that makes room for itself at the top
// and reports the mouse over its buttons to the object that took it over, and a status
// bar and a list view driven through their objects.
#include "platform/ui/ToolBar.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/Dialog.h"
#include "platform/ui/ListView.h"
#include "platform/ui/StatusBar.h"
#include "tests/ui/HeadlessFixture.h"

namespace {

constexpr int32_t kBarId = 7;
constexpr int32_t kStatusId = 8;
constexpr int32_t kListId = 9;

class RecordingToolBar : public ui::ToolBar {
public:
    std::vector<int32_t> commandsUnderMouse;

protected:
    void OnMouseMove(ui::Point point) override {
        commandsUnderMouse.push_back(commandAtPoint(point));
    }
};

class ToolBarTest : public HeadlessTest {
protected:
    ToolBarTest() : dialog(dialogTemplate()) {
        EXPECT_TRUE(dialog.create());
        dialog.show(ui::kSwShow);
    }

    static ui::DialogTemplate dialogTemplate() {
        ui::DialogTemplate t;
        t.caption = "Bars";
        t.rect = {0, 0, 100, 80};
        t.controls = {{kListId, ui::ControlKind::ListView, "", {4, 4, 60, 40}},
                      {ui::kIdStatic, ui::ControlKind::StaticText, "unnamed", {4, 50, 60, 8}}};
        return t;
    }

    ui::Dialog dialog;
};

TEST_F(ToolBarTest, AToolbarMovesTheControlsDownAndTheDialogGrows) {
    const ui::Rect frame = dialog.windowRect();
    std::vector<ui::Rect> before;
    for (ui::WindowHandle child : backend.getChildWindows(dialog.handle())) {
        before.push_back(windowOf(child).rect);
    }
    RecordingToolBar bar;
    ASSERT_TRUE(bar.create(dialog, kBarId, ui::control_style::kFlat));
    bar.loadToolBar({160, {16, 15}, {40015, 0, 40021}});
    bar.makeRoomInParent();

    const int32_t height = bar.windowRect().height();
    EXPECT_EQ(height, 26);
    EXPECT_EQ(dialog.windowRect().height(), frame.height() + height);
    const std::vector<ui::WindowHandle> children = backend.getChildWindows(dialog.handle());
    ASSERT_EQ(children.size(), before.size() + 1);
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(windowOf(children[i]).rect, before[i].offsetBy(0, height)) << "every one";
    }
    EXPECT_EQ(dialog.itemRect(kBarId).top, 0) << "the bar stays on top";

    EXPECT_EQ(bar.buttonCount(), 3);
    EXPECT_EQ(bar.itemRect(2), (ui::Rect{46, 2, 69, 24}));
    const ui::Rect screen = bar.windowRect();
    for (int32_t x : {10, 30, 50, 90}) user.moveMouse({screen.left + x, screen.top + 10});
    EXPECT_EQ(bar.commandsUnderMouse, (std::vector<int32_t>{40015, 0, 40021, 0}))
        << "a separator and the empty end have no command";
}

TEST_F(ToolBarTest, StatusBarsAndListViewsAreDrivenThroughTheirObjects) {
    ui::StatusBar status;
    ASSERT_TRUE(status.create(dialog, kStatusId));
    status.setMinHeight(25);
    status.setParts({100, -1});
    status.setText(1, "Step 3");
    EXPECT_EQ(status.text(1), "Step 3");
    EXPECT_EQ(dialog.itemRect(kStatusId).bottom, dialog.clientRect().bottom) << "at the bottom";
    EXPECT_EQ(dialog.itemRect(kStatusId).height(), 27);

    ui::ListView list;
    ASSERT_TRUE(list.subclassDlgItem(kListId, dialog));
    list.insertColumn(0, "No.", 20);
    EXPECT_EQ(list.insertItem(0, "1"), 0);
    list.setItemText(0, 1, "s1");
    EXPECT_EQ(list.itemText(0, 1), "s1");
    list.deleteAllItems();
    EXPECT_EQ(list.itemCount(), 0);

    dialog.destroyWindow();
    EXPECT_FALSE(status.create(dialog, kStatusId)) << "no dialog, no bar";
}

}  // namespace
