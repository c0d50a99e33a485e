// The add-on's message boxes as real message boxes, each opened by the add-on's own code
// in the library Visio loads and answered from a second thread while its loop runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "helpers/AddonConstants.h"
#include "simhost/stencil/BlockStencil.h"
#include "simhost/stencil/ERStencil.h"
#include "simhost/stencil/PetriStencil.h"
#include "tests/win32/AddonWindowsHost.h"
#include "tests/win32/DesktopUser.h"

namespace wintest {
namespace {

constexpr char kNoHelpFile[] =
    "The QAV Stencils Help file could not be found. Make sure that your File Path settings of "
    "Visio are correct and the Help file exists there.";
constexpr char kMixedPage[] =
    "Your Drawing contains elements from different drawing types.\n\n"
    "Please choose the drawing type you wish to check.";

class AddonBoxesOnWindows : public ::testing::Test {
protected:
    // What the user saw of the box the action brings up, answered with the key.
    BoxSeen boxWhile(const std::function<void()>& action, const char* caption,
                     const std::string& text, WORD key, const char* screenshot) {
        BoxSeen seen;
        {
            UserThread user([&] { seen = answerBox(caption, text, key, screenshot); });
            action();
        }
        return seen;
    }

    AddonWindowsHost env{"CC_SaveBefore=FALSE\r\nCC_ShowLegend=FALSE\r\n"};
};

TEST_F(AddonBoxesOnWindows, ARunRequestNoToolTakesIsTold) {
    const BoxSeen seen =
        boxWhile([&] { EXPECT_TRUE(env.addons->run(addonName, "SINK=NONE")); }, addonCaption,
                 "An unregistered call from Visio to the Addon occured. Ignoring...", VK_RETURN,
                 "addon-unregistered-call");
    EXPECT_TRUE(seen.shown && seen.hasText);
    EXPECT_FALSE(seen.owner);
    EXPECT_EQ(seen.buttons, (std::vector<std::string>{"OK"}));
}

TEST_F(AddonBoxesOnWindows, TheHelpButtonTellsWhenThereIsNoHelpFile) {
    const BoxSeen seen = boxWhile([&] { EXPECT_TRUE(env.press("ABHelpButton")); }, productTitle,
                                  kNoHelpFile, VK_ESCAPE, "help-not-found");
    EXPECT_TRUE(seen.shown && seen.hasText);
}

TEST_F(AddonBoxesOnWindows, APageOfThreeKindsAsksWhichOneWithTheKindsAsButtons) {
    env.host.openDocument("C:\\nets\\mixed.vsd", [](simhost::Document& document) {
        simhost::Page& page = *document.page(1);
        simhost::stencil::dropBlockActive(page);
        simhost::stencil::dropPlace(page);
        simhost::stencil::dropERActive(page);
    });
    const BoxSeen seen =
        boxWhile([&] { EXPECT_TRUE(env.press("CCStartButton")); }, "Identify your Diagram type",
                 kMixedPage, VK_ESCAPE, "diagram-type-question");
    EXPECT_TRUE(seen.shown && seen.hasText);
    EXPECT_EQ(seen.buttons, (std::vector<std::string>{"Block diagram", "Petri Net", "ER diagram"}));
    EXPECT_TRUE(env.host.toolbarItem("CCStopButton")) << "the check ran";
}

}  // namespace
}  // namespace wintest
