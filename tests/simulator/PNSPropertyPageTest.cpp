// The simulator's page: what it reads from the settings, how its switches and trackbar
// behave, and what Apply writes.
#include "simulator/PNSPropertyPage.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/RuntimeClass.h"
#include "platform/ui/WinApiConstants.h"
#include "resources/Dialog118Simulator.h"
#include "simhost/ui/WindowListing.h"
#include "tests/simulator/PNSPageHost.h"

namespace pnspagetest {
namespace {

using Written = std::vector<std::pair<std::string, std::string>>;

TEST_F(PNSPageTest, WithoutItsKeysThePageTakesItsDefaultsAndHandsThemToTheTool) {
    store.values["PP_FloatingToolbar"] = "FALSE";
    page.attachSettings(&store, &tool);
    EXPECT_EQ(page.highlightConflicts, 1);
    EXPECT_EQ(page.conflictColor, 255u);
    EXPECT_EQ(page.highlightEnabled, 1);
    EXPECT_EQ(page.enabledColor, 65280u);
    EXPECT_EQ(page.delayText, "1000");
    EXPECT_EQ(page.fireAllConcurrent, 1);
    EXPECT_EQ(tool.applied, 1) << "the tool has its settings before the page is shown";

    const ui::RuntimeClass* record = ui::RuntimeClass::fromName("PNSPropertyPage");
    ASSERT_NE(record, nullptr);
    std::unique_ptr<ui::Dialog> made = record->createObject();
    EXPECT_EQ(made->dialogTemplate().id, dialog118::kId);
    EXPECT_EQ(made->dialogTemplate().caption, "Petri Net Simulator");
}

TEST_F(PNSPageTest, OnlyTheExactTextTRUEIsOnAndAColourIsItsLeadingNumber) {
    store.values = {{PNSPropertyPage::kHighlightConflictsKey, "true"},
                    {PNSPropertyPage::kHighlightEnabledKey, "TRUE"},
                    {PNSPropertyPage::kFireAllKey, "1"},
                    {PNSPropertyPage::kConflictColorKey, "red"},
                    {PNSPropertyPage::kEnabledColorKey, "16711680 (blue)"},
                    {PNSPropertyPage::kDelayKey, "250"}};
    page.attachSettings(&store, &tool);
    EXPECT_EQ(page.highlightConflicts, 0);
    EXPECT_EQ(page.highlightEnabled, 1);
    EXPECT_EQ(page.fireAllConcurrent, 0);
    EXPECT_EQ(page.conflictColor, 0u);
    EXPECT_EQ(page.enabledColor, 0xFF0000u);
    EXPECT_EQ(page.delayText, "250");
}

// A colour past the three bytes of RGB would wrap into another: it reads as the default.
// What the user did not change on the page stays in the file as the user wrote it.
TEST_F(PNSPageTest, ValuesOutOfRangeReadAsThePageShowsThemAndUnchangedLinesStay) {
    store.values = {{PNSPropertyPage::kDelayKey, "99999999"},
                    {PNSPropertyPage::kConflictColorKey, "99999999999"},
                    {PNSPropertyPage::kEnabledColorKey, "4294967296"},
                    {PNSPropertyPage::kHighlightConflictsKey, "true"}};
    const ui::WindowHandle shown = openPage();
    EXPECT_EQ(page.conflictColor, 255u);
    EXPECT_EQ(page.enabledColor, 65280u);
    ASSERT_TRUE(user.tick(shown, dialog118::kFireAll, false));
    ASSERT_TRUE(user.pressApply(shown));
    EXPECT_EQ(store.written,
              (Written{{"PNS_SemiAuto_Fire_All_Transitions_On_Concurrency", "FALSE"}}));
    EXPECT_EQ(store.values[PNSPropertyPage::kConflictColorKey], "99999999999");
}

// A delay written into the file by hand is used within what the trackbar offers at most
// (a tick would otherwise wait for weeks), and stays in the file as written.
TEST_F(PNSPageTest, TheDelayInEffectIsNoLongerThanThePageOffers) {
    const std::pair<const char*, int32_t> delays[] = {
        {"2147483647", 5000}, {"99999999999", 5000}, {"6000", 5000}, {"250", 250}, {"-20", 0}};
    for (const auto& [text, milliseconds] : delays) {
        store.values[PNSPropertyPage::kDelayKey] = text;
        page.attachSettings(&store, &tool);
        EXPECT_EQ(page.delayMilliseconds(), milliseconds) << text;
        EXPECT_EQ(page.delayText, text);
    }
}

TEST_F(PNSPageTest, TheTrackbarShowsTheDelayAndApplyWritesIt) {
    const ui::WindowHandle shown = openPage();
    EXPECT_EQ(simhost::headless::WindowListing::describe(backend, page.item(dialog118::kDelay)),
              "1039 trackbar 100..5000 at 1000 ticks every 250 tips top\n");
    EXPECT_TRUE(control(dialog118::kDelay).ticsCleared);
    EXPECT_EQ(control(dialog118::kDelayText).text, "1000");

    ASSERT_TRUE(user.moveTrackbar(shown, dialog118::kDelay, 2350));
    EXPECT_EQ(control(dialog118::kDelayText).text, "2350");
    EXPECT_EQ(page.delayText, "2350");
    ASSERT_TRUE(user.pressApply(shown));
    EXPECT_EQ(store.written, (Written{{"PNS_Hightlight_Duration", "2350"}}));
    EXPECT_EQ(tool.applied, 2);
}

TEST_F(PNSPageTest, EachHighlightSwitchGreysItsLabelAndColourButton) {
    store.values[PNSPropertyPage::kHighlightEnabledKey] = "FALSE";
    const ui::WindowHandle shown = openPage();
    EXPECT_TRUE(control(dialog118::kConflictColorLabel).enabled);
    EXPECT_TRUE(control(dialog118::kConflictColor).enabled);
    EXPECT_FALSE(control(dialog118::kEnabledColorLabel).enabled);
    EXPECT_FALSE(control(dialog118::kEnabledColor).enabled);
    EXPECT_EQ(control(dialog118::kEnabledColor).painting.back().kind,
              simhost::headless::PaintOperation::Kind::Frame)
        << "the greyed look";

    ASSERT_TRUE(user.tick(shown, dialog118::kHighlightConflicts, false));
    EXPECT_EQ(page.highlightConflicts, 0);
    EXPECT_FALSE(control(dialog118::kConflictColorLabel).enabled);
    EXPECT_FALSE(control(dialog118::kConflictColor).enabled);
    EXPECT_FALSE(user.click(shown, dialog118::kConflictColor));
    EXPECT_TRUE(page.isModified());

    ASSERT_TRUE(user.tick(shown, dialog118::kHighlightEnabled, true));
    EXPECT_TRUE(control(dialog118::kEnabledColorLabel).enabled);
    EXPECT_TRUE(control(dialog118::kEnabledColor).enabled);
    EXPECT_EQ(control(dialog118::kEnabledColor).filledColor(), 0x00FF00u);
}

}  // namespace
}  // namespace pnspagetest
