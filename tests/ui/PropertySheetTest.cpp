#include "platform/ui/PropertySheet.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "HeadlessFixture.h"
#include "platform/ui/PropertyPage.h"

namespace {

constexpr int32_t kSwitch = 201;

ui::DialogTemplate pageTemplate(const std::string& caption, int32_t height = 100) {
    ui::DialogTemplate t;
    t.caption = caption;
    t.rect = {0, 0, 180, height};
    t.style = ui::dialog_style::kChild;
    t.controls = {{kSwitch, ui::ControlKind::CheckBox, "Switch", {8, 8, 100, 10}, 0}};
    return t;
}

// A page that notes its initialisations and applications, and marks itself modified
// when its switch is clicked.
class RecordingPage : public ui::PropertyPage {
public:
    RecordingPage(const std::string& caption, std::vector<std::string>& applied)
        : ui::PropertyPage(pageTemplate(caption)), applied_(applied) {
        mapClicked(kSwitch, [this]() {
            updateData(true);
            SetModified();
        });
    }
    bool OnInitDialog() override {
        ++initCount;
        return ui::PropertyPage::OnInitDialog();
    }
    void DoDataExchange(ui::DataExchange& dx) override { dx.check(kSwitch, value); }
    bool OnApply() override {
        applied_.push_back(caption());
        return ui::PropertyPage::OnApply();
    }
    bool OnKillActive() override { return mayLeave && ui::PropertyPage::OnKillActive(); }

    int initCount = 0;
    int32_t value = 0;
    bool mayLeave = true;

private:
    std::vector<std::string>& applied_;
};

class PropertySheetTest : public HeadlessTest {
protected:
    PropertySheetTest() {
        for (const char* caption : {"General", "Consistency Checker", "About"}) {
            pages.push_back(std::make_unique<RecordingPage>(caption, applied));
        }
    }

    void addPages(ui::PropertySheet& sheet) {
        for (auto& p : pages) sheet.addPage(p.get());
    }

    std::vector<std::string> applied;
    std::vector<std::unique_ptr<RecordingPage>> pages;
};

TEST_F(PropertySheetTest, AModelessSheetKeepsItsOkCancelAndApplyButtons) {
    ui::PropertySheet sheet("QAV Tools Settings");
    addPages(sheet);
    ASSERT_TRUE(sheet.create());
    const ui::WindowHandle h = sheet.handle();

    EXPECT_TRUE(windowOf(h).visible);
    EXPECT_EQ(sheet.text(), "QAV Tools Settings");
    for (int32_t id : {ui::kIdOk, ui::kIdCancel, ui::PropertySheet::kApplyNowId}) {
        EXPECT_TRUE(backend.isWindowVisible(sheet.item(id))) << id;
    }
    EXPECT_TRUE(sheet.isItemEnabled(ui::kIdOk));
    EXPECT_FALSE(sheet.isItemEnabled(ui::PropertySheet::kApplyNowId));
    EXPECT_EQ(windowOf(sheet.item(ui::PropertySheet::kTabControlId)).entries,
              (std::vector<std::string>{"General", "Consistency Checker", "About"}));
}

TEST_F(PropertySheetTest, APageIsInitialisedWhenFirstShownOnly) {
    ui::PropertySheet sheet("Settings", ui::WindowHandle(), 1);
    addPages(sheet);
    ASSERT_TRUE(sheet.create());

    EXPECT_EQ(sheet.activeIndex(), 1);
    EXPECT_EQ(pages[0]->initCount, 0);
    EXPECT_EQ(pages[1]->initCount, 1);
    EXPECT_FALSE(pages[0]->isWindow());
    EXPECT_EQ(backend.getTabSelection(sheet.item(ui::PropertySheet::kTabControlId)), 1);

    ASSERT_TRUE(user.selectPage(sheet.handle(), 0));
    ASSERT_TRUE(user.selectPage(sheet.handle(), 1));
    ASSERT_TRUE(user.selectPage(sheet.handle(), 0));
    EXPECT_EQ(pages[0]->initCount, 1);
    EXPECT_EQ(pages[1]->initCount, 1);
    EXPECT_TRUE(backend.isWindowVisible(pages[0]->handle()));
    EXPECT_FALSE(backend.isWindowVisible(pages[1]->handle()));
}

TEST_F(PropertySheetTest, PagesSitInsideTheSheetBelowTheTabs) {
    ui::PropertySheet sheet("Settings");
    addPages(sheet);
    ASSERT_TRUE(sheet.create());
    const ui::Rect page = pages[0]->windowRect();
    const ui::Point inSheet = backend.screenToClient(sheet.handle(), page.topLeft());
    EXPECT_EQ(inSheet, (ui::Point{12, 33}));
    EXPECT_EQ(page.size(), (ui::Size{318, 185})) << "as large as the largest page allows";
    EXPECT_EQ(backend.getParent(pages[0]->handle()), sheet.handle());
}

TEST_F(PropertySheetTest, OkAppliesEveryPageInOrderAlsoThoseNeverShown) {
    ui::PropertySheet sheet("Settings");
    addPages(sheet);
    ASSERT_TRUE(sheet.create());
    EXPECT_TRUE(user.pressOk(sheet.handle()));
    EXPECT_EQ(applied, (std::vector<std::string>{"General", "Consistency Checker", "About"}));
    EXPECT_FALSE(sheet.isWindow());
    EXPECT_FALSE(pages[0]->isWindow()) << "the pages' windows go with the sheet";
    EXPECT_EQ(sheet.pageCount(), 3) << "the page objects stay";
}

TEST_F(PropertySheetTest, OkFirstTakesTheShownPagesControlsIntoItsFields) {
    ui::PropertySheet sheet("Settings");
    addPages(sheet);
    ASSERT_TRUE(sheet.create());
    backend.setCheck(user.control(sheet.handle(), kSwitch), 1);
    EXPECT_TRUE(user.pressEnter(pages[0]->handle())) << "Enter in a page reaches the sheet";
    EXPECT_EQ(pages[0]->value, 1);
    EXPECT_EQ(applied.size(), 3u);
}

TEST_F(PropertySheetTest, CancelAppliesNone) {
    ui::PropertySheet sheet("Settings");
    addPages(sheet);
    ASSERT_TRUE(sheet.create());
    ASSERT_TRUE(user.click(sheet.handle(), kSwitch));
    EXPECT_TRUE(user.pressCancel(sheet.handle()));
    EXPECT_TRUE(applied.empty());
    EXPECT_FALSE(sheet.isWindow());
    EXPECT_EQ(pages[0]->value, 1) << "the page keeps what was edited";
}

TEST_F(PropertySheetTest, ApplyIsEnabledOnlyWhileAPageIsModified) {
    ui::PropertySheet sheet("Settings");
    addPages(sheet);
    ASSERT_TRUE(sheet.create());
    const ui::WindowHandle h = sheet.handle();
    EXPECT_FALSE(user.pressApply(h));

    ASSERT_TRUE(user.click(h, kSwitch));
    EXPECT_TRUE(sheet.isItemEnabled(ui::PropertySheet::kApplyNowId));
    EXPECT_TRUE(user.pressApply(h));
    EXPECT_EQ(applied, (std::vector<std::string>{"General"})) << "pages shown so far";
    EXPECT_FALSE(sheet.isItemEnabled(ui::PropertySheet::kApplyNowId));
    EXPECT_TRUE(sheet.isWindow());

    pages[2]->SetModified();
    EXPECT_TRUE(sheet.isItemEnabled(ui::PropertySheet::kApplyNowId));
    pages[2]->SetModified(false);
    EXPECT_FALSE(sheet.isItemEnabled(ui::PropertySheet::kApplyNowId));
}

TEST_F(PropertySheetTest, APageThatRefusesToBeLeftKeepsTheSheetOnIt) {
    ui::PropertySheet sheet("Settings");
    addPages(sheet);
    ASSERT_TRUE(sheet.create());
    pages[0]->mayLeave = false;
    EXPECT_TRUE(user.selectPage(sheet.handle(), 2));
    EXPECT_EQ(sheet.activeIndex(), 0);
    EXPECT_EQ(backend.getTabSelection(sheet.item(ui::PropertySheet::kTabControlId)), 0);
    EXPECT_TRUE(user.pressOk(sheet.handle()));
    EXPECT_TRUE(applied.empty()) << "OK does not apply past a page that will not let go";
    EXPECT_TRUE(sheet.isWindow());
}

class SelfDeletingSheet : public ui::PropertySheet {
public:
    explicit SelfDeletingSheet(bool& deleted) : ui::PropertySheet("Settings"), deleted_(deleted) {}
    ~SelfDeletingSheet() override { deleted_ = true; }
    void PostNcDestroy() override { delete this; }

private:
    bool& deleted_;
};

TEST_F(PropertySheetTest, ASelfDeletingSheetLeavesItsPagesForTheNextSheet) {
    bool deleted = false;
    auto* sheet = new SelfDeletingSheet(deleted);
    addPages(*sheet);
    ASSERT_TRUE(sheet->create());
    EXPECT_TRUE(user.close(sheet->handle()));
    EXPECT_TRUE(deleted);
    EXPECT_TRUE(applied.empty());
    EXPECT_EQ(pages[0]->sheet(), nullptr);

    ui::PropertySheet next("Settings");
    addPages(next);
    ASSERT_TRUE(next.create());
    EXPECT_EQ(pages[0]->initCount, 2) << "shown again in the new sheet";
}

TEST_F(PropertySheetTest, APageDeletedBeforeItsSheetLeavesIt) {
    ui::PropertySheet sheet("Settings");
    addPages(sheet);
    ASSERT_TRUE(sheet.create());
    pages[0].reset();
    EXPECT_EQ(sheet.pageCount(), 2);
    EXPECT_EQ(sheet.activePage(), nullptr);
    EXPECT_TRUE(user.pressOk(sheet.handle()));
    EXPECT_EQ(applied, (std::vector<std::string>{"Consistency Checker", "About"}));
}

class NotesDestruction : public RecordingPage {
public:
    NotesDestruction(std::vector<std::string>& applied, std::vector<std::string>& notes)
        : RecordingPage("Noting", applied), notes_(notes) {}
    void OnDestroy() override {
        notes_.push_back("page destroyed, sheet there: " +
                         std::to_string(backend().isWindow(backend().getParent(handle()))));
    }
    void PostNcDestroy() override { notes_.push_back("page gone"); }

private:
    std::vector<std::string>& notes_;
};

class NotingSheet : public ui::PropertySheet {
public:
    explicit NotingSheet(std::vector<std::string>& notes)
        : ui::PropertySheet("Settings"), notes_(notes) {}
    void OnDestroy() override { notes_.push_back("sheet destroyed"); }
    void PostNcDestroy() override { notes_.push_back("sheet gone"); }

private:
    std::vector<std::string>& notes_;
};

TEST_F(PropertySheetTest, TheSheetIsTornDownBeforeAndCleanedUpAfterItsPages) {
    std::vector<std::string> notes;
    NotesDestruction page(applied, notes);
    NotingSheet sheet(notes);
    sheet.addPage(&page);
    ASSERT_TRUE(sheet.create());
    sheet.destroyWindow();
    EXPECT_EQ(notes, (std::vector<std::string>{"sheet destroyed", "page destroyed, sheet there: 1",
                                               "page gone", "sheet gone"}));
}

TEST_F(PropertySheetTest, AModalSheetAnswersTheButtonThatClosedIt) {
    ui::PropertySheet sheet("Settings");
    addPages(sheet);
    backend.answerModalDialog([this](ui::WindowHandle h) { user.pressOk(h); });
    EXPECT_EQ(sheet.doModal(), ui::kIdOk);
    EXPECT_EQ(applied.size(), 3u);
}

}  // namespace
