// The add-on's message boxes as real message boxes, each opened by the add-on's own code
// in the library Visio loads (the entry, the help button, the checker, the simulator and
// the exporter) and answered from a second thread while its loop runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "helpers/AddonConstants.h"
#include "platform/os/System.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/stencil/BlockStencil.h"
#include "simhost/stencil/ERStencil.h"
#include "simhost/stencil/PetriStencil.h"
#include "tests/win32/AddonWindowsHost.h"
#include "tests/win32/DesktopUser.h"
#include "tests/win32/DrawnNets.h"

namespace wintest {
namespace {

constexpr char kNoHelpFile[] =
    "The QAV Stencils Help file could not be found. Make sure that your File Path settings of "
    "Visio are correct and the Help file exists there.";
constexpr char kMixedPage[] =
    "Your Drawing contains elements from different drawing types.\n\n"
    "Please choose the drawing type you wish to check.";

constexpr char kNetWithErrors[] =
    "The diagram contains errors and cannot be simulated. Please use Consistency Checker to "
    "find errors.";
constexpr char kPictures[] = "C:\\out\\pics";
constexpr char kCreateQuestion[] =
    "Destination Path (C:\\out\\pics) does not exist. Should it be created?";
constexpr char kInvalidFolder[] =
    "Destination Path (C:\\out\\pics) is not valid. Please check your settings.";
constexpr char kReplaceQuestion[] =
    "A File already exists! Do you want to replace ALL files in 'C:\\out\\pics'?";

constexpr char kRepairQuestion[] =
    "Your Document was not correctly saved for use without the QAVSupport tools. This may "
    "happen if Visio crashes. Should it be fixed?";

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

    AddonWindowsHost env{
        "CC_SaveBefore=FALSE\r\nCC_ShowLegend=FALSE\r\nPE_Destination_A=C:\\out\\pics\r\n"
        "PE_RelativePath_A=FALSE\r\nPE_NamingExceptionOnePage=FALSE\r\n"};
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

TEST_F(AddonBoxesOnWindows, TheSimulatorRefusesANetWithErrorsInABoxOfItsOwn) {
    // The stack place s is called into and never left.
    env.host.openDocument("C:\\nets\\stack.vsd", [&](simhost::Document& document) {
        drawNet(env.host, *document.page(1), {{"p", 1}, {"s", 0, true}}, {"t"},
                {{"p", "t"}, {"t", "s"}});
    });
    const BoxSeen seen = boxWhile([&] { EXPECT_TRUE(env.press("PNSButton")); },
                                  (std::string(productTitle) + "  Petri Net Simulator").c_str(),
                                  kNetWithErrors, VK_RETURN, "simulator-net-with-errors");
    EXPECT_TRUE(seen.shown && seen.hasText);
    EXPECT_EQ(seen.buttons, (std::vector<std::string>{"OK"}));
}

TEST_F(AddonBoxesOnWindows, TheExporterAsksBeforeItMakesAFolderOrReplacesPictures) {
    env.host.openDocument("C:\\nets\\net.vsd");
    // "No" leaves the folder missing, which the next box tells.
    std::vector<BoxSeen> seen(2);
    {
        UserThread user([&] {
            seen[0] = answerBox(productTitle, kCreateQuestion, 'N', "exporter-create-folder");
            seen[1] = answerBox(productTitle, kInvalidFolder, VK_RETURN);
        });
        EXPECT_TRUE(env.press("PEExportButton"));
    }
    EXPECT_TRUE(seen[0].shown && seen[0].hasText);
    EXPECT_EQ(seen[0].buttons, (std::vector<std::string>{"&Yes", "&No"}));
    EXPECT_TRUE(seen[1].shown && seen[1].hasText);
    EXPECT_FALSE(env.system.find(kPictures) == os::PathKind::Directory);

    env.system.makeFolders(kPictures);
    env.system.writeFile(std::string(kPictures) + "\\Page-1.emf", "an older picture");
    const BoxSeen replace =
        boxWhile([&] { EXPECT_TRUE(env.press("PEExportButton")); }, productTitle, kReplaceQuestion,
                 VK_ESCAPE, "exporter-replace-pictures");
    EXPECT_TRUE(replace.shown && replace.hasText);
    EXPECT_EQ(replace.buttons, (std::vector<std::string>{"Replace ALL", "Replace ONE", "Cancel"}));
    EXPECT_EQ(env.system.fileContent(std::string(kPictures) + "\\Page-1.emf"), "an older picture");
}

TEST_F(AddonBoxesOnWindows, TheTextInputAssistantOffersToRepairADocumentSavedWithHiddenBoxes) {
    const BoxSeen seen = boxWhile(
        [&] {
            env.host.openDocument("C:\\nets\\hidden.vsd", [](simhost::Document& document) {
                document.documentSheet()->setCell("User.HideInputBoxes", "TRUE");
            });
        },
        productTitle, kRepairQuestion, VK_RETURN, "text-input-repair-question");
    EXPECT_TRUE(seen.shown && seen.hasText);
    EXPECT_EQ(seen.buttons, (std::vector<std::string>{"Yes", "No"}));
    const std::vector<int16_t>& commands = env.host.application().log().commands;
    EXPECT_NE(std::find(commands.begin(), commands.end(), visio::visCmdFileSave), commands.end())
        << "Yes saves the document";
}

}  // namespace
}  // namespace wintest
