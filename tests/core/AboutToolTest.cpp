#include "core/AboutTool.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/ABPropertyPage.h"
#include "core/CommandBarObject.h"
#include "core/HelpFile.h"
#include "core/PreferencesTool.h"
#include "platform/os/System.h"
#include "platform/ui/WinApiConstants.h"
#include "simhost/host/Application.h"
#include "simhost/host/Toolbar.h"
#include "simhost/host/ToolbarItem.h"
#include "simhost/host/ToolbarItems.h"
#include "simhost/host/UIObject.h"
#include "tests/core/PreferencesTestHost.h"

namespace prefstest {
namespace {

constexpr char kNotFound[] =
    "The QAV Stencils Help file could not be found. Make sure that your File Path settings of "
    "Visio are correct and the Help file exists there.";

class AboutToolTest : public ::testing::Test {
protected:
    AboutToolTest() : about(env.application()) {}

    // A folder holding a stand-in for the help file (its content does not matter).
    std::string folderWithHelp(const std::string& name) {
        std::string folder = env.makeFolder(name);
        env.system.writeFile(folder + os::kPathSeparator + "QAV_STENCILS.CHM", "");
        return folder;
    }
    void setHelpPaths(const std::string& paths) { env.host.application().SetHelpPaths(paths); }
    std::string helpFileIn(const std::string& folder) {
        return folder + os::kPathSeparator + "QAV_STENCILS.CHM";
    }

    PreferencesTestHost env;
    AboutTool about;
};

TEST_F(AboutToolTest, OfTheFoldersHoldingTheHelpFileTheLastListedWins) {
    const std::string first = folderWithHelp("first");
    const std::string without = env.makeFolder("without");
    const std::string second = folderWithHelp("second");
    setHelpPaths(first + ";" + second + ";" + without);
    EXPECT_EQ(about.findHelpFile(), second);
    setHelpPaths(second + ";" + first);
    EXPECT_EQ(about.findHelpFile(), first);
}

TEST_F(AboutToolTest, EmptyItemsAreSkippedAndAFolderNamedLikeTheFileIsNoFile) {
    const std::string folder = folderWithHelp("help");
    setHelpPaths(";;" + folder + ";;");
    EXPECT_EQ(about.findHelpFile(), folder);
    const std::string fake = env.makeFolder("fake");
    env.system.createDirectory(helpFileIn(fake));
    setHelpPaths(fake);
    EXPECT_EQ(about.findHelpFile(), "");
    setHelpPaths("");
    EXPECT_EQ(about.findHelpFile(), "");
}

TEST_F(AboutToolTest, TheButtonOpensTheHelpFileInVisiosHelpWindow) {
    const std::string folder = folderWithHelp("help");
    setHelpPaths(folder);
    EXPECT_TRUE(about.onCommand("ABHelpButton"));
    ASSERT_EQ(env.backend.helpCalls().size(), 1u);
    const auto& call = env.backend.helpCalls().front();
    EXPECT_EQ(call.path, helpFileIn(folder) + ">$global_Visio");
    EXPECT_EQ(call.command, ui::kHhDisplayTopic);
    EXPECT_EQ(call.data, 0u);
    EXPECT_FALSE(call.caller);
    EXPECT_TRUE(env.backend.messageBoxes().empty());
}

TEST_F(AboutToolTest, WithoutTheHelpFileTheUserIsToldAtEveryPress) {
    setHelpPaths(env.makeFolder("empty"));
    EXPECT_TRUE(about.onCommand("ABHelpButton"));
    // The file is looked for anew at every press.
    setHelpPaths(folderWithHelp("later") + ";" + env.makeFolder("empty2"));
    EXPECT_TRUE(about.onCommand("ABHelpButton"));
    setHelpPaths("");
    EXPECT_TRUE(about.onCommand("ABHelpButton"));
    ASSERT_EQ(env.backend.messageBoxes().size(), 2u);
    const auto& box = env.backend.messageBoxes().front();
    EXPECT_EQ(box.text, kNotFound);
    EXPECT_EQ(box.caption, "QAV Tools 2.1.1");
    EXPECT_EQ(box.type, ui::kMbOk) << "no icon";
    EXPECT_FALSE(box.owner);
    EXPECT_EQ(env.backend.helpCalls().size(), 1u);
}

TEST_F(AboutToolTest, ItAnswersOnlyItsOwnTag) {
    EXPECT_FALSE(about.onCommand("abhelpbutton"));
    EXPECT_FALSE(about.onCommand("ABHelpButton2"));
    EXPECT_FALSE(about.onCommand("PPPreferencePaneButton"));
    EXPECT_TRUE(env.backend.messageBoxes().empty());
    EXPECT_TRUE(env.backend.helpCalls().empty());
}

TEST_F(AboutToolTest, ItsButtonHasAnEmptyCaptionAndTheHelpFace) {
    auto ui = simhost::UIObject::builtIn();
    CommandBarsAccess access(env.application(), visio::VUIObject(ui));
    std::unique_ptr<CommandBarObject> bar = createCommandBarObject(access);
    const int updatesBefore = ui->updateCount();
    about.createToolbarButton(&access, bar.get());
    EXPECT_EQ(ui->updateCount(), updatesBefore + 1) << "made visible through its own access";

    simhost::Toolbar* toolbar = dynamic_cast<simhost::Toolbar*>(bar->toolbar().get());
    ASSERT_NE(toolbar, nullptr);
    ASSERT_EQ(toolbar->items().list().size(), 1u);
    const simhost::ToolbarItemProperties& p = toolbar->items().list().front()->properties();
    EXPECT_EQ(p.tooltipText, "Show QAV Stencils Help");
    EXPECT_EQ(p.addOnName, "QAVSupportTools");
    EXPECT_EQ(p.addOnArgs, "ABHelpButton");
    EXPECT_EQ(p.caption, "");
    EXPECT_EQ(p.iconFileName, "QAVSupportTools.vsl,8");
    EXPECT_TRUE(p.enabled);
}

TEST_F(AboutToolTest, TheAboutPageHoldsNoSettings) {
    auto* page = dynamic_cast<ABPropertyPage*>(about.getPreferencePage());
    ASSERT_NE(page, nullptr);
    PreferencesTool tool(env.application());
    page->attachSettings(&tool, &about);
    EXPECT_EQ(page->store(), nullptr);
    EXPECT_EQ(page->owner(), nullptr);
    EXPECT_TRUE(page->OnApply());
    EXPECT_EQ(env.settings(), std::nullopt);

    tool.registerTool(&about);
    tool.updateCommandBar(true);
    ASSERT_TRUE(tool.onCommand("PPPreferencePaneButton"));
    ASSERT_TRUE(env.user.pressOk(env.backend.findDialog("QAV Tools 2.1.1 Settings")));
    EXPECT_EQ(env.settings(), std::nullopt) << "OK with only the About page writes nothing";
}

}  // namespace
}  // namespace prefstest
