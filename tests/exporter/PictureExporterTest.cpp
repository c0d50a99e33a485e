// The picture exporter: its button, the pictures one press writes (valid pictures of
// their formats, one per foreground page), the folders it resolves and creates, the
// replace question, the selection kept, and the wait at the end.
#include "exporter/PictureExporter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/os/System.h"
#include "platform/ui/WinApiConstants.h"
#include "resources/Dialog116Exporter.h"
#include "simhost/file/DrawingFile.h"
#include "simhost/host/Application.h"
#include "simhost/host/Document.h"
#include "simhost/host/Page.h"
#include "simhost/host/Selection.h"
#include "simhost/host/Window.h"
#include "simhost/os/StandInSystem.h"
#include "tests/exporter/ExporterTestHost.h"
#include "tests/support/PictureReaders.h"

namespace exportertest {
namespace {

using Names = std::vector<std::string>;
constexpr PEFormatSlot A = PEFormatSlot::A;
constexpr PEFormatSlot B = PEFormatSlot::B;

constexpr int32_t kEmf = 0, kPng = 4, kGif = 5;
constexpr char kNoDestination[] =
    "No valid Destination Path could be determined:\n\n- Your Document was not saved yet so no "
    "Relative Path exists\n- Your Settings contain an empty absolute Path";
constexpr char kNoFormats[] =
    "Picture export cannot be performed. No export formats are specified, please check your "
    "settings.";

std::string invalid(const std::string& folder) {
    return "Destination Path (" + folder + ") is not valid. Please check your settings.";
}
std::string createQuestion(const std::string& folder) {
    return "Destination Path (" + folder + ") does not exist. Should it be created?";
}
std::string replaceQuestion(const std::string& folder) {
    return "A File already exists! Do you want to replace ALL files in '" + folder + "'?";
}
std::string notCreated(const std::string& folder) {
    return "Destination Path (" + folder + ") could not be created. Please check your settings.";
}

class PictureExporterTest : public ::testing::Test {
protected:
    void SetUp() override { env.startTools(); }

    // A drawing of two foreground pages before a background page, saved in "doc".
    void openTwoPages() { env.openDrawing({"Page-1", "Page-2"}, "Background", "doc"); }
    // The file read back with its format's library where this build draws the format;
    // elsewhere the host's stand-in of the page.
    void expectPictureOf(const std::string& path, const std::string& pageName) {
        const std::string extension = path.substr(path.rfind('.') + 1);
        const std::optional<std::string> bytes = env.content(path);
        ASSERT_TRUE(bytes) << path;
        if (testsupport::PictureReader reader = testsupport::pictureReader(extension)) {
            testsupport::ReadBack back = reader(*bytes);
            EXPECT_EQ(back.problem, "") << path;
            EXPECT_TRUE(!back.pixels.rgb.empty() || !back.texts.empty() || extension == "eps");
        } else {
            EXPECT_EQ(*bytes, kStandInPicture + pageName) << path;
        }
    }
    std::string path(const std::string& folder, const std::string& name) {
        return ExporterTestHost::join(folder, name);
    }

    ExporterTestHost env;
};

TEST_F(PictureExporterTest, TheButtonIsOnWhileADocumentIsOpen) {
    const simhost::ToolbarItemProperties* button = env.button();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->tooltipText, "Export drawings of each page to seperate files");
    EXPECT_EQ(button->iconFileName, "QAVSupportTools.vsl,6");
    EXPECT_FALSE(button->enabled) << "no document yet";
    EXPECT_EQ(env.page().owner(), &env.exporter());

    auto first = env.openDrawing({"Page-1"}, "", "one");
    EXPECT_TRUE(env.button()->enabled) << "the window showing it was activated";
    auto second = env.openDrawing({"Page-1"}, "", "two");
    env.host.closeDocument(*first);
    EXPECT_TRUE(env.button()->enabled);
    env.host.closeDocument(*second);
    EXPECT_FALSE(env.button()->enabled) << "the last document closed";
    EXPECT_FALSE(env.exportPictures()) << "a disabled button runs nothing";
}

TEST_F(PictureExporterTest, EachForegroundPageBecomesOnePictureInEachFormatsFolder) {
    env.openDrawing({"Page-1", "a/b:c"}, "Background", "doc");
    const std::string pngs = env.makeFolder("pngs"), gifs = env.makeFolder("gifs");
    env.setFormat(A, 1, kPng, pngs, 0);
    env.setFormat(B, 1, kGif, gifs + os::kPathSeparator, 0);
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.filesIn(pngs), (Names{"Page-1.png", "a_b_c.png"}));
    EXPECT_EQ(env.filesIn(gifs), (Names{"Page-1.gif", "a_b_c.gif"})) << "trailing separator";
    expectPictureOf(path(pngs, "Page-1.png"), "Page-1");
    expectPictureOf(path(gifs, "a_b_c.gif"), "a/b:c");
    EXPECT_TRUE(env.messages().empty());
}

// Every format the page offers, from the example drawing: each picture shows its page
// in front of the background page.
TEST_F(PictureExporterTest, SixFormatsFromTheExampleHoldTheirPagesShapes) {
    if (!testsupport::pictureReader("png") && !testsupport::pictureReader("emf")) {
        GTEST_SKIP() << "this host draws no pictures";
    }
    std::string error;
    ASSERT_TRUE(simhost::DrawingFile::open(env.host, testsupport::pagesExamplePath(), &error))
        << error;
    const std::string out = env.makeFolder("out");
    int read = 0;
    for (int32_t format = 0; format < 6; ++format) {
        const std::string extension = dialog116::kFormatNames[static_cast<size_t>(format)];
        testsupport::PictureReader reader = testsupport::pictureReader(extension);
        if (!reader) continue;
        env.setFormat(A, 1, format, out, 0);
        env.setFormat(B, 0, 0, "", 0);
        ASSERT_TRUE(env.exportPictures());
        const std::tuple<const char*, const char*, const char*> pages[] = {{"Page-1", "p1", "t1"},
                                                                           {"Page-2", "p3", "t2"}};
        for (const auto& [page, place, transition] : pages) {
            const std::optional<std::string> bytes =
                env.content(path(out, std::string(page) + "." + extension));
            ASSERT_TRUE(bytes) << page << "." << extension;
            testsupport::expectPagesExamplePage(reader(*bytes), extension, place, transition);
            ++read;
        }
    }
    EXPECT_EQ(env.filesIn(out).size(), static_cast<size_t>(read)) << "no background picture";
}

// Names Windows keeps for devices: the part before the first dot, without its trailing
// blanks, whatever its case.
bool isDeviceName(std::string stem) {
    stem = stem.substr(0, stem.find('.'));
    stem.erase(stem.find_last_not_of(' ') + 1);
    std::transform(stem.begin(), stem.end(), stem.begin(), ::toupper);
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
    return stem.size() == 4 && (stem.rfind("COM", 0) == 0 || stem.rfind("LPT", 0) == 0) &&
           std::isdigit(static_cast<unsigned char>(stem[3]));
}

TEST_F(PictureExporterTest, TheFileNameReplacesWhatAFileNameCannotHold) {
    std::mt19937 random(5101);
    const std::string pieces[] = {"a",  "Z9",  " ",   ".",    "-_",   "\\",  "/",    ":",
                                  "*",  "?",   "\"",  "<",    ">",    "|",   "\x01", "\x1f",
                                  "\t", "con", "NUL", "Com1", "lPt9", "aux", "PRN",  "COM"};
    for (int i = 0; i < 2000; ++i) {
        std::string name;
        for (std::size_t length = random() % 4; length > 0; --length)
            name += pieces[random() % (sizeof(pieces) / sizeof(pieces[0]))];
        const std::string built = PictureExporter::buildPictureFileName("F", name, "png");
        const std::string base = built.substr(2, built.size() - 6);
        ASSERT_EQ(built.substr(0, 2), std::string("F") + os::kPathSeparator);
        ASSERT_EQ(built.substr(built.size() - 4), ".png");
        EXPECT_FALSE(isDeviceName(base)) << name;
        // Character by character, each one a file name cannot hold becomes "_"; a device
        // name takes one "_" more, right after it.
        std::string unmarked = base;
        if (isDeviceName(name)) {
            const std::size_t after = name.substr(0, name.find('.')).find_last_not_of(' ') + 1;
            ASSERT_EQ(base[after], '_') << name;
            unmarked.erase(after, 1);
        }
        ASSERT_EQ(unmarked.size(), name.size()) << name;
        for (std::size_t c = 0; c < name.size(); ++c) {
            const bool forbidden = std::string("\\/:*?\"<>|").find(name[c]) != std::string::npos ||
                                   static_cast<unsigned char>(name[c]) < 32;
            EXPECT_EQ(unmarked[c], forbidden ? '_' : name[c]) << name;
        }
    }
    EXPECT_EQ(PictureExporter::buildPictureFileName("F", "CON.txt", "png"),
              path("F", "CON_.txt.png"));
}

// Pages named as Windows names its devices, or with control characters, each get a
// picture of their own in an empty folder of the machine's files, without a question.
TEST_F(PictureExporterTest, PagesNamedLikeDevicesGetTheirPictures) {
    simhost::StandInSystem machine(simhost::StandInSystem::Files::Machine);
    const std::string out = (std::filesystem::temp_directory_path() /
                             ("qav-exporter-devices-" + std::to_string(std::random_device()())))
                                .string();
    ASSERT_TRUE(machine.makeFolders(out));
    env.openDrawing({"CON", "nul", "COM1", "LPT1.txt", "a\x01z"}, "", "doc");
    machine.install();
    env.setFormat(A, 1, kPng, out, 0);
    ASSERT_TRUE(env.exportPictures());
    env.system.install();
    Names files;
    for (const auto& entry : std::filesystem::directory_iterator(out))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    std::filesystem::remove_all(out);
    EXPECT_EQ(env.messages(), Names{});
    EXPECT_EQ(files, (Names{"COM1_.png", "CON_.png", "LPT1_.txt.png", "a_z.png", "nul_.png"}));
}

// A drive's root, or the root of the working folder's drive, is a folder like any other.
TEST_F(PictureExporterTest, PicturesGoIntoARootFolder) {
    openTwoPages();
    const std::string root = simhost::StandInSystem::kMemoryRoot;
    env.system.memoryWorkingFolder = env.makeFolder("work");
    for (const std::string& setting : {root, std::string(1, os::kPathSeparator)}) {
        env.setFormat(A, 1, kPng, setting, 0);
        env.backend.answerMessageBoxByNumber(1);
        ASSERT_TRUE(env.exportPictures());
        EXPECT_EQ(env.system.find(root + "Page-1.png"), os::PathKind::File) << setting;
        EXPECT_EQ(env.filesIn(env.system.memoryWorkingFolder), Names{}) << setting;
    }
    EXPECT_EQ(env.messages(), (Names{replaceQuestion(root)})) << "the second found the first's";
    ASSERT_FALSE(env.exportedPaths().empty());
    EXPECT_EQ(env.exportedPaths().front(), root + "Page-1.png") << "one separator after the root";
}

TEST_F(PictureExporterTest, ASingleForegroundPageMayBeNamedAfterTheDocument) {
    auto document = env.openDrawing({"Page-1"}, "Background", "doc");
    const std::string out = env.makeFolder("out");
    env.setFormat(A, 1, kPng, out, 0);
    env.page().namingException = 1;
    ASSERT_TRUE(env.exportPictures());
    document->properties().title = "Plan";
    ASSERT_TRUE(env.exportPictures());
    env.page().namingException = 0;
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.filesIn(out), (Names{"DrawingXY.png", "Page-1.png", "Plan.png"}));

    env.openDrawing({"Page-1", "Page-2"}, "", "two");
    env.page().namingException = 1;
    env.backend.answerMessageBoxByNumber(1);
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.filesIn(out), (Names{"DrawingXY.png", "Page-1.png", "Page-2.png", "Plan.png"}))
        << "with two pages the exception does not apply (Page-1 was replaced)";
    EXPECT_EQ(env.backend.messageBoxes().size(), 1u) << "the question about Page-1";
}

TEST_F(PictureExporterTest, RelativeFoldersStartAtTheDocumentsFolder) {
    openTwoPages();
    const std::string doc = env.makeFolder("doc");
    env.makeFolder("doc/pics");
    env.setFormat(A, 1, kPng, "", 1);
    env.setFormat(B, 1, kEmf, std::string("pics") + os::kPathSeparator, 1);
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.filesIn(doc), (Names{"Page-1.png", "Page-2.png"}));
    EXPECT_EQ(env.filesIn(path(doc, "pics")), (Names{"Page-1.emf", "Page-2.emf"}));
    // "\pics", which the page counts as relative on Windows, is in the document's folder.
    const std::string fromSeparator = os::kPathSeparator + std::string("pics");
    if (PEPropertyPage::relativeFlagOf(fromSeparator) == 1) {
        env.setFormat(A, 0, kPng, "", 1);
        env.setFormat(B, 1, kPng, fromSeparator, 1);
        ASSERT_TRUE(env.exportPictures());
        EXPECT_EQ(env.filesIn(path(doc, "pics")),
                  (Names{"Page-1.emf", "Page-1.png", "Page-2.emf", "Page-2.png"}));
        env.setFormat(A, 1, kPng, "", 1);
    }

    // An unsaved document has no folder; an empty absolute setting names none either.
    env.openDrawing({"Page-1"}, "", "");
    env.setFormat(B, 1, kEmf, "", 0);
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.messages(), (Names{kNoDestination, kNoDestination}));
    EXPECT_EQ(env.backend.messageBoxes().back().type, ui::kMbOk | ui::kMbIconStop);
}

TEST_F(PictureExporterTest, AMissingFolderIsMadeFromTheTopDownOnlyAfterYes) {
    openTwoPages();
    const std::string base = env.makeFolder("base");
    const std::string missing = path(path(path(base, "a"), "b"), "c");
    env.setFormat(A, 1, kPng, missing, 0);
    env.backend.answerMessageBox(ui::kIdNo);
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.messages(), (Names{createQuestion(missing), invalid(missing)}));
    EXPECT_EQ(env.system.find(path(base, "a")), os::PathKind::None);

    env.backend.answerMessageBox(ui::kIdYes);
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.backend.messageBoxes()[2].type, ui::kMbYesNo | ui::kMbIconQuestion);
    EXPECT_EQ(env.filesIn(missing), (Names{"Page-1.png", "Page-2.png"}));
    EXPECT_EQ(env.messages().size(), 3u);

    // A file where the folder should be: not valid, and nothing is asked.
    ASSERT_TRUE(env.system.writeFile(path(base, "file"), "x"));
    env.setFormat(A, 1, kPng, path(base, "file"), 0);
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.messages().back(), invalid(path(base, "file")));
    EXPECT_EQ(env.messages().size(), 4u);
}

// The folder is resolved once, from the working folder when it is not relative, and that
// one path is asked about, made level by level from the top and written into.
TEST_F(PictureExporterTest, OneResolvedFolderIsAskedAboutMadeAndWrittenInto) {
    openTwoPages();
    const std::string base = env.makeFolder("base");
    const std::string sep(1, os::kPathSeparator);
    const std::string resolved = path(base, "y");
    env.setFormat(A, 1, kPng, base + sep + "x" + sep + ".." + sep + sep + "y" + sep + ".", 0);
    env.backend.answerMessageBox(ui::kIdYes);
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.messages(), (Names{createQuestion(resolved)}));
    EXPECT_EQ(env.filesIn(resolved), (Names{"Page-1.png", "Page-2.png"}));
    EXPECT_EQ(env.system.find(path(base, "x")), os::PathKind::None);

    // A relative folder, not ticked relative: from the working folder, its first level
    // made too.
    env.system.memoryWorkingFolder = base;
    env.setFormat(A, 1, kPng, "new" + sep + "pics", 0);
    env.backend.answerMessageBox(ui::kIdYes);
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.messages().back(), createQuestion(path(path(base, "new"), "pics")));
    EXPECT_EQ(env.filesIn(path(path(base, "new"), "pics")), (Names{"Page-1.png", "Page-2.png"}));

    // A level that cannot be made (a file is in its way): one message, naming the folder.
    ASSERT_TRUE(env.system.writeFile(path(base, "file"), "x"));
    const std::string blocked = path(path(base, "file"), "pics");
    env.setFormat(A, 1, kPng, blocked, 0);
    env.backend.answerMessageBox(ui::kIdYes);
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.messages(),
              (Names{createQuestion(resolved), createQuestion(path(path(base, "new"), "pics")),
                     createQuestion(blocked), notCreated(blocked)}));
}

// Whatever the page names, one export writes one file per page, none replacing another
// of the same export, and asks nothing in a folder that held none of them.
TEST_F(PictureExporterTest, PagesWhoseNamesCleanAlikeGetFilesOfTheirOwn) {
    // What the pictures show does not matter here: each file holds its page's name.
    env.host.application().hooks().exportPage = [](simhost::Page& page, const std::string& to) {
        os::System::current().writeFile(to, page.name());
    };
    std::mt19937 random(5103);
    const std::string letters = "aA/:_2";
    for (int round = 0; round < 40; ++round) {
        Names pages;
        while (pages.size() < 2 + random() % 5) {
            std::string name;
            for (std::size_t length = 1 + random() % 3; length > 0; --length)
                name += letters[random() % letters.size()];
            if (std::find(pages.begin(), pages.end(), name) == pages.end()) pages.push_back(name);
        }
        env.openDrawing(pages, "", "doc");
        const std::string out = env.makeFolder("out" + std::to_string(round));
        env.setFormat(A, 1, kPng, out, 0);
        env.setFormat(B, 1, kPng, out, 0);
        const auto before = env.exportedPaths().size();
        ASSERT_TRUE(env.exportPictures());
        const Names all = env.exportedPaths();
        const Names exported(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
        std::set<std::string> folded;
        for (std::string file : exported) {
            std::transform(file.begin(), file.end(), file.begin(), ::tolower);
            folded.insert(file);
        }
        EXPECT_EQ(exported.size(), pages.size()) << "B has the same pictures to write as A";
        EXPECT_EQ(folded.size(), exported.size()) << "a name used twice";
        EXPECT_EQ(env.filesIn(out).size(), exported.size());
        EXPECT_TRUE(env.messages().empty()) << env.messages().front();
    }

    // "a/b" and "a:b" in a folder that holds an a_b.png from before: that one is asked
    // about, the second page takes the next name.
    env.openDrawing({"a/b", "a:b"}, "", "doc");
    const std::string out = env.makeFolder("again");
    ASSERT_TRUE(env.system.writeFile(path(out, "a_b.png"), "old"));
    env.setFormat(A, 1, kPng, out, 0);
    env.setFormat(B, 0, kPng, out, 0);
    env.backend.answerMessageBoxByNumber(2);
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.messages(), (Names{replaceQuestion(out)}));
    EXPECT_EQ(env.filesIn(out), (Names{"a_b.png", "a_b_2.png"}));
}

// Visio's page export answers nothing: a picture that is not there afterwards is named,
// with its file, in one message after all pages.
TEST_F(PictureExporterTest, PicturesThatCouldNotBeWrittenAreNamedInOneMessage) {
    env.openDrawing({"Page-1", "Page-2", "Page-3"}, "", "doc");
    auto draw = env.host.application().hooks().exportPage;
    env.host.application().hooks().exportPage = [&](simhost::Page& page, const std::string& to) {
        if (page.name() != "Page-2") draw(page, to);
    };
    const std::string pngs = env.makeFolder("pngs"), gifs = env.makeFolder("gifs");
    env.makeFolder("gifs/Page-3.gif");  // a folder in the way: found, but not deleted as a file
    env.setFormat(A, 1, kPng, pngs, 0);
    env.setFormat(B, 1, kGif, gifs, 0);
    env.backend.answerMessageBoxByNumber(1);
    ASSERT_TRUE(env.exportPictures());
    const Names messages = env.messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], replaceQuestion(gifs));
    EXPECT_EQ(messages[2],
              "The pictures of these pages could not be written:\n\n- page 'Page-2' to '" +
                  path(pngs, "Page-2.png") + "'\n- page 'Page-2' to '" + path(gifs, "Page-2.gif") +
                  "'\n- page 'Page-3' to '" + path(gifs, "Page-3.gif") + "'");
    EXPECT_EQ(env.backend.messageBoxes().back().type, ui::kMbOk | ui::kMbIconStop);
}

TEST_F(PictureExporterTest, ReplaceAllAsksOnceAndReplaceOneAsksAgain) {
    openTwoPages();
    const std::string out = env.makeFolder("out");
    for (const char* name : {"Page-1.png", "Page-2.png"}) {
        ASSERT_TRUE(env.system.writeFile(path(out, name), "old"));
    }
    env.setFormat(A, 1, kPng, out, 0);
    env.backend.answerMessageBoxByNumber(1);
    ASSERT_TRUE(env.exportPictures());
    ASSERT_EQ(env.messages(), (Names{replaceQuestion(out)}));
    EXPECT_EQ(env.backend.messageBoxes()[0].buttonTexts(),
              (Names{"Replace ALL", "Replace ONE", "Cancel"}));
    expectPictureOf(path(out, "Page-1.png"), "Page-1");
    expectPictureOf(path(out, "Page-2.png"), "Page-2");

    env.backend.answerMessageBoxByNumber(2);
    env.backend.answerMessageBoxByNumber(2);
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.messages().size(), 3u);
    EXPECT_EQ(env.exportedPaths().size(), 4u);
}

TEST_F(PictureExporterTest, CancelEndsOneFormatAndTheOtherFindsItsFiles) {
    openTwoPages();
    const std::string out = env.makeFolder("out");
    ASSERT_TRUE(env.system.writeFile(path(out, "Page-1.png"), "old"));
    // A cancelled, B in the same folder and format: B finds what is there and asks too.
    env.setFormat(A, 1, kPng, out, 0);
    env.setFormat(B, 1, kPng, out, 0);
    env.backend.answerMessageBoxByNumber(3);
    env.backend.answerMessageBoxByNumber(2);
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.messages(), (Names{replaceQuestion(out), replaceQuestion(out)}));
    EXPECT_EQ(env.exportedPaths().size(), 2u) << "A wrote nothing";
    EXPECT_EQ(env.filesIn(out), (Names{"Page-1.png", "Page-2.png"}));
    expectPictureOf(path(out, "Page-1.png"), "Page-1");

    // A replaces both pictures; B, alike, finds each page's picture written by this same
    // export and neither copies it under another name nor asks about it.
    env.backend.answerMessageBoxByNumber(1);
    const auto before = env.exportedPaths().size();
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.messages().size(), 3u);
    EXPECT_EQ(env.exportedPaths().size(), before + 2);
    EXPECT_EQ(env.filesIn(out), (Names{"Page-1.png", "Page-2.png"}));
}

TEST_F(PictureExporterTest, AFileThatWillNotGiveWayIsKeptWithAMessage) {
    openTwoPages();
    const std::string out = env.makeFolder("out");
    env.makeFolder("out/Page-1.png");  // a folder: found, but not replaced as a file
    ASSERT_TRUE(env.system.writeFile(path(out, "Page-2.png"), "old"));
    env.setFormat(A, 1, kPng, out, 0);
    env.backend.answerMessageBoxByNumber(1);
    env.backend.answerMessageBoxByNumber(1);
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.messages(),
              (Names{replaceQuestion(out),
                     "An unexpected error has occured during export! Maybe the file '" +
                         path(out, "Page-1.png") + "' is in use.",
                     replaceQuestion(out),
                     "The pictures of these pages could not be written:\n\n- page 'Page-1' to '" +
                         path(out, "Page-1.png") + "'"}))
        << "replacing all failed, so the next file is asked about again";
    EXPECT_EQ(env.filesIn(out), (Names{"Page-2.png"})) << "nothing left beside them";
    EXPECT_EQ(env.system.find(path(out, "Page-1.png")), os::PathKind::Directory);
    expectPictureOf(path(out, "Page-2.png"), "Page-2");
}

TEST_F(PictureExporterTest, TheSelectionComesBackAndTheExportRunsWithNothingSelected) {
    auto document = env.openDrawing({"Page-1"}, "", "doc");
    simhost::Page& page = *document->page(1);
    simhost::Window& window = *env.host.application().activeWindow();
    env.host.select(*page.findShape(2));
    env.host.select(*page.findShape(1));
    std::vector<int32_t> selectedDuringExport;
    auto draw = env.host.application().hooks().exportPage;
    env.host.application().hooks().exportPage = [&](simhost::Page& p, const std::string& to) {
        selectedDuringExport.push_back(window.Selection()->Count());
        draw(p, to);
    };
    env.setFormat(A, 1, kPng, env.makeFolder("out"), 0);
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(selectedDuringExport, (std::vector<int32_t>{0}));
    auto selection = window.Selection();
    ASSERT_EQ(selection->Count(), 2);
    EXPECT_EQ(selection->Item(1)->ID(), 1) << "selected again in reverse order";
    EXPECT_EQ(selection->Item(2)->ID(), 2);

    // Without a format nothing is written, and the selection still comes back.
    env.setFormat(A, 0, kPng, "", 0);
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.messages(), (Names{kNoFormats}));
    EXPECT_EQ(env.backend.messageBoxes().back().type, ui::kMbOk);
    EXPECT_EQ(selectedDuringExport.size(), 1u);
    EXPECT_EQ(window.Selection()->Count(), 2);
}

TEST_F(PictureExporterTest, AFormatNumberOutsideTheListIsSkippedWithAMessage) {
    openTwoPages();
    const std::string out = env.makeFolder("out");
    env.setFormat(A, 1, 6, path(out, "missing"), 0);
    env.setFormat(B, 1, -1, out, 0);
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.messages(),
              (Names{"Pictures in the first export format are not written: the format number 6 in "
                     "your settings names no picture format. Please choose one in your settings.",
                     "Pictures in the second export format are not written: the format number -1 "
                     "in your settings names no picture format. Please choose one in your "
                     "settings."}))
        << "no question about the missing folder";
    EXPECT_TRUE(env.exportedPaths().empty());
}

// The wait counts from the start, or from the last answer to the replace question.
TEST_F(PictureExporterTest, TheFinalWaitEndsASecondAfterTheLastMark) {
    openTwoPages();
    const std::string out = env.makeFolder("out");
    env.setFormat(A, 1, kPng, out, 0);
    env.system.setTickCount(0xFFFFFF00u);  // the count wraps during the wait
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.system.tickCount(), 0xFFFFFF00u + 1000u);

    env.system.setTickCount(5000);
    env.backend.answerMessageBoxWith([&](ui::WindowHandle) {
        env.system.advanceTicks(3000);  // the user thinks
        return 0;
    });
    env.backend.answerMessageBoxByNumber(1);
    ASSERT_TRUE(env.exportPictures());
    EXPECT_EQ(env.system.tickCount(), 5000u + 3000u + 1000u);
}

}  // namespace
}  // namespace exportertest
