#include "platform/ui/Dialog.h"

#include <gtest/gtest.h>

#include <memory>

#include "ExampleDialog.h"
#include "HeadlessFixture.h"
#include "platform/ui/Button.h"

namespace {

using example::OptionsDialog;
using simhost::headless::PaintOperation;

class DialogTest : public HeadlessTest {};

TEST_F(DialogTest, BuildsTheTemplateInPixelsOfItsFont) {
    OptionsDialog dialog;
    ASSERT_TRUE(dialog.create());
    EXPECT_TRUE(dialog.isWindow());
    EXPECT_FALSE(dialog.create()) << "a second window for the same object";

    // 8-point font: 6 x 13 pixels per 4 x 8 dialog units.
    EXPECT_EQ(dialog.itemRect(example::kBrowse), (ui::Rect{210, 59, 285, 81}));
    EXPECT_EQ(dialog.clientRect(), (ui::Rect{0, 0, 300, 195}));
    EXPECT_EQ(dialog.mapDialogRect({4, 8, 4, 8}), (ui::Rect{6, 13, 12, 26}));
    EXPECT_EQ(dialog.text(), "Options");
    EXPECT_EQ(windowOf(dialog.item(example::kFormat)).entries,
              (std::vector<std::string>{"emf", "wmf", "png"}));
    EXPECT_TRUE(windowOf(dialog.handle()).visible);
    EXPECT_EQ(backend.getActiveWindow(), dialog.handle()) << "shown and activated";

    ui::DialogTemplate hiddenTemplate = example::optionsTemplate();
    hiddenTemplate.style &= ~ui::dialog_style::kVisible;
    ui::Dialog hidden(hiddenTemplate);
    ASSERT_TRUE(hidden.create());
    EXPECT_FALSE(windowOf(hidden.handle()).visible);
    EXPECT_FALSE(user.click(hidden.handle(), example::kBrowse)) << "out of the user's reach";
}

TEST_F(DialogTest, InitialisationMovesTheFieldsIntoTheControls) {
    OptionsDialog dialog;
    dialog.showToolbar = 0;
    dialog.placement = 1;
    dialog.folder = "C:\\Pictures";
    dialog.format = 2;
    dialog.delay = 2350;
    ASSERT_TRUE(dialog.create());

    EXPECT_EQ(dialog.checkState(example::kShow), 0);
    EXPECT_EQ(dialog.checkState(example::kFloating), 0);
    EXPECT_EQ(dialog.checkState(example::kDocked), 1);
    EXPECT_EQ(dialog.itemText(example::kFolder), "C:\\Pictures");
    EXPECT_EQ(backend.getListSelection(dialog.item(example::kFormat)), 2);
    EXPECT_EQ(backend.getTrackbarPosition(dialog.item(example::kDelay)), 2350);
}

TEST_F(DialogTest, SavingMovesWhatTheUserDidIntoTheFields) {
    OptionsDialog dialog;
    ASSERT_TRUE(dialog.create());
    const ui::WindowHandle h = dialog.handle();

    EXPECT_TRUE(user.tick(h, example::kShow, false));
    EXPECT_TRUE(user.click(h, example::kDocked));
    EXPECT_TRUE(user.type(h, example::kFolder, "Pics"));
    EXPECT_TRUE(user.choose(h, example::kFormat, 1));
    EXPECT_TRUE(user.moveTrackbar(h, example::kDelay, 9999));
    EXPECT_TRUE(dialog.updateData(true));

    EXPECT_EQ(dialog.showToolbar, 0);
    EXPECT_EQ(dialog.placement, 1);
    EXPECT_EQ(dialog.folder, "Pics");
    EXPECT_EQ(dialog.format, 1);
    EXPECT_EQ(dialog.delay, 5000) << "the trackbar keeps to its range";
}

TEST_F(DialogTest, RadioButtonsOfAGroupExcludeEachOther) {
    OptionsDialog dialog;
    ASSERT_TRUE(dialog.create());
    ASSERT_TRUE(user.click(dialog.handle(), example::kDocked));
    EXPECT_EQ(dialog.checkState(example::kFloating), 0);
    ASSERT_TRUE(user.click(dialog.handle(), example::kFloating));
    EXPECT_EQ(dialog.checkState(example::kDocked), 0);
    EXPECT_EQ(dialog.checkState(example::kFloating), 1);
    EXPECT_EQ(dialog.checkState(example::kShow), 1) << "the check box is no part of the group";
}

TEST_F(DialogTest, ControlsReachTheirHandlersById) {
    OptionsDialog dialog;
    ASSERT_TRUE(dialog.create());
    const ui::WindowHandle h = dialog.handle();

    EXPECT_TRUE(user.click(h, example::kBrowse));
    EXPECT_TRUE(user.click(h, example::kPicture));
    EXPECT_TRUE(user.type(h, example::kFolder, "a"));
    EXPECT_TRUE(user.choose(h, example::kFormat, 2));
    EXPECT_TRUE(user.moveTrackbar(h, example::kDelay, 300));
    EXPECT_FALSE(user.click(h, example::kNote)) << "a plain text reports no clicks";
    EXPECT_FALSE(user.choose(h, example::kFormat, 3)) << "no fourth entry";

    EXPECT_EQ(dialog.browseClicks, 1);
    EXPECT_EQ(dialog.pictureClicks, 1);
    EXPECT_EQ(dialog.folderChanges, 1);
    EXPECT_EQ(dialog.formatChanges, 1);
    EXPECT_EQ(dialog.delayScrolls, 1);
}

TEST_F(DialogTest, AnEditReportsItsChangesButNotWhileTheDataMoves) {
    OptionsDialog dialog;
    dialog.folder = "Pics";
    ASSERT_TRUE(dialog.create());
    EXPECT_EQ(dialog.itemText(example::kFolder), "Pics");
    EXPECT_EQ(dialog.folderChanges, 0) << "initialisation moved the text in";
    dialog.setItemText(example::kFolder, "Other");
    EXPECT_EQ(dialog.folderChanges, 1);
    dialog.folder = "New";
    dialog.updateData(false);
    EXPECT_EQ(dialog.itemText(example::kFolder), "New");
    EXPECT_EQ(dialog.folderChanges, 1);
}

TEST_F(DialogTest, DisabledAndHiddenControlsCannotBeUsed) {
    OptionsDialog dialog;
    ASSERT_TRUE(dialog.create());
    const ui::WindowHandle h = dialog.handle();

    dialog.enableItem(example::kBrowse, false);
    EXPECT_FALSE(dialog.isItemEnabled(example::kBrowse));
    EXPECT_FALSE(user.click(h, example::kBrowse));
    dialog.enableItem(example::kBrowse, true);
    EXPECT_TRUE(user.click(h, example::kBrowse));

    dialog.showItem(example::kShow, false);
    EXPECT_FALSE(dialog.isItemVisible(example::kShow));
    EXPECT_FALSE(user.tick(h, example::kShow, false));
    EXPECT_EQ(dialog.checkState(example::kShow), 1);
    EXPECT_EQ(dialog.browseClicks, 1);
}

TEST_F(DialogTest, EnterSavesTheFieldsAndClosesAModelessDialog) {
    OptionsDialog dialog;
    ASSERT_TRUE(dialog.create());
    ASSERT_TRUE(user.type(dialog.handle(), example::kFolder, "Out"));
    EXPECT_TRUE(user.pressEnter(dialog.handle()));
    EXPECT_FALSE(dialog.isWindow());
    EXPECT_EQ(dialog.folder, "Out");
}

TEST_F(DialogTest, EscapeClosesWithoutSaving) {
    OptionsDialog dialog;
    ASSERT_TRUE(dialog.create());
    ASSERT_TRUE(user.type(dialog.handle(), example::kFolder, "Out"));
    EXPECT_TRUE(user.pressEscape(dialog.handle()));
    EXPECT_FALSE(dialog.isWindow());
    EXPECT_EQ(dialog.folder, "");
}

class KeepsOpenOnOk : public OptionsDialog {
public:
    void OnOK() override { ++okCount; }
    int okCount = 0;
};

TEST_F(DialogTest, AnOverriddenOkHandlerDecidesWhatEnterDoes) {
    KeepsOpenOnOk dialog;
    ASSERT_TRUE(dialog.create());
    EXPECT_TRUE(user.pressEnter(dialog.handle()));
    EXPECT_TRUE(user.click(dialog.handle(), ui::kIdOk));
    EXPECT_EQ(dialog.okCount, 2);
    EXPECT_TRUE(dialog.isWindow());
}

TEST_F(DialogTest, ModalRunAnswersWhatEndedIt) {
    OptionsDialog dialog;
    backend.answerModalDialog([this](ui::WindowHandle h) {
        EXPECT_TRUE(windowOf(h).visible);
        user.type(h, example::kFolder, "Chosen");
        user.pressEnter(h);
    });
    EXPECT_EQ(dialog.doModal(), ui::kIdOk);
    EXPECT_EQ(dialog.folder, "Chosen");
    EXPECT_FALSE(dialog.isWindow());

    EXPECT_EQ(dialog.doModal(), ui::kIdCancel) << "no answer queued: the user cancels";
    EXPECT_FALSE(dialog.isWindow());
}

TEST_F(DialogTest, AModalDialogDisablesItsOwnerWhileItRuns) {
    OptionsDialog owner;
    ASSERT_TRUE(owner.create());
    OptionsDialog modal(owner.handle());
    bool ownerEnabledDuringRun = true;
    backend.answerModalDialog([&](ui::WindowHandle h) {
        ownerEnabledDuringRun = backend.isWindowEnabled(owner.handle());
        EXPECT_FALSE(user.click(owner.handle(), example::kBrowse));
        user.pressEscape(h);
    });
    EXPECT_EQ(modal.doModal(), ui::kIdCancel);
    EXPECT_FALSE(ownerEnabledDuringRun);
    EXPECT_TRUE(backend.isWindowEnabled(owner.handle()));
}

TEST_F(DialogTest, TheCloseBoxRunsCancelAndIsRecorded) {
    OptionsDialog dialog;
    ASSERT_TRUE(dialog.create());
    const ui::WindowHandle h = dialog.handle();
    EXPECT_TRUE(user.close(h));
    EXPECT_FALSE(dialog.isWindow());
    ASSERT_EQ(backend.closeMessages().size(), 1u);
    EXPECT_EQ(backend.closeMessages()[0].window, h);
    EXPECT_EQ(backend.closeMessages()[0].title, "Options");
}

class SelfDeleting : public OptionsDialog {
public:
    explicit SelfDeleting(bool& deleted) : deleted_(deleted) {}
    ~SelfDeleting() override { deleted_ = true; }
    void PostNcDestroy() override { delete this; }

private:
    bool& deleted_;
};

TEST_F(DialogTest, ASelfDeletingDialogIsGoneWithItsWindow) {
    bool deleted = false;
    auto* dialog = new SelfDeleting(deleted);
    ASSERT_TRUE(dialog->create());
    const ui::WindowHandle h = dialog->handle();
    EXPECT_TRUE(user.close(h));
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(backend.isWindow(h));
}

class CountsCleanUp : public OptionsDialog {
public:
    explicit CountsCleanUp(int& count) : count_(count) {}
    void PostNcDestroy() override { ++count_; }

private:
    int& count_;
};

TEST_F(DialogTest, DeletingTheObjectDestroysItsWindowWithoutTheCleanUpHook) {
    int cleanUps = 0;
    auto dialog = std::make_unique<CountsCleanUp>(cleanUps);
    ASSERT_TRUE(dialog->create());
    const ui::WindowHandle h = dialog->handle();
    dialog.reset();
    EXPECT_FALSE(backend.isWindow(h));
    EXPECT_EQ(cleanUps, 0);

    CountsCleanUp other(cleanUps);
    ASSERT_TRUE(other.create());
    EXPECT_TRUE(other.destroyWindow());
    EXPECT_EQ(cleanUps, 1);
    EXPECT_FALSE(other.destroyWindow());
}

TEST_F(DialogTest, DestroyingAnOwnerDestroysTheWindowsItOwns) {
    OptionsDialog owner;
    ASSERT_TRUE(owner.create());
    OptionsDialog owned(owner.handle());
    ASSERT_TRUE(owned.create());
    EXPECT_EQ(backend.getParent(owned.handle()), owner.handle());
    owner.destroyWindow();
    EXPECT_FALSE(owned.isWindow());
}

TEST_F(DialogTest, PlacesItselfOnTopAndInFront) {
    OptionsDialog first;
    OptionsDialog second;
    ASSERT_TRUE(first.create());
    ASSERT_TRUE(second.create());
    first.show(ui::kSwShow);
    second.show(ui::kSwShow);
    EXPECT_EQ(backend.getActiveWindow(), second.handle());

    first.setTopmost(true);
    EXPECT_TRUE(windowOf(first.handle()).topmost);
    EXPECT_EQ(first.windowRect().topLeft(), (ui::Point{15, 33})) << "neither moved nor sized";
    second.bringToFront();
    EXPECT_EQ(backend.topLevelWindows().front(), first.handle()) << "topmost stays above";
    EXPECT_EQ(backend.getActiveWindow(), second.handle());
    first.activate();
    EXPECT_EQ(backend.getActiveWindow(), first.handle());

    second.moveWindow({200, 200, 500, 400});
    EXPECT_EQ(second.windowRect(), (ui::Rect{200, 200, 500, 400}));
    second.setWindowPos(ui::WindowHandle(), {200, 200}, {}, ui::kSwpNoSize | ui::kSwpNoZOrder);
    EXPECT_EQ(second.windowRect().size(), (ui::Size{300, 200}));
}

TEST_F(DialogTest, ControlsMoveInTheDialogsClientCoordinates) {
    OptionsDialog dialog;
    ASSERT_TRUE(dialog.create());
    ui::Rect moved = dialog.itemRect(example::kBrowse).offsetBy(0, 26);
    dialog.moveItem(example::kBrowse, moved);
    EXPECT_EQ(dialog.itemRect(example::kBrowse), moved);
}

TEST_F(DialogTest, OwnerDrawnControlsArePaintedByTheirDialog) {
    OptionsDialog dialog;
    ASSERT_TRUE(dialog.create());
    const ui::WindowHandle swatch = dialog.item(example::kSwatch);
    ASSERT_EQ(windowOf(swatch).painting.size(), 2u);
    EXPECT_EQ(windowOf(swatch).painting[0].kind, PaintOperation::Kind::Fill);
    EXPECT_EQ(windowOf(swatch).painting[0].color, 0x0000FFu);
    EXPECT_EQ(windowOf(swatch).painting[0].rect, (ui::Rect{0, 0, 30, 22}));

    dialog.swatch = 0x00FF00;
    backend.invalidate(swatch);
    EXPECT_EQ(windowOf(swatch).painting[0].color, 0x00FF00u);
}

// A button object that paints a frame and may take its clicks.
class FramedButton : public ui::Button {
public:
    void DrawItem(const ui::DrawItem& item) override {
        item.canvas->frameRect(item.rect, 0x123456);
    }
    bool OnClicked() override {
        ++clicks;
        return takesClicks;
    }
    int clicks = 0;
    bool takesClicks = true;
};

TEST_F(DialogTest, AControlTakenOverByAnObjectHandlesItsOwnClicksAndPainting) {
    OptionsDialog dialog;
    ASSERT_TRUE(dialog.create());
    FramedButton button;
    ASSERT_TRUE(button.subclassDlgItem(example::kSwatch, dialog));
    button.invalidate();
    const ui::WindowHandle swatch = dialog.item(example::kSwatch);
    ASSERT_EQ(windowOf(swatch).painting.size(), 1u);
    EXPECT_EQ(windowOf(swatch).painting[0].kind, PaintOperation::Kind::Frame);

    ASSERT_TRUE(user.click(dialog.handle(), example::kSwatch));
    EXPECT_EQ(button.clicks, 1);
    EXPECT_EQ(dialog.swatchClicks, 0) << "taken by the button";
    button.takesClicks = false;
    ASSERT_TRUE(user.click(dialog.handle(), example::kSwatch));
    EXPECT_EQ(button.clicks, 2);
    EXPECT_EQ(dialog.swatchClicks, 1);

    dialog.destroyWindow();
    EXPECT_FALSE(button.handle());
    EXPECT_EQ(button.parentDialog(), nullptr);
}

TEST_F(DialogTest, AMessageBoxOfTheDialogIsOwnedByIt) {
    OptionsDialog dialog;
    ASSERT_TRUE(dialog.create());
    EXPECT_EQ(dialog.messageBox("Hello", "Caption", ui::kMbOk), ui::kIdOk);
    ASSERT_EQ(backend.messageBoxes().size(), 1u);
    EXPECT_EQ(backend.messageBoxes()[0].owner, dialog.handle());
}

TEST(DialogWithoutBackend, ShowsNothingAndAnswersCancel) {
    ASSERT_FALSE(ui::Backend::isInstalled());
    OptionsDialog dialog;
    EXPECT_FALSE(dialog.create());
    EXPECT_FALSE(dialog.isWindow());
    EXPECT_EQ(dialog.doModal(), ui::kIdCancel);
    EXPECT_FALSE(dialog.item(example::kShow));
    EXPECT_TRUE(dialog.updateData(true));
    EXPECT_EQ(dialog.folder, "");
    EXPECT_EQ(dialog.messageBox("text", "caption", ui::kMbYesNo), ui::kIdCancel);
    ui::Backend& none = ui::Backend::current();
    EXPECT_FALSE(none.chooseColor({}, 0, 0));
    EXPECT_FALSE(none.browseForFolder({}, "title", 0));
    EXPECT_FALSE(none.findWindow("MsoCommandBar", "QAV Tools"));
    EXPECT_EQ(none.sendMessage({}, ui::kWmClose, 0, 0), 0);
    EXPECT_FALSE(none.installCbtHook(nullptr));
}

}  // namespace
