// Two tools that show something in the same cells, as a user plays them in qavhost: in
// whatever order the user starts and stops the one and selects and deselects for the
// other, every cell holds what the user had once both have finished; and what a tool
// shows does not go along with a shape that another tool moves to the background page.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/Runner.h"

namespace runner {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(QAV_SOURCE_DIR) / "examples" / "drawings";

// The user's session with the add-on loaded, in a folder of its own: drawings are opened
// from fresh copies of the example drawings.
class Session {
public:
    Session() {
        folder_ = fs::temp_directory_path() /
                  ("qav-tools-on-one-shape-" + std::to_string(std::random_device()()));
        fs::create_directories(folder_);
        runner_.setBaseFolder(folder_.string());
        addAllCommands(runner_);
        play({"load", "idle"});
    }
    ~Session() {
        std::error_code error;
        fs::remove_all(folder_, error);
    }

    // Opens a copy of the drawing, saved under a name of its own so that the checker's
    // save before a check leaves the copy alone.
    void open(const std::string& drawing) {
        const std::string name = "copy" + std::to_string(++copies_);
        fs::copy_file(kExamples / drawing, folder_ / (name + ".json"));
        play({"open " + name + ".json", "save " + name + "-saved.json"});
    }
    // What the lines print.
    std::string play(const std::vector<std::string>& lines) {
        out_.str("");
        for (const std::string& line : lines) runner_.execute(line);
        return out_.str();
    }

private:
    fs::path folder_;
    std::ostringstream out_;
    Runner runner_{out_};
    int copies_ = 0;
};

// Every way to interleave the steps of one tool with those of the other, each in its own
// order, with an idle moment after each step.
std::vector<std::vector<std::string>> interleavings(const std::vector<std::string>& first,
                                                    const std::vector<std::string>& second) {
    if (first.empty() || second.empty()) {
        std::vector<std::string> rest = first.empty() ? second : first;
        std::vector<std::string> steps;
        for (const std::string& step : rest) steps.insert(steps.end(), {step, "idle"});
        return {steps};
    }
    std::vector<std::vector<std::string>> all;
    for (bool firstLeads : {true, false}) {
        const std::vector<std::string>& lead = firstLeads ? first : second;
        const std::vector<std::string> rest(lead.begin() + 1, lead.end());
        for (std::vector<std::string> tail :
             firstLeads ? interleavings(rest, second) : interleavings(first, rest)) {
            tail.insert(tail.begin(), {lead.front(), "idle"});
            all.push_back(tail);
        }
    }
    return all;
}

std::string textOf(const std::vector<std::string>& steps) {
    std::string text;
    for (const std::string& step : steps) text += step + "; ";
    return text;
}

// The checker's looks and the prompts' colour in the weight box (shape 48) of arc 46.
TEST(ToolsOnOneShapeTest, EveryCellEndsAsTheUserHadItInAnyOrderOfCheckerAndPrompts) {
    Session session;
    for (const std::vector<std::string>& steps :
         interleavings({"press CCStartButton", "press CCStopButton"}, {"select 46", "select"})) {
        session.open("simulation-net.json");
        const std::string before = session.play({"show"});
        session.play(steps);
        EXPECT_EQ(session.play({"show"}), before) << textOf(steps);
    }
}

// While a simulation shows p3's token count (none: an empty box), the assistant shows its
// prompt there; leaving, the simulator writes the user's count back over the prompt, and
// the prompt's colour still goes when the selection does.
TEST(ToolsOnOneShapeTest, PromptsOverASimulationsTokenCountLeaveNoColourBehind) {
    Session session;
    session.open("simulation-net.json");
    const std::string before = session.play({"show"});
    session.play({"press PNSButton", "idle", "save copy1-saved.json", "select 25", "idle",
                  "press PNSButton", "idle", "select", "idle"});
    EXPECT_EQ(session.play({"show"}), before);
}

// A copy made with s1 (shape 7) names s1's copy where the user's formula refers to s1;
// the same text inside a string is the user's and stays.
TEST(ToolsOnOneShapeTest, ACopyRenamesOnlyReferencesToShapesCopiedWithIt) {
    Session session;
    session.open("petri-net.json");
    session.play({"set 1 LineColor IF(Sheet.7!Width>0,LEN(\"Sheet.7!\")+LEN(\"x\"\"Sheet.7!\"),5)",
                  "press CCStartButton", "select 1 7", "duplicate", "press CCStopButton"});
    EXPECT_EQ(session.play({"cell 35 LineColor"}),
              "> cell 35 LineColor\nshape 35 LineColor: formula "
              "IF(Sheet.36!Width>0,LEN(\"Sheet.7!\")+LEN(\"x\"\"Sheet.7!\"),5), value 18\n");
}

// "Title Block on Background" moves the block from the page a tool shows something on:
// the copy on the background page carries the user's formulas, not the checker's looks
// nor the simulator's locks.
TEST(ToolsOnOneShapeTest, AMovedShapeLeavesWhatTheToolsShowBehind) {
    Session session;
    session.open("title-block.json");
    session.play(
        {"press CCStartButton", "action 12 1", "press CCStopButton", "idle", "page Background"});
    EXPECT_EQ(session.play({"looks"}),
              "> looks\nno shape on page \"Background\" holds a guarded look\n");
    session.open("simulation-net.json");
    session.play({"drop title-block 8 2", "press PNSButton", "answer 1", "action 102 1", "idle",
                  "page Background"});
    EXPECT_EQ(session.play({"cell 1 LockMoveX", "cell 2 LockTextEdit"}),
              "> cell 1 LockMoveX\nshape 1 LockMoveX: formula 0, value 0\n"
              "> cell 2 LockTextEdit\nshape 2 LockTextEdit: formula 0, value 0\n");
}

}  // namespace
}  // namespace runner
