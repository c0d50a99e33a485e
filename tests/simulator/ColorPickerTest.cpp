// The colour buttons of the simulator's page and the palette they share: how the palette
// ranks its entries, and what a user can do with the popup.
#include "simulator/ColorPickerButton.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <random>

#include "platform/ui/WinApiConstants.h"
#include "resources/Dialog118Simulator.h"
#include "resources/Dialog5100Palette.h"
#include "simulator/ColorPalettePopup.h"
#include "tests/simulator/PNSPageHost.h"

namespace pnspagetest {
namespace {

ColorPalette& palette() {
    return ColorPalette::shared();
}

std::array<int32_t, ColorPalette::kSize> ranks() {
    std::array<int32_t, ColorPalette::kSize> all{};
    for (int32_t e = 0; e < ColorPalette::kSize; ++e)
        all[static_cast<size_t>(e)] = palette().rank(e);
    return all;
}

TEST(ColorPaletteTest, UsingAnEntryMakesItRankOneAndMovesOnlyTheMoreRecentOnesDown) {
    palette().reset();
    ASSERT_EQ(palette().rank(2), 5);
    std::mt19937 random(20240611);
    for (int step = 0; step < 200; ++step) {
        // The first step uses the entry of rank 5.
        const int32_t entry = step == 0 ? 2 : static_cast<int32_t>(random() % ColorPalette::kSize);
        const auto before = ranks();
        const int32_t was = before[static_cast<size_t>(entry)];
        palette().use(entry);
        const auto after = ranks();
        for (int32_t e = 0; e < ColorPalette::kSize; ++e) {
            const int32_t old = before[static_cast<size_t>(e)];
            const int32_t expected = e == entry ? 1 : old < was ? old + 1 : old;
            ASSERT_EQ(after[static_cast<size_t>(e)], expected) << "step " << step << " entry " << e;
        }
        auto sorted = after;
        std::sort(sorted.begin(), sorted.end());
        for (int32_t r = 0; r < ColorPalette::kSize; ++r)
            ASSERT_EQ(sorted[static_cast<size_t>(r)], r + 1);
    }
    palette().reset();
}

class ColorPickerTest : public PNSPageTest {
protected:
    ui::WindowHandle openPalette() {
        shown = openPage();
        EXPECT_TRUE(user.click(shown, dialog118::kConflictColor));
        return popup();
    }
    ui::Rect buttonRect() { return backend.getWindowRect(page.item(dialog118::kConflictColor)); }
    std::optional<ui::ColorRef> buttonColor() {
        return control(dialog118::kConflictColor).filledColor();
    }

    ui::WindowHandle shown;
};

TEST_F(ColorPickerTest, ASwatchBecomesTheButtonsColourAndThePagesField) {
    const ui::WindowHandle open = openPalette();
    ASSERT_TRUE(open);
    EXPECT_EQ(backend.getCapture(), open);
    const ui::Rect button = buttonRect();
    EXPECT_EQ(backend.getWindowRect(open).topLeft(), (ui::Point{button.left, button.bottom}));
    EXPECT_EQ(backend.window(open)->frame, ui::Rect()) << "borderless";
    EXPECT_TRUE(page.isModified());

    // Through the mouse, which the popup holds: entry 4 of the palette.
    ASSERT_TRUE(user.click(open, dialog5100::kFirstSwatch + 4));
    EXPECT_FALSE(backend.isWindow(open));
    EXPECT_FALSE(backend.getCapture());
    EXPECT_EQ(buttonColor(), 0x800000u);
    EXPECT_EQ(page.conflictColor, 0x800000u);
    EXPECT_EQ(palette().rank(4), 1);

    ASSERT_TRUE(user.pressApply(shown));
    EXPECT_EQ(store.values[PNSPropertyPage::kConflictColorKey], "8388608");
}

TEST_F(ColorPickerTest, OtherPutsANewColourInPlaceOfTheLeastRecentlyUsedEntry) {
    const int32_t oldest = palette().leastRecentlyUsed();
    backend.answerColor(0x123456);
    ASSERT_TRUE(user.click(openPalette(), dialog5100::kOther));
    EXPECT_EQ(palette().color(oldest), 0x123456u);
    EXPECT_EQ(palette().rank(oldest), 1);
    EXPECT_EQ(page.conflictColor, 0x123456u);
    ASSERT_EQ(backend.colorRequests().size(), 1u);
    EXPECT_EQ(backend.colorRequests()[0].initial, 0x0000FFu);
    EXPECT_EQ(backend.colorRequests()[0].flags & ui::kCcFullOpen, ui::kCcFullOpen);

    // A colour the palette holds only moves up.
    backend.answerColor(0x00FF00);
    ASSERT_TRUE(user.click(shown, dialog118::kConflictColor));
    ASSERT_TRUE(user.click(popup(), dialog5100::kOther));
    EXPECT_EQ(palette().color(oldest), 0x123456u);
    EXPECT_EQ(palette().rank(palette().find(0x00FF00)), 1);
    EXPECT_EQ(page.conflictColor, 0x00FF00u);

    // Cancelled: the popup stays open and takes the mouse again.
    backend.answerColor(std::nullopt);
    ASSERT_TRUE(user.click(shown, dialog118::kConflictColor));
    const ui::WindowHandle open = popup();
    ASSERT_TRUE(user.click(open, dialog5100::kOther));
    EXPECT_TRUE(backend.isWindowVisible(open));
    EXPECT_EQ(backend.getCapture(), open);
    EXPECT_EQ(page.conflictColor, 0x00FF00u);
}

TEST_F(ColorPickerTest, AClickOutsideClosesThePopupAndChangesNothing) {
    const ui::WindowHandle open = openPalette();
    const auto before = ranks();
    user.clickAt({backend.getWindowRect(open).right + 5, backend.getWindowRect(open).top});
    EXPECT_FALSE(backend.isWindow(open));
    EXPECT_FALSE(backend.getCapture());
    EXPECT_EQ(buttonColor(), 0x0000FFu);
    EXPECT_EQ(page.conflictColor, 0x0000FFu);
    EXPECT_EQ(ranks(), before);
}

TEST_F(ColorPickerTest, ThePopupStaysOnTheScreen) {
    shown = openPage();
    const ui::Rect button = buttonRect();
    backend.setScreenSize({button.right + 10, button.bottom + 10});
    ASSERT_TRUE(user.click(shown, dialog118::kConflictColor));
    const ui::Rect placed = backend.getWindowRect(popup());
    EXPECT_EQ(placed.bottom, button.top) << "above the button";
    EXPECT_EQ(placed.right, button.right + 10) << "at the screen's right edge";
}

}  // namespace
}  // namespace pnspagetest
