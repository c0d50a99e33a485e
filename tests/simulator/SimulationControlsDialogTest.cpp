// The simulation controls as they open: their toolbar from resource 160 over the
// template's controls, the status bar with the step, the recursion stack's columns, the
// texts that the mouse over a button brings up, and the counters.
#include "simulator/SimulationControlsDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/WinApiConstants.h"
#include "resources/Dialog119SimulationControls.h"
#include "resources/Toolbar160Simulation.h"
#include "simulator/PetriNetSimulator.h"
#include "tests/simulator/SimulatorTestHost.h"

namespace simtest {
namespace {

using simhost::headless::HeadlessWindow;

TEST(SimulationControlsDialogTest, OpenWithTheirBarsAboveAndBelowTheTemplate) {
    SimulatorTestHost env;
    env.openNet("/nets/net.vsd", parseNet("p=1 q=0 r=0", "a b", "p>a p>b a>q b>r"));
    ASSERT_TRUE(env.press(PetriNetSimulator::kTag));
    SimulationControlsDialog& controls = *env.controls();

    const HeadlessWindow& bar = env.control(SimulationControlsDialog::kToolBarId);
    EXPECT_EQ(bar.toolbarBitmap, 160);
    EXPECT_EQ(bar.toolbarImageSize, (ui::Size{16, 15}));
    std::vector<int32_t> commands;
    for (const ui::ToolbarButton& b : bar.toolbarButtons) commands.push_back(b.command);
    EXPECT_EQ(commands, toolbar160::make().commands);
    EXPECT_TRUE(bar.hasStyle(ui::control_style::kFlat));
    const int32_t barHeight = bar.rect.height();
    const ui::Rect hint =
        controls.mapDialogRect(dialog119::make().control(dialog119::kHintPicture)->rect);
    EXPECT_EQ(controls.itemRect(dialog119::kHintPicture), hint.offsetBy(0, barHeight));
    const ui::Rect client = controls.mapDialogRect({0, 0, 234, 170});
    EXPECT_EQ(controls.clientRect().height(), client.height() + barHeight);

    const HeadlessWindow& status = env.control(SimulationControlsDialog::kStatusBarId);
    EXPECT_EQ(status.statusMinHeight, 25);
    ASSERT_EQ(status.statusParts.size(), 2u);
    EXPECT_EQ(status.statusParts[0].style, ui::kSbtNoBorders);
    EXPECT_EQ(env.statusText(1), "Step 0");

    const HeadlessWindow& list = env.control(dialog119::kRecursionList);
    const int32_t width = controls.itemRect(dialog119::kRecursionList).width();
    ASSERT_EQ(list.columns.size(), 2u);
    EXPECT_EQ(list.columns[0].text, "No.");
    EXPECT_EQ(list.columns[0].width, width * 2 / 8);
    EXPECT_EQ(list.columns[1].text, "Name");
    EXPECT_EQ(list.columns[1].width, width * 5 / 8);
    EXPECT_EQ(list.listViewStyle, ui::kLvsExGridLines);

    EXPECT_EQ(env.control(dialog119::kEnabledCount).text, "2");
    EXPECT_EQ(env.control(dialog119::kConflictCount).text, "1");
    EXPECT_TRUE(env.control(dialog119::kHintText).visible);

    const std::vector<std::string> texts = {
        "Reset - return to initial marking",
        "AutoSim - conflicts/concurrencies are decided automatically",
        "SemiAutoSim - Holds on conflicts and on concurrency", "One Step Back", "One Step Forward"};
    for (size_t i = 0; i < texts.size(); ++i) {
        ASSERT_TRUE(env.user.hoverToolbarButton(controls.handle(),
                                                SimulationControlsDialog::kToolBarId,
                                                toolbar160::make().commands[i]));
        EXPECT_EQ(env.statusText(0), texts[i]) << "greyed buttons too";
    }
}

}  // namespace
}  // namespace simtest
