// The examples: every drawing of examples/drawings opens in the runner and shows without
// an error, the generated ones are what the generator writes today (nobody edited them
// by hand), and the main session plays through.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/ExampleDrawings.h"
#include "app/Runner.h"
#include "simhost/file/DrawingFile.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Shapes.h"

namespace runner {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(QAV_SOURCE_DIR) / "examples";

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ExampleDrawingsTest : public ::testing::Test {
protected:
    // The commands of qavhost.
    void SetUp() override { addAllCommands(runner); }

    std::string play(const std::string& session) {
        std::istringstream in(session);
        EXPECT_EQ(runner.play(in), 0);
        std::string text = out.str();
        out.str("");
        return text;
    }

    std::ostringstream out;
    Runner runner{out};
};

TEST_F(ExampleDrawingsTest, EveryExampleDrawingOpensAndShows) {
    std::vector<fs::path> drawings;
    for (const auto& entry : fs::directory_iterator(kExamples / "drawings"))
        if (entry.path().extension() == ".json") drawings.push_back(entry.path());
    EXPECT_GE(drawings.size(), 6u);
    for (const fs::path& drawing : drawings) {
        std::string output = play("open " + drawing.string() + "\nshow\n");
        EXPECT_EQ(output.find("error"), std::string::npos) << output;
        EXPECT_NE(output.find("opened " + drawing.string() + "\n"), std::string::npos) << output;
        EXPECT_NE(output.find("\nno cells changed\n"), std::string::npos) << output;
    }
}

TEST_F(ExampleDrawingsTest, TheGeneratedExamplesAreWhatTheGeneratorWrites) {
    fs::path folder = fs::temp_directory_path() / "qav-example-drawings-test";
    fs::create_directories(folder);
    for (const std::string& kind : ExampleDrawings::kinds()) {
        if (ExampleDrawings::takesSize(kind)) continue;
        fs::path file = folder / (kind + ".json");
        std::string output = play("generate " + kind + " " + file.string() + "\n");
        EXPECT_EQ(output.find("error"), std::string::npos) << output;
        EXPECT_EQ(readFile(file), readFile(kExamples / "drawings" / (kind + ".json")))
            << kind << ".json differs from what examples/sessions/generate.qav writes";
    }
    fs::remove_all(folder);
}

TEST_F(ExampleDrawingsTest, TheSizedPetriNetsHaveTheElementsAskedFor) {
    std::string problems;
    auto document =
        ExampleDrawings::build(runner.host(), "large-petri-net", "large.json", 400, &problems);
    ASSERT_TRUE(document);
    EXPECT_EQ(problems, "");
    const auto& shapes = document->page(1)->shapeCollection().list();
    EXPECT_EQ(shapes.size(), 399u);  // 100 places, 100 transitions, 199 arcs
    int glued = 0;
    for (const auto& shape : shapes) glued += shape->Connects()->Count();
    EXPECT_EQ(glued, 2 * 199);

    // 100 transitions, 42 places, each transition with 5 to 8 arcs glued at both ends.
    auto dense =
        ExampleDrawings::build(runner.host(), "dense-petri-net", "dense.json", 800, &problems);
    ASSERT_TRUE(dense);
    EXPECT_EQ(problems, "");
    const auto& elements = dense->page(1)->shapeCollection().list();
    const size_t arcs = elements.size() - 142;
    EXPECT_GE(arcs, 500u);
    EXPECT_LE(arcs, 800u);
    glued = 0;
    for (const auto& shape : elements) glued += shape->Connects()->Count();
    EXPECT_EQ(glued, static_cast<int>(2 * arcs));
}

TEST_F(ExampleDrawingsTest, TheMainSessionPlaysThrough) {
    std::ifstream session(kExamples / "sessions" / "main.qav");
    ASSERT_TRUE(session);
    runner.setBaseFolder((kExamples / "sessions").string());
    std::ostringstream script;
    script << session.rdbuf();
    std::string output = play(script.str());
#if !defined(QAV_HAVE_CAIRO) && !defined(QAV_HAVE_WINDOWS_GRAPHICS)
    // A host without a renderer draws no pictures: the pages' PNGs are the one thing refused.
    for (size_t refused = output.find("error: line "); refused != std::string::npos;
         refused = output.find("error: line ", refused)) {
        const size_t end = output.find('\n', refused) + 1;
        if (output.find("format not supported by this host", refused) > end) break;
        output.erase(refused, end - refused);
    }
#endif
    EXPECT_EQ(output.find("error"), std::string::npos) << output;
    EXPECT_NE(output.find("refused: shape 1 Height is guarded\n"), std::string::npos) << output;
    EXPECT_NE(output.find("saved $TMP/qavhost-main-saved.json\n"), std::string::npos) << output;
    std::string error;
    std::string saved = runner.resolvePath("$TMP/qavhost-main-saved.json");
    auto reopened = simhost::DrawingFile::open(runner.host(), saved, &error);
    ASSERT_TRUE(reopened) << error;
    EXPECT_EQ(reopened->page(1)->findShape(1)->formula("User.Weight"), "5");
    fs::remove(saved);
    fs::remove(runner.resolvePath("$TMP/qavhost-main-net.json"));
    fs::remove(runner.resolvePath("$TMP/qavhost-main-checked.png"));
    fs::remove(runner.resolvePath("$TMP/qavhost-main-simulated.png"));
    EXPECT_NE(output.find("marker CC2PNS-CC_Leaved_CheckingState\n> looks\nno shape"),
              std::string::npos)
        << output;
}

}  // namespace
}  // namespace runner
