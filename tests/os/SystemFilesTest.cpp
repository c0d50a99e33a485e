// The file calls of the system port answer alike on the machine's files (the platform's
// own implementation) and in memory (the stand-in's).
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "platform/os/System.h"
#include "simhost/os/StandInSystem.h"

namespace {

using namespace std::string_literals;
using Files = simhost::StandInSystem::Files;

enum class Op { Find, Read, Write, MakeFolder, Delete, Move };

struct Step {
    Op op;
    std::string path;     // below the test's folder, "/" between levels
    std::string content;  // a move's target
    std::string answer;
};

std::string kindName(os::PathKind kind) {
    switch (kind) {
        case os::PathKind::None:
            return "none";
        case os::PathKind::File:
            return "file";
        case os::PathKind::Directory:
            return "folder";
    }
    return "?";
}

std::string readAnswer(os::ReadResult result, const std::string& content) {
    switch (result) {
        case os::ReadResult::Read:
            return "read " + content;
        case os::ReadResult::Missing:
            return "missing";
        case os::ReadResult::Failed:
            return "failed";
    }
    return "?";
}

class SystemFiles : public ::testing::TestWithParam<Files> {
protected:
    SystemFiles() : system(GetParam()) {
        std::random_device random;
        folder = (std::filesystem::temp_directory_path() /
                  ("qav-system-files-" + std::to_string(random())))
                     .string();
        EXPECT_TRUE(system.makeFolders(folder));
    }
    ~SystemFiles() override {
        std::error_code ignored;
        if (GetParam() == Files::Machine) std::filesystem::remove_all(folder, ignored);
    }

    std::string at(std::string path) const {
        for (char& c : path) c = c == '/' ? os::kPathSeparator : c;
        return path.empty() ? folder : folder + os::kPathSeparator + path;
    }

    std::string run(const Step& step) {
        const std::string path = at(step.path);
        std::string content = "(untouched)";
        switch (step.op) {
            case Op::Find:
                return kindName(system.find(path));
            case Op::Read:
                return readAnswer(system.readFile(path, content), content);
            case Op::Write:
                return system.writeFile(path, step.content) ? "true" : "false";
            case Op::MakeFolder:
                return system.createDirectory(path) ? "true" : "false";
            case Op::Delete:
                return system.deleteFile(path) ? "true" : "false";
            case Op::Move:
                return system.moveFile(path, at(step.content)) ? "true" : "false";
        }
        return "?";
    }

    simhost::StandInSystem system;
    std::string folder;
};

TEST_P(SystemFiles, AnswerAsTheFileSystemDoes) {
    const Step steps[] = {
        {Op::Find, "", "", "folder"},
        {Op::Find, "a", "", "none"},
        {Op::Read, "a", "", "missing"},
        {Op::Write, "a", "one", "true"},
        {Op::Read, "a", "", "read one"},
        {Op::Write, "a", "\0two\r\n"s, "true"},
        {Op::Read, "a", "", "read \0two\r\n"s},
        {Op::Find, "a", "", "file"},
        {Op::Find, "a.new", "", "none"},  // nothing is left beside a written file
        {Op::MakeFolder, "d", "", "true"},
        {Op::MakeFolder, "d", "", "false"},
        {Op::Find, "d", "", "folder"},
        {Op::Read, "d", "", "failed"},
        {Op::Write, "d", "x", "false"},
        {Op::Delete, "d", "", "false"},
        {Op::Find, "d", "", "folder"},
        {Op::Write, "d/inner", "x", "true"},
        {Op::Write, "missing/x", "x", "false"},
        {Op::MakeFolder, "missing/x", "", "false"},
        {Op::Read, "missing/x", "", "missing"},
        {Op::MakeFolder, "b.new", "", "true"},
        {Op::Write, "b", "x", "false"},  // the place beside the file is taken
        {Op::Find, "b", "", "none"},
        {Op::Delete, "a", "", "true"},
        {Op::Delete, "a", "", "false"},
        {Op::Find, "a", "", "none"},
        {Op::Write, "m", "new", "true"},
        {Op::Write, "old", "old", "true"},
        {Op::Move, "m", "old", "true"},  // the file there is replaced
        {Op::Find, "m", "", "none"},
        {Op::Read, "old", "", "read new"},
        {Op::Move, "m", "old", "false"},
        {Op::Move, "old", "d", "false"},  // a folder is not replaced
        {Op::Move, "d", "e", "false"},    // nor moved as a file
        {Op::Move, "old", "missing/x", "false"},
        {Op::Move, "old", "d/moved", "true"},
        {Op::Read, "d/moved", "", "read new"},
        {Op::Find, "old", "", "none"},
    };
    int number = 0;
    for (const Step& step : steps) {
        EXPECT_EQ(run(step), step.answer) << "step " << number << " on " << step.path;
        ++number;
    }
}

// Renaming over a file needs only its folder's permission (on POSIX; some Windows file
// systems let it pass too); a read-only file is still not replaced, neither by writing
// nor by moving a file onto it, also for the superuser.
TEST(SystemFilesOnTheMachine, AReadOnlyFileIsNotReplaced) {
    namespace fs = std::filesystem;
    std::random_device random;
    const fs::path folder =
        fs::temp_directory_path() / ("qav-read-only-" + std::to_string(random()));
    fs::create_directories(folder);
    const std::string file = (folder / "settings").string();
    ASSERT_TRUE(os::System::platform().writeFile(file, "A=1\r\n"));
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(os::System::platform().writeFile(file, "A=2\r\n"));
    std::string content;
    EXPECT_EQ(os::System::platform().readFile(file, content), os::ReadResult::Read);
    EXPECT_EQ(content, "A=1\r\n");
    EXPECT_EQ(os::System::platform().find(file + os::kNewContentSuffix), os::PathKind::None);
    const std::string other = (folder / "other").string();
    ASSERT_TRUE(os::System::platform().writeFile(other, "B=1\r\n"));
    EXPECT_FALSE(os::System::platform().moveFile(other, file)) << "as Windows refuses it";
    EXPECT_EQ(os::System::platform().readFile(file, content), os::ReadResult::Read);
    EXPECT_EQ(content, "A=1\r\n");
    std::error_code ignored;
    fs::permissions(file, fs::perms::owner_all, ignored);
    fs::remove_all(folder, ignored);
}

INSTANTIATE_TEST_SUITE_P(MemoryAndMachine, SystemFiles,
                         ::testing::Values(Files::InMemory, Files::Machine), [](const auto& info) {
                             return info.param == Files::InMemory ? "InMemory" : "Machine";
                         });

}  // namespace
