// The checker's legend: its four colour pictures and the help topics behind them.
#include "checker/CCLegendDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "checker/ConsistencyChecker.h"
#include "platform/os/System.h"
#include "platform/ui/WinApiConstants.h"
#include "resources/Dialog112Legend.h"
#include "tests/checker/CheckerDrawings.h"
#include "tests/checker/CheckerTestHost.h"

namespace checkertest {
namespace {

constexpr char kNotFound[] =
    "The QAV Stencils Help file could not be found. Make sure that your File Path settings of "
    "Visio are correct and the Help file exists there.";
constexpr char kChapter[] = "QAV_STENCILS.CHM::/HTML/QAV Support Tools/Consistency Checker/";

class LegendTest : public ::testing::Test {
protected:
    std::string folderWithHelp(const std::string& name) {
        const std::string folder = env.makeFolder(name);
        env.system.writeFile(folder + os::kPathSeparator + "QAV_STENCILS.CHM", "help");
        return folder;
    }
    std::string topic(const std::string& folder, const std::string& file) {
        return folder + os::kPathSeparator + kChapter + file + ">$global_Visio";
    }
    std::vector<std::string> shownTopics() {
        std::vector<std::string> paths;
        for (const auto& call : env.backend.helpCalls()) paths.push_back(call.path);
        return paths;
    }
    const simhost::headless::HeadlessWindow& control(const CCLegendDialog& legend, int32_t id) {
        return *env.backend.window(legend.item(id));
    }

    CheckerTestHost env;
};

TEST_F(LegendTest, ItShowsTheFourLooksAsPicturesThatReportClicks) {
    CCLegendDialog legend("");
    ASSERT_TRUE(legend.showTopmost());
    const auto& window = *env.backend.window(legend.handle());
    EXPECT_EQ(window.text, "QAV Support Tools - Consistency Checker Legend");
    EXPECT_TRUE(window.visible);
    EXPECT_TRUE(window.topmost);
    EXPECT_FALSE(window.owner);
    const std::pair<int32_t, int32_t> pictures[] = {
        {1031, 113}, {1032, 120}, {1033, 114}, {1034, 115}};
    for (const auto& [id, icon] : pictures) {
        const auto& picture = control(legend, id);
        EXPECT_EQ(picture.kind, ui::ControlKind::IconPicture) << id;
        EXPECT_EQ(picture.resourceId, icon) << id;
        EXPECT_TRUE(picture.hasStyle(ui::control_style::kNotify)) << id;
    }
}

TEST_F(LegendTest, EachPictureOpensItsTopicFromTheLastFolderHoldingTheHelpFile) {
    const std::string first = folderWithHelp("first");
    const std::string second = folderWithHelp("second");
    const std::string empty = env.makeFolder("empty");
    CCLegendDialog legend(";" + first + ";" + second + ";;" + empty + ";");
    EXPECT_EQ(legend.helpFolder(), second);
    ASSERT_TRUE(legend.showTopmost());
    for (int32_t id : {1031, 1032, 1033, 1034}) ASSERT_TRUE(env.user.click(legend.handle(), id));
    EXPECT_EQ(shownTopics(), (std::vector<std::string>{
                                 topic(second, "formal_errors.html"),
                                 topic(second, "anti_patterns.html"),
                                 topic(second, "consistency_checker.html"),
                                 topic(second, "consistency_checker.html"),
                             }));
    for (const auto& call : env.backend.helpCalls()) {
        EXPECT_FALSE(call.caller);
        EXPECT_EQ(call.command, ui::kHhDisplayTopic);
        EXPECT_EQ(call.data, 0u);
    }
    EXPECT_TRUE(env.backend.messageBoxes().empty());
}

TEST_F(LegendTest, EnterOpensTheCheckersTopicAndKeepsTheLegendOpen) {
    const std::string folder = folderWithHelp("help");
    CCLegendDialog legend(folder);
    ASSERT_TRUE(legend.showTopmost());
    ASSERT_TRUE(env.user.pressEnter(legend.handle()));
    EXPECT_EQ(shownTopics(), std::vector<std::string>{topic(folder, "consistency_checker.html")});
    EXPECT_TRUE(legend.isWindow());
}

TEST_F(LegendTest, WithoutTheHelpFileEveryClickSaysSoAndTheLegendStays) {
    CCLegendDialog legend(env.makeFolder("nothing") + ";");
    EXPECT_EQ(legend.helpFolder(), "");
    ASSERT_TRUE(legend.showTopmost());
    ASSERT_TRUE(env.user.click(legend.handle(), 1032));
    ASSERT_TRUE(env.user.click(legend.handle(), 1034));
    ASSERT_EQ(env.backend.messageBoxes().size(), 2u);
    for (const auto& box : env.backend.messageBoxes()) {
        EXPECT_EQ(box.text, kNotFound);
        EXPECT_EQ(box.caption, "QAV Tools 2.1.1");
        EXPECT_EQ(box.type, ui::kMbOk);
        EXPECT_EQ(box.owner, legend.handle());
    }
    EXPECT_TRUE(env.backend.helpCalls().empty());
    EXPECT_TRUE(legend.isWindow());
}

TEST_F(LegendTest, ALegendTheUserClosedIsStillTakenAwaySafely) {
    env.writeSettings("CC_SaveBefore=FALSE\r\n");
    env.startTools();
    env.open("/drawings/net.vsd", [&](simhost::Page& p) { dropSmallNet(env.host, p); });
    ASSERT_TRUE(env.press("CCStartButton"));
    ASSERT_NE(env.checker()->legend(), nullptr);
    ASSERT_TRUE(env.user.close(env.checker()->legend()->handle()));
    EXPECT_FALSE(env.checker()->legend()->isWindow());
    env.checker()->applySettings();
    ASSERT_NE(env.checker()->legend(), nullptr);
    ASSERT_TRUE(env.user.pressEscape(env.checker()->legend()->handle()));
    ASSERT_TRUE(env.press("CCStopButton"));
    EXPECT_EQ(env.checker()->legend(), nullptr);
    EXPECT_TRUE(env.backend.topLevelWindows().empty());
}

}  // namespace
}  // namespace checkertest
