#include "helpers/MessageBoxWithButtons.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExampleDialog.h"
#include "HeadlessFixture.h"
#include "simhost/ui/TextMetrics.h"

namespace {

using simhost::headless::MessageBoxButton;
using simhost::headless::MessageBoxRecord;
using simhost::headless::TextMetrics;

const char kText[] = "A File already exists!";
const char kCaption[] = "QAV Tools 2.1.1";

class MessageBoxWithButtonsTest : public HeadlessTest {
protected:
    int askThree() {
        return messageBoxWithButtons(ui::WindowHandle(), kText, kCaption, "Replace ALL",
                                     "Replace ONE", "Cancel", ui::kMbIconQuestion);
    }
    const MessageBoxRecord& lastBox() const { return backend.messageBoxes().back(); }

    static void expectRowCentred(const MessageBoxRecord& box, int32_t width) {
        const int32_t n = static_cast<int32_t>(box.buttons.size());
        const int32_t left = (box.clientRect.width() - (n * width + (n - 1) * 6)) / 2;
        for (int32_t i = 0; i < n; ++i) {
            const MessageBoxButton& b = box.buttons[static_cast<size_t>(i)];
            EXPECT_EQ(b.rect.width(), width) << b.text;
            EXPECT_EQ(b.rect.left, left + i * (width + 6)) << b.text;
            EXPECT_EQ(b.rect.height(), 23) << b.text;
        }
    }
};

TEST_F(MessageBoxWithButtonsTest, AnswersTheNumberOfTheButtonPressed) {
    backend.answerMessageBox(ui::kIdYes);
    backend.answerMessageBox(ui::kIdNo);
    backend.answerMessageBox(ui::kIdCancel);
    EXPECT_EQ(askThree(), 1);
    EXPECT_EQ(askThree(), 2);
    EXPECT_EQ(askThree(), 3);

    backend.answerMessageBoxByNumber(2);
    EXPECT_EQ(messageBoxWithButtons({}, "Which?", kCaption, "QAV-Block_diagram", "QAV-Petri_net",
                                    ui::kMbIconInformation),
              2);
    EXPECT_EQ(messageBoxWithButtons({}, "Done", kCaption, "OK", ui::kMbIconStop), 1);
}

TEST_F(MessageBoxWithButtonsTest, TheBoxShowsTheVariantsButtonsWithTheCallersTexts) {
    askThree();
    EXPECT_EQ(lastBox().type, ui::kMbYesNoCancel | ui::kMbIconQuestion);
    EXPECT_EQ(lastBox().text, kText);
    EXPECT_EQ(lastBox().caption, kCaption);
    EXPECT_EQ(lastBox().buttonTexts(),
              (std::vector<std::string>{"Replace ALL", "Replace ONE", "Cancel"}));

    messageBoxWithButtons({}, "Two", kCaption, "Yes please", "No thanks",
                          ui::kMbOkCancel | ui::kMbIconWarning);
    EXPECT_EQ(lastBox().type, ui::kMbYesNo | ui::kMbIconWarning)
        << "the variant's buttons replace those of the type";
    EXPECT_EQ(lastBox().buttonTexts(), (std::vector<std::string>{"Yes please", "No thanks"}));

    messageBoxWithButtons({}, "One", kCaption, "Understood", ui::kMbYesNo | ui::kMbIconStop);
    EXPECT_EQ(lastBox().type, ui::kMbOk | ui::kMbIconStop);
    EXPECT_EQ(lastBox().buttonTexts(), (std::vector<std::string>{"Understood"}));
}

TEST_F(MessageBoxWithButtonsTest, EscapeAnswersThreeOnlyWhereThereIsACancelButton) {
    backend.answerMessageBoxByEscape();
    EXPECT_EQ(askThree(), 3);

    backend.answerMessageBoxByEscape();
    EXPECT_EQ(messageBoxWithButtons({}, "Two", kCaption, "First", "Second", 0), 1)
        << "Escape does nothing on Yes/No; the default button answers";
    backend.answerMessageBoxByEscape();
    backend.answerMessageBox(ui::kIdNo);
    EXPECT_EQ(messageBoxWithButtons({}, "Two", kCaption, "First", "Second", 0), 2);
}

TEST_F(MessageBoxWithButtonsTest, WithoutABackendTheBoxCountsAsClosed) {
    ui::Backend::install(nullptr);
    EXPECT_EQ(messageBoxWithButtons({}, "One", kCaption, "OK", 0), -1);
    EXPECT_EQ(messageBoxWithButtons({}, "Two", kCaption, "A", "B", 0), -1);
    EXPECT_EQ(askThree(), 3);
    EXPECT_EQ(messageBoxButtonsState().hook, ui::HookHandle());
}

TEST_F(MessageBoxWithButtonsTest, TheStateHoldsTheCallWhileTheBoxIsUpAndIsEmptiedAfter) {
    MessageBoxButtonsState during;
    backend.answerMessageBoxWith([&](ui::WindowHandle) {
        during = messageBoxButtonsState();
        return ui::kIdNo;
    });
    EXPECT_EQ(askThree(), 2);
    EXPECT_EQ(during.buttonCount, 3);
    EXPECT_EQ(during.buttonTexts[0], "Replace ALL");
    EXPECT_EQ(during.buttonTexts[2], "Cancel");
    EXPECT_TRUE(during.hook);

    MessageBoxButtonsState after = messageBoxButtonsState();
    EXPECT_EQ(after.buttonCount, 1);
    for (const std::string& t : after.buttonTexts) EXPECT_TRUE(t.empty());
    EXPECT_FALSE(after.hook);
    EXPECT_EQ(backend.installedHookCount(), 0u);
}

TEST_F(MessageBoxWithButtonsTest, ShortTextsKeepTheStandardWidthCentredSixPixelsApart) {
    askThree();
    ASSERT_EQ(lastBox().buttons.size(), 3u);
    expectRowCentred(lastBox(), 75);
}

TEST_F(MessageBoxWithButtonsTest, OneLongTextWidensBothButtonsAndRecentresThem) {
    const std::string longText = "Keep the document as it is and go on";
    const int32_t measured = TextMetrics::width(longText);
    ASSERT_GT(measured, 75);
    messageBoxWithButtons({}, "Short question?", kCaption, longText, "No", 0);
    ASSERT_EQ(lastBox().buttons.size(), 2u);
    expectRowCentred(lastBox(), measured);
    EXPECT_EQ(lastBox().buttons[0].text, longText);
    EXPECT_LT(lastBox().buttons[0].rect.left, 12) << "the box is not widened";
}

TEST_F(MessageBoxWithButtonsTest, TheOneButtonVariantOnlyWidensItsButtonInPlace) {
    const std::string longText = "I have read the whole message";
    messageBoxWithButtons({}, "Short", kCaption, longText, 0);
    ASSERT_EQ(lastBox().buttons.size(), 1u);
    const MessageBoxButton& ok = lastBox().buttons[0];
    EXPECT_EQ(ok.rect.width(), TextMetrics::width(longText));
    EXPECT_EQ(ok.rect.left, (lastBox().clientRect.width() - 75) / 2) << "not re-centred";
}

TEST_F(MessageBoxWithButtonsTest, OtherWindowsActivatedWhileTheBoxIsUpAreLeftAlone) {
    ui::DialogTemplate t;
    t.caption = kCaption;
    t.rect = {0, 0, 150, 60};
    t.controls = {{ui::kIdYes, ui::ControlKind::PushButton, "Yes", {10, 10, 50, 14}, 0},
                  {ui::kIdNo, ui::ControlKind::PushButton, "No", {70, 10, 50, 14}, 0},
                  {ui::kIdCancel, ui::ControlKind::PushButton, "Cancel", {10, 30, 50, 14}, 0}};
    ui::Dialog lookalike(t);
    ASSERT_TRUE(lookalike.create());
    lookalike.show(ui::kSwShow);
    const ui::Rect yesBefore = lookalike.itemRect(ui::kIdYes);

    backend.answerMessageBoxWith([&](ui::WindowHandle) {
        lookalike.activate();
        return ui::kIdYes;
    });
    EXPECT_EQ(askThree(), 1);
    EXPECT_EQ(lookalike.itemText(ui::kIdYes), "Yes");
    EXPECT_EQ(lookalike.itemRect(ui::kIdYes), yesBefore);
    EXPECT_EQ(lastBox().buttonTexts(),
              (std::vector<std::string>{"Replace ALL", "Replace ONE", "Cancel"}));
}

TEST_F(MessageBoxWithButtonsTest, ABoxOpenedWhileAnotherIsUpLeavesTheFirstItsTexts) {
    int inner = 0;
    backend.answerMessageBoxWith([&](ui::WindowHandle) {
        backend.answerMessageBox(ui::kIdNo);
        inner = messageBoxWithButtons({}, "Inner", "Inner caption", "Left", "Right", 0);
        return ui::kIdCancel;
    });
    EXPECT_EQ(askThree(), 3);
    EXPECT_EQ(inner, 2);

    ASSERT_EQ(backend.messageBoxes().size(), 2u);
    EXPECT_EQ(backend.messageBoxes()[0].buttonTexts(), (std::vector<std::string>{"Left", "Right"}));
    EXPECT_EQ(backend.messageBoxes()[1].buttonTexts(),
              (std::vector<std::string>{"Replace ALL", "Replace ONE", "Cancel"}))
        << "activated again after the inner box, the outer box gets its own texts";
    expectRowCentred(backend.messageBoxes()[1], 75);
    EXPECT_EQ(messageBoxButtonsState().buttonCount, 1);
    EXPECT_EQ(backend.installedHookCount(), 0u);
}

TEST_F(MessageBoxWithButtonsTest, TheHookPassesOnWhatIsNotAnActivation) {
    EXPECT_EQ(customButtonsHookProc(ui::kHcbtCreateWnd, 0, 0), 0);
    EXPECT_EQ(customButtonsHookProc(-1, 0, 0), 0);
    fitButtonToText(ui::WindowHandle(), "nothing");
    layoutMessageBoxButtons({});
}

}  // namespace
