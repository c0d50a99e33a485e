#include "core/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "tests/core/PreferencesTestHost.h"

namespace prefstest {
namespace {

using Result = SettingsFile::WriteResult;
using namespace std::string_literals;

constexpr char kFloating[] = "PP_FloatingToolbar";

class SettingsFileTest : public ::testing::Test {
protected:
    SettingsFileTest() : file(env.settingsPath()) {}

    std::string contentAfterWriting(const std::string& before, const std::string& key,
                                    const std::string& value) {
        env.writeSettings(before);
        EXPECT_EQ(file.write(key, value), Result::Written);
        return env.settings().value_or("(no file)");
    }
    std::string valueOf(const std::string& key) {
        std::string value = "(not found)";
        file.read(key, &value, nullptr);
        return value;
    }

    PreferencesTestHost env;
    SettingsFile file;
};

TEST_F(SettingsFileTest, TheFileLivesInTheRoamingSettingsFolderAndNowhereWithoutOne) {
    EXPECT_EQ(SettingsFile::defaultPath(), env.settingsPath());
    env.system.settingsFolder.clear();
    EXPECT_EQ(SettingsFile::defaultPath(), "");
    SettingsFile nowhere(SettingsFile::defaultPath());
    EXPECT_EQ(nowhere.write(kFloating, "TRUE"), Result::NoFolder);
    EXPECT_FALSE(nowhere.read(kFloating, nullptr, nullptr));
}

TEST_F(SettingsFileTest, AWriteReplacesTheKeysLineInPlaceAndKeepsTheOthers) {
    const std::string before =
        "PP_ShowQAVSupportTools=TRUE\r\nPP_FloatingToolbar=FALSE\r\n"
        "CC_SaveBefore=TRUE\r\n";
    EXPECT_EQ(contentAfterWriting(before, kFloating, "TRUE"),
              "PP_ShowQAVSupportTools=TRUE\r\nPP_FloatingToolbar=TRUE\r\nCC_SaveBefore=TRUE\r\n")
        << "lengthened";
    EXPECT_EQ(contentAfterWriting(before, kFloating, "0"),
              "PP_ShowQAVSupportTools=TRUE\r\nPP_FloatingToolbar=0\r\nCC_SaveBefore=TRUE\r\n")
        << "shortened";
}

TEST_F(SettingsFileTest, AnAbsentKeyIsAppendedAndAMissingFileIsCreatedWithOneLine) {
    EXPECT_EQ(contentAfterWriting("CC_SaveBefore=TRUE\r\n", kFloating, "FALSE"),
              "CC_SaveBefore=TRUE\r\nPP_FloatingToolbar=FALSE\r\n");
    env.system.deleteFile(env.settingsPath());
    EXPECT_EQ(file.write(kFloating, "TRUE"), Result::Written);
    EXPECT_EQ(env.settings(), "PP_FloatingToolbar=TRUE\r\n");
}

TEST_F(SettingsFileTest, ReadingFindsTheWholeValueAndTheLinesOffset) {
    env.writeSettings("CC_SaveBefore=TRUE\r\nPE_Destination_A=C:\\a=b\\pics\r\nPE_Empty=\r\n");
    std::string value;
    int32_t offset = -1;
    ASSERT_TRUE(file.read("PE_Destination_A", &value, &offset));
    EXPECT_EQ(value, "C:\\a=b\\pics") << "only the first \"=\" separates";
    EXPECT_EQ(offset, 20);
    ASSERT_TRUE(file.read("PE_Empty", &value, &offset));
    EXPECT_EQ(value, "") << "an empty value is found";
    EXPECT_EQ(offset, 50);
}

TEST_F(SettingsFileTest, AMissingKeyOrFileLeavesBothTargetsAsTheyWere) {
    std::string value = "kept";
    int32_t offset = 7;
    EXPECT_FALSE(file.read(kFloating, &value, &offset)) << "no file";
    env.writeSettings("pp_floatingtoolbar=TRUE\r\nPP_FloatingToolbarX=TRUE\r\n");
    EXPECT_FALSE(file.read(kFloating, &value, &offset)) << "keys are whole and case-sensitive";
    EXPECT_EQ(value, "kept");
    EXPECT_EQ(offset, 7);
}

TEST_F(SettingsFileTest, LinesThatAreNoSettingsAndOtherKeysComeThroughEveryWrite) {
    const std::string others =
        "# a comment\r\n\r\n=TRUE\r\nno equals sign\r\nCC_SaveBefore=TRUE\r\n";
    EXPECT_EQ(contentAfterWriting(others, kFloating, "TRUE"),
              others + "PP_FloatingToolbar=TRUE\r\n");
    EXPECT_EQ(contentAfterWriting(others + "PP_FloatingToolbar=TRUE\r\n" + others, kFloating, "F"),
              others + "PP_FloatingToolbar=F\r\n" + others);
    EXPECT_EQ(valueOf(""), "(not found)") << "a line starting with \"=\" has no key";
}

TEST_F(SettingsFileTest, OfTwoLinesWithTheKeyTheFirstIsReadAndReplaced) {
    env.writeSettings("A=1\r\nPP_FloatingToolbar=FIRST\r\nB=2\r\nPP_FloatingToolbar=SECOND\r\n");
    EXPECT_EQ(valueOf(kFloating), "FIRST");
    EXPECT_EQ(file.write(kFloating, "NEW"), Result::Written);
    EXPECT_EQ(env.settings(),
              "A=1\r\nPP_FloatingToolbar=NEW\r\nB=2\r\nPP_FloatingToolbar=SECOND\r\n");
}

// Files edited by hand: whatever they hold, a write changes only its key's line.

TEST_F(SettingsFileTest, ALastLineWithoutLineEndIsReadAndNeverMergedWithANewLine) {
    env.writeSettings("A=1\r\nPP_FloatingToolbar=FALSE");
    EXPECT_EQ(valueOf(kFloating), "FALSE");
    EXPECT_EQ(contentAfterWriting("A=1\r\nPP_FloatingToolbar=FALSE", kFloating, "TRUE"),
              "A=1\r\nPP_FloatingToolbar=TRUE\r\n");
    EXPECT_EQ(contentAfterWriting("A=1\r\nB=2", kFloating, "TRUE"),
              "A=1\r\nB=2\r\nPP_FloatingToolbar=TRUE\r\n");
    EXPECT_EQ(valueOf("B"), "2");
}

TEST_F(SettingsFileTest, LinesEndedByALoneCrOrLfAreLinesOfTheirOwn) {
    EXPECT_EQ(contentAfterWriting("A=1\rPP_FloatingToolbar=FALSE\rB=2\r", kFloating, "TRUE"),
              "A=1\rPP_FloatingToolbar=TRUE\r\nB=2\r");
    EXPECT_EQ(valueOf("B"), "2");
    EXPECT_EQ(contentAfterWriting("A=1\nPP_FloatingToolbar=FALSE\nB=2\n", kFloating, "TRUE"),
              "A=1\nPP_FloatingToolbar=TRUE\r\nB=2\n");
    EXPECT_EQ(contentAfterWriting("A=1\r", "B", "2"), "A=1\rB=2\r\n");
}

TEST_F(SettingsFileTest, VeryLongLinesAreLinesAsAWhole) {
    const std::string longValue(5000, 'x');
    // A line longer than 999 characters whose later part looks like a setting.
    const std::string lookalike = "X=" + std::string(997, 'a') + "PP_FloatingToolbar=EVIL\r\n";
    const std::string before = "A=" + longValue + "\r\n" + lookalike;
    env.writeSettings(before);
    EXPECT_EQ(valueOf(kFloating), "(not found)");
    EXPECT_EQ(valueOf("A"), longValue);
    EXPECT_EQ(contentAfterWriting(before, kFloating, "TRUE"),
              before + "PP_FloatingToolbar=TRUE\r\n");
    EXPECT_EQ(contentAfterWriting(before, "A", "short"), "A=short\r\n" + lookalike);
    EXPECT_EQ(contentAfterWriting("K=old\r\n", "K", longValue), "K=" + longValue + "\r\n");
}

TEST_F(SettingsFileTest, NulBytesAreKeptAndDoNotEndALine) {
    const std::string before = "A=\0\0x\r\nPP_FloatingToolbar=F\0ALSE\r\n\0\0\0B=2\r\n"s;
    env.writeSettings(before);
    EXPECT_EQ(valueOf(kFloating), "F\0ALSE"s);
    EXPECT_EQ(contentAfterWriting(before, kFloating, "TRUE"),
              "A=\0\0x\r\nPP_FloatingToolbar=TRUE\r\n\0\0\0B=2\r\n"s);
}

TEST_F(SettingsFileTest, ABinaryFileKeepsEveryByteWhenASettingIsAdded) {
    std::mt19937 random(20241207);
    std::string binary;
    for (int i = 0; i < 20000; ++i) binary += static_cast<char>(random() & 0xFF);
    binary += "Z";  // ends without line end
    const std::string after = contentAfterWriting(binary, kFloating, "TRUE");
    EXPECT_EQ(after.substr(0, binary.size()), binary);
    EXPECT_EQ(after.substr(binary.size()), "\r\nPP_FloatingToolbar=TRUE\r\n");
    EXPECT_EQ(valueOf(kFloating), "TRUE");
}

TEST_F(SettingsFileTest, TextThatWouldNotReadBackIsRefusedAndTheFileKept) {
    const std::string before = "A=1\r\n";
    env.writeSettings(before);
    EXPECT_EQ(file.write("B", "two\r\nC=3"), Result::RefusedText) << "a line break in the value";
    EXPECT_EQ(file.write("B", "nul\0"s), Result::RefusedText);
    EXPECT_EQ(file.write("B=C", "1"), Result::RefusedText) << "a key cannot hold \"=\"";
    EXPECT_EQ(file.write("", "1"), Result::RefusedText);
    EXPECT_EQ(file.write("B\n", "1"), Result::RefusedText);
    EXPECT_EQ(env.settings(), before);
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadIsNotReplaced) {
    // A folder in the file's place: it exists, but cannot be read as a file.
    env.system.createDirectory(env.settingsPath());
    EXPECT_FALSE(file.read(kFloating, nullptr, nullptr));
    EXPECT_EQ(file.write(kFloating, "TRUE"), Result::Unreadable);
    EXPECT_EQ(env.system.find(env.settingsPath()), os::PathKind::Directory);
}

TEST_F(SettingsFileTest, AWriteThatCannotBeFinishedLeavesTheFileAsItWas) {
    const std::string before = "A=1\r\nPP_FloatingToolbar=FALSE\r\nB=2\r\n";
    env.writeSettings(before);
    // The new content goes beside the file first; here it cannot.
    env.system.createDirectory(env.settingsPath() + ".new");
    EXPECT_EQ(file.write(kFloating, "TRUE"), Result::NotWritten);
    EXPECT_EQ(env.settings(), before);

    SettingsFile inMissingFolder(env.system.settingsFolder + os::kPathSeparator + "missing" +
                                 os::kPathSeparator + SettingsFile::kFileName);
    EXPECT_EQ(inMissingFolder.write(kFloating, "TRUE"), Result::NotWritten);
}

TEST_F(SettingsFileTest, AWriteLeavesNothingBesideTheFile) {
    env.writeSettings("A=1\r\n");
    const std::vector<std::string> before = env.system.memoryPaths();
    ASSERT_EQ(file.write(kFloating, "TRUE"), Result::Written);
    EXPECT_EQ(env.system.memoryPaths(), before);
}

#ifndef _WIN32
// On the machine's own files: a settings file that is a symbolic link (kept with the
// user's other configuration files, say) stays a link, and its target gets the setting
// and keeps its permissions.
TEST_F(SettingsFileTest, OnRealFilesTheTargetOfALinkIsReplacedAndTheLinkStays) {
    namespace fs = std::filesystem;
    std::random_device random;
    const fs::path folder =
        fs::temp_directory_path() / ("qav-settings-link-" + std::to_string(random()));
    const fs::path target = folder / "dotfiles" / "settings";
    fs::create_directories(target.parent_path());
    std::ofstream(target, std::ios::binary) << "A=1\r\nPP_FloatingToolbar=FALSE\r\n";
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(fs::path("dotfiles") / "settings", folder / SettingsFile::kFileName);

    simhost::StandInSystem machine(simhost::StandInSystem::Files::Machine);
    machine.settingsFolder = folder.string();
    machine.install();
    EXPECT_EQ(SettingsFile(SettingsFile::defaultPath()).write(kFloating, "TRUE"), Result::Written);
    EXPECT_TRUE(fs::is_symlink(folder / SettingsFile::kFileName));
    EXPECT_EQ(machine.fileContent(target.string()), "A=1\r\nPP_FloatingToolbar=TRUE\r\n");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(target.parent_path()), {}), 1)
        << "nothing left beside the target";
    fs::remove_all(folder);
}
#endif

TEST_F(SettingsFileTest, TheWalkOverTheContentFindsWhereALineStands) {
    const std::string content = "A=1\r\nK=v\nL";
    auto line = SettingsFile::findLine(content, "K");
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->begin, 5u);
    EXPECT_EQ(line->valueBegin, 7u);
    EXPECT_EQ(line->valueEnd, 8u);
    EXPECT_EQ(line->next, 9u);
    EXPECT_FALSE(SettingsFile::findLine(content, "L").has_value()) << "no \"=\", no key";
    EXPECT_EQ(SettingsFile::withSetting("", "K", "v"), "K=v\r\n");
}

}  // namespace
}  // namespace prefstest
