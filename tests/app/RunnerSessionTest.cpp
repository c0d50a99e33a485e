// The runner's command loop: a session is played line by line with every command echoed;
// a command that cannot be done says so in one line naming its line number and the
// session goes on; the drawing commands open, show, read, set and save.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/DrawingCommands.h"
#include "app/Runner.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/host/Application.h"

namespace runner {
namespace {

const char* const kDrawing = R"json({
  "name": "session.json",
  "pages": [
    {"name": "Net", "shapes": [
      {"id": 1, "name": "A", "text": "a", "cells": {"Width": "GUARD(2 in)", "User.N": "1"}},
      {"id": 2, "type": "group", "shapes": [{"id": 3, "text": "in\"side"}]}
    ]},
    {"name": "Back", "background": true}
  ]
})json";

class RunnerSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::temp_directory_path() /
                 (std::string("qav-runner-session-") + test->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "drawings");
        std::ofstream(folder / "drawings" / "net.json") << kDrawing;
        runner.setBaseFolder((folder / "sessions").string());
        addDrawingCommands(runner);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string play(const std::string& session, int* exitCode = nullptr) {
        std::istringstream in(session);
        int code = runner.play(in);
        if (exitCode) *exitCode = code;
        std::string text = out.str();
        out.str("");
        return text;
    }

    std::filesystem::path folder;
    std::ostringstream out;
    Runner runner{out};
};

TEST_F(RunnerSessionTest, ASessionShowsReadsSetsAndSavesADrawing) {
    int exitCode = -1;
    std::string output = play(
        "# a comment, then a blank line\n"
        "\n"
        "open ../drawings/net.json\n"
        "show\n"
        "cell 1 User.N\n"
        "cell 3 Width\n"
        "set 1 User.N 1+2\n"
        "set 1 Width 3 in\n"
        "cell 0 PageWidth\n"
        "show\n"
        "show\n"
        "save ../saved.json\n"
        "quit\n"
        "show\n",
        &exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(output,
              "> open ../drawings/net.json\n"
              "opened ../drawings/net.json\n"
              "> show\n"
              "document \"net.json\"\n"
              "page \"Net\"\n"
              "  1 \"A\" shape, text \"a\"\n"
              "  2 \"Sheet.2\" group\n"
              "    3 \"Sheet.3\" shape, text \"in\\\"side\"\n"
              "page \"Back\" (background)\n"
              "no cells changed\n"
              "> cell 1 User.N\n"
              "shape 1 User.N: formula 1, value 1\n"
              "> cell 3 Width\n"
              "shape 3 Width: formula 1 in, value 1 in\n"
              "> set 1 User.N 1+2\n"
              "> set 1 Width 3 in\n"
              "refused: shape 1 Width is guarded\n"
              "> cell 0 PageWidth\n"
              "page sheet PageWidth: formula 8.5 in, value 8.5 in\n"
              "> show\n"
              "document \"net.json\"\n"
              "page \"Net\"\n"
              "  1 \"A\" shape, text \"a\"\n"
              "  2 \"Sheet.2\" group\n"
              "    3 \"Sheet.3\" shape, text \"in\\\"side\"\n"
              "page \"Back\" (background)\n"
              "cells changed:\n"
              "  page \"Net\" shape 1 User.N: 1 -> 1+2\n"
              "> show\n"
              "document \"net.json\"\n"
              "page \"Net\"\n"
              "  1 \"A\" shape, text \"a\"\n"
              "  2 \"Sheet.2\" group\n"
              "    3 \"Sheet.3\" shape, text \"in\\\"side\"\n"
              "page \"Back\" (background)\n"
              "no cells changed\n"
              "> save ../saved.json\n"
              "saved ../saved.json\n");
    std::ifstream saved(folder / "saved.json");
    std::stringstream text;
    text << saved.rdbuf();
    EXPECT_NE(text.str().find("{\"name\": \"N\", \"Value\": \"1+2\"}"), std::string::npos)
        << text.str();
}

TEST_F(RunnerSessionTest, ErrorsNameTheirLineAndTheSessionGoesOn) {
    int exitCode = -1;
    std::string output = play(
        "show\n"
        "frobnicate 3\n"
        "open ../drawings/missing.json\n"
        "open ../drawings/net.json\n"
        "cell 1\n"
        "cell x PinX\n"
        "cell 9 PinX\n"
        "cell 1 User.Nope\n"
        "set 1 PinX\n"
        "set 1 PinX (1\n"
        "show extra\n"
        "cell 1 PinX\n",
        &exitCode);
    EXPECT_EQ(exitCode, 0);
    // Below the temporary folder, which errors name $TMP as every path.
    // The host names the file in the system's own way; only the temporary folder is $TMP.
    std::filesystem::path inTemporary =
        (folder / "drawings" / "missing.json")
            .lexically_relative(std::filesystem::temp_directory_path());
    const std::string missing =
        "$TMP" + std::string(1, static_cast<char>(std::filesystem::path::preferred_separator)) +
        inTemporary.make_preferred().string();
    EXPECT_EQ(output,
              "> show\n"
              "error: line 1: no drawing is open\n"
              "> frobnicate 3\n"
              "error: line 2: unknown command \"frobnicate\" (help lists the commands)\n"
              "> open ../drawings/missing.json\n"
              "error: line 3: cannot open ../drawings/missing.json: cannot read " +
                  missing +
                  "\n"
                  "> open ../drawings/net.json\n"
                  "opened ../drawings/net.json\n"
                  "> cell 1\n"
                  "error: line 5: usage: cell ID NAME\n"
                  "> cell x PinX\n"
                  "error: line 6: \"x\" is no shape ID\n"
                  "> cell 9 PinX\n"
                  "error: line 7: no shape with the ID 9 on the page\n"
                  "> cell 1 User.Nope\n"
                  "error: line 8: shape 1 has no cell User.Nope\n"
                  "> set 1 PinX\n"
                  "error: line 9: usage: set ID NAME FORMULA\n"
                  "> set 1 PinX (1\n"
                  "error: line 10: \"(1\" is no formula: Unexpected end of formula\n"
                  "> show extra\n"
                  "error: line 11: usage: show\n"
                  "> cell 1 PinX\n"
                  "shape 1 PinX: formula 0 in, value 0 in\n");
    EXPECT_EQ(runner.errorCount(), 10u);
}

TEST_F(RunnerSessionTest, AMalformedDrawingIsReportedWithWhereAndNothingOpens) {
    std::ofstream(folder / "drawings" / "bad.json")
        << "{\"pages\": [{\"name\": \"P\", \"shapes\": [{\"id\": 1, \"cells\": {\"PinZ\": "
           "\"1\"}}]}]}";
    std::string output = play("open ../drawings/bad.json\nshow\n");
    EXPECT_EQ(output,
              "> open ../drawings/bad.json\n"
              "error: line 1: cannot open ../drawings/bad.json: /pages/0/shapes/0/cells/PinZ: "
              "\"PinZ\" names no cell\n"
              "> show\n"
              "error: line 2: no drawing is open\n");
}

TEST_F(RunnerSessionTest, ASaveThatCannotWriteIsAnErrorOfItsLine) {
    std::string output = play("open ../drawings/net.json\nsave ../no/folder/x.json\nshow\n");
    EXPECT_NE(output.find("> save ../no/folder/x.json\nerror: line 2: cannot write "),
              std::string::npos)
        << output;
    EXPECT_EQ(output.find("saved"), std::string::npos);
}

// A save that Visio's own command makes (an add-on's check saves the drawing first) is
// printed like the session's; files are named as the session would name them.
TEST_F(RunnerSessionTest, EverySaveIsPrintedAndANewDrawingStartsEmpty) {
    std::string output = play("open ../drawings/net.json\nsave ../copy.json\n");
    EXPECT_EQ(output,
              "> open ../drawings/net.json\nopened ../drawings/net.json\n"
              "> save ../copy.json\nsaved ../copy.json\n");
    runner.host().application().DoCmd(visio::visCmdFileSave);
    EXPECT_EQ(out.str(), "saved ../copy.json\n");
    out.str("");
    output = play("new\nshow\nsave $TMP/qav-runner-new.json\n");
    EXPECT_EQ(output,
              "> new\nnew drawing \"Drawing1\"\n> show\ndocument \"Drawing1\"\n"
              "page \"Page-1\"\nno cells changed\n> save $TMP/qav-runner-new.json\n"
              "saved $TMP/qav-runner-new.json\n");
    std::filesystem::remove(runner.resolvePath("$TMP/qav-runner-new.json"));
}

TEST_F(RunnerSessionTest, AnUnreadableSessionFailsAndPathsResolveAsDocumented) {
    std::istringstream broken("show\n");
    broken.setstate(std::ios::badbit);
    EXPECT_NE(runner.play(broken), 0);
    std::string absolute = (folder / "x.json").string();
    EXPECT_EQ(runner.resolvePath(absolute), absolute);
    EXPECT_EQ(runner.resolvePath("../d/x.json"), (folder / "d" / "x.json").string());
    EXPECT_EQ(runner.resolvePath("$TMP/x.json"),
              (std::filesystem::temp_directory_path() / "x.json").string());
}

}  // namespace
}  // namespace runner
