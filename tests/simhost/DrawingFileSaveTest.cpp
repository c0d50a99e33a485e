// Drawing files in the host's own document life: opening one is a document-opened event
// with a window on its first page; Visio's save commands write the file between the
// host's save events, and a file that cannot be written is no save.
#include <gtest/gtest.h>

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Application.h"
#include "tests/simhost/DrawingFileFixture.h"
#include "tests/support/EventRecorder.h"

namespace simhost {
namespace {

using namespace visio;
using testing::readFile;

class DrawingFileSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        DrawingFile::attach(host.application(),
                            [this](const std::string& error) { reports.push_back(error); });
        recorder.subscribeAll();
    }

    // A drawing file written from a document of the host.
    std::string writeDrawing(const std::string& name) {
        auto document = host.newDocument();
        auto shape = host.addShape(*document->page(1), ShapeSpec::box(2, 2, 1, 1).name("Box"));
        host.setFormula(*shape, "User.Marking", "2");
        std::string file = folder.file(name);
        std::string error;
        EXPECT_TRUE(DrawingFile::save(*document, file, &error)) << error;
        host.closeDocument(*document);
        recorder.clear();
        return file;
    }

    Host host;
    testing::ScratchFolder folder;
    testsupport::EventRecorder recorder{host.application()};
    std::vector<std::string> reports;
};

TEST_F(DrawingFileSaveTest, OpeningAFileIsADocumentOpenedWithItsNameAndPath) {
    std::string file = writeDrawing("net.json");
    std::vector<std::string> seenWhenBuilt;
    std::string error;
    auto document = DrawingFile::open(host, file, &error, [&](Document& d) {
        seenWhenBuilt.push_back(d.page(1)->findShape(1)->formula("User.Marking"));
    });
    ASSERT_TRUE(document) << error;
    EXPECT_EQ(seenWhenBuilt, std::vector<std::string>{"2"});
    EXPECT_EQ(recorder.codes(), (std::vector<int16_t>{visEvtCodeDocOpen, visEvtCodeWinActivate,
                                                      visEvtCodeNoEventsPending}));
    EXPECT_EQ(document->Name(), "net.json");
    EXPECT_EQ(document->FullName(), file);
    EXPECT_TRUE(document->Saved());
    EXPECT_EQ(host.application().activePage(), document->page(1));
}

TEST_F(DrawingFileSaveTest, SaveWritesTheFileBetweenTheSaveEvents) {
    std::string file = writeDrawing("net.json");
    auto document = DrawingFile::open(host, file, nullptr);
    ASSERT_TRUE(document);
    std::vector<bool> fileAtBeforeSave;
    recorder.onEvent(visEvtCodeBefDocSave, [&](const testsupport::EventRecorder::Received&) {
        fileAtBeforeSave.push_back(std::filesystem::exists(file));
    });
    host.setFormula(*document->page(1)->findShape(1), "User.Marking", "3");
    std::filesystem::remove(file);
    recorder.clear();

    host.application().DoCmd(visCmdFileSave);
    host.pump();
    EXPECT_EQ(recorder.codesWithoutIdle(),
              (std::vector<int16_t>{visEvtCodeBefDocSave, visEvtCodeDocSave}));
    EXPECT_EQ(fileAtBeforeSave, std::vector<bool>{false});
    EXPECT_TRUE(document->Saved());
    EXPECT_NE(readFile(file).find("\"Value\": \"3\""), std::string::npos);
    EXPECT_TRUE(reports.empty());
}

TEST_F(DrawingFileSaveTest, SaveThenOpenThenSaveGivesTheSameBytes) {
    std::string file = writeDrawing("net.json");
    auto document = DrawingFile::open(host, file, nullptr);
    host.saveDocument(*document);
    std::string first = readFile(file);
    host.closeDocument(*document);
    auto reopened = DrawingFile::open(host, file, nullptr);
    host.saveDocument(*reopened);
    EXPECT_EQ(readFile(file), first);
}

TEST_F(DrawingFileSaveTest, SaveAsWritesTheNewFileAndTheDocumentTakesItsName) {
    std::string file = writeDrawing("net.json");
    auto document = DrawingFile::open(host, file, nullptr);
    std::string copy = folder.file("copy.json");
    host.answerSaveAs(copy);
    host.application().DoCmd(visCmdFileSaveAs);
    host.pump();
    EXPECT_EQ(recorder.codesWithoutIdle(),
              (std::vector<int16_t>{visEvtCodeDocOpen, visEvtCodeWinActivate,
                                    visEvtCodeBefDocSaveAs, visEvtCodeDocSaveAs}));
    EXPECT_EQ(document->FullName(), copy);
    auto reopened = DrawingFile::open(host, copy, nullptr);
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->page(1)->findShape(1)->formula("User.Marking"), "2");
}

TEST_F(DrawingFileSaveTest, AFileThatCannotBeWrittenIsNoSave) {
    std::string file = writeDrawing("net.json");
    auto document = DrawingFile::open(host, file, nullptr);
    host.setFormula(*document->page(1)->findShape(1), "User.Marking", "3");
    recorder.clear();
    std::string unwritable = folder.file("missing-folder/copy.json");
    host.saveDocumentAs(*document, unwritable);
    EXPECT_EQ(recorder.codesWithoutIdle(), std::vector<int16_t>{visEvtCodeBefDocSaveAs});
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].rfind("cannot write " + unwritable + ": ", 0), 0u) << reports[0];
    EXPECT_EQ(document->FullName(), file);
    EXPECT_FALSE(document->Saved());
    EXPECT_FALSE(std::filesystem::exists(unwritable));
    EXPECT_NE(readFile(file).find("\"Value\": \"2\""), std::string::npos);
}

}  // namespace
}  // namespace simhost
