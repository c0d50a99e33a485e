// The runner as a newcomer meets it: what it prints is what the transcripts hold, every
// path is taken alike, and it does not do what a user of Visio could not.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/Runner.h"
#include "simhost/addon/AddonLibrary.h"
#include "simhost/host/Addons.h"
#include "simhost/host/Application.h"

namespace runner {
namespace {

namespace fs = std::filesystem;

class RunnerNewcomerTest : public ::testing::Test {
protected:
    RunnerNewcomerTest() {
        folder = fs::temp_directory_path() /
                 ("qav-runner-newcomer-" + std::to_string(std::random_device()()));
        fs::create_directories(folder);
        runner.setBaseFolder(folder.string());
        addAllCommands(runner);
    }
    ~RunnerNewcomerTest() override {
        std::error_code error;
        fs::remove_all(folder, error);
    }

    std::string play(const std::vector<std::string>& lines) {
        out.str("");
        for (const std::string& line : lines) runner.execute(line);
        return out.str();
    }

    fs::path folder;
    std::ostringstream out;
    Runner runner{out};
};

TEST_F(RunnerNewcomerTest, TheAddonLoadsOnceAndAHiddenToolbarIsNotClicked) {
    const std::string library =
        "<bin>/" + fs::u8path(simhost::AddonLibrary::besideProgram()).filename().u8string();
    std::string output = play({"load"});
    EXPECT_EQ(output.rfind("> load\nloaded " + library + "\n", 0), 0u) << output;
    // Loaded once: a second load registers nothing again, and says what it does.
    output = play({"load"});
    EXPECT_EQ(
        output.rfind("> load\nloaded already: sent the load message again to " + library + "\n", 0),
        0u)
        << output;
    EXPECT_EQ(runner.host().application().addons().names(),
              std::vector<std::string>{"QAVSupportTools"});

    play({"idle", "press PPPreferencePaneButton", "check General 1001 0", "ok"});
    output = play({"press ABHelpButton"});
    EXPECT_EQ(output,
              "> press ABHelpButton\n"
              "refused: the toolbar \"QAV Tools 2.1.1\" is hidden (toolbar show shows it)\n");
    output = play({"toolbar show", "press ABHelpButton"});
    EXPECT_NE(output.find("toolbar \"QAV Tools 2.1.1\" shown"), std::string::npos) << output;
    EXPECT_NE(output.find("could not be found"), std::string::npos) << output;

    // A count typed by mistake is refused, not played for hours.
    EXPECT_EQ(play({"idle 2147483647"}),
              "> idle 2147483647\nerror: line 10: idle takes at most 10000 idle events at once\n");

    // Letting it go names the library as loading it did.
    EXPECT_EQ(play({"shutdown", "unload"}),
              "> shutdown\nshut down " + library + "\n> unload\nunloaded " + library + "\n");
}

TEST_F(RunnerNewcomerTest, PathsOfEveryCommandAreTakenAndShownAlike) {
    const std::string temporary = fs::temp_directory_path().lexically_normal().string();
    play({"helppath help;;$TMP/h"});
    EXPECT_EQ(runner.host().application().HelpPaths(),
              (folder / "help").string() + ";;" + (fs::temp_directory_path() / "h").string());

    std::string output = play({"pictures $TMP"});
    EXPECT_EQ(output.find("no folder"), std::string::npos) << output;

    output = play({"new", "picture 1 $TMP/qav-no-such-folder/x.png"});
    EXPECT_NE(output.find("error: line 4: cannot export"), std::string::npos) << output;
    EXPECT_NE(output.find("$TMP/qav-no-such-folder"), std::string::npos) << output;
    EXPECT_EQ(output.find(temporary), std::string::npos) << output;
}

}  // namespace
}  // namespace runner
