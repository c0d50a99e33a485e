// Paths taken apart as the C runtime's _splitpath takes them.
#include "platform/os/PathSplit.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using os::PathStyle;

struct Split {
    PathStyle style;
    const char* path;
    const char* drive;
    const char* folder;
    const char* name;
    const char* extension;
};

TEST(PathSplit, DriveFolderNameAndExtension) {
    const Split splits[] = {
        {PathStyle::Windows, "C:\\Out\\Pics", "C:", "\\Out\\", "Pics", ""},
        {PathStyle::Windows, "C:\\Out\\pic.tar.png", "C:", "\\Out\\", "pic.tar", ".png"},
        {PathStyle::Windows, "C:", "C:", "", "", ""},
        {PathStyle::Windows, "C:Pics\\Sub", "C:", "Pics\\", "Sub", ""},
        {PathStyle::Windows, "\\\\server\\share\\Pics", "", "\\\\server\\share\\", "Pics", ""},
        {PathStyle::Windows, "..\\Pics", "", "..\\", "Pics", ""},
        {PathStyle::Windows, "a/b\\c.d/e", "", "a/b\\c.d/", "e", ""},
        {PathStyle::Windows, ".hidden", "", "", "", ".hidden"},
        {PathStyle::Windows, "name.", "", "", "name", "."},
        {PathStyle::Windows, "", "", "", "", ""},
        {PathStyle::Posix, "C:\\Out\\pic.png", "", "", "C:\\Out\\pic", ".png"},
        {PathStyle::Posix, "/home/u/pic.png", "", "/home/u/", "pic", ".png"},
        {PathStyle::Posix, "dir.d/file", "", "dir.d/", "file", ""},
    };
    for (const Split& s : splits) {
        const os::PathParts parts = os::splitPath(s.path, s.style);
        EXPECT_EQ(parts.drive, s.drive) << s.path;
        EXPECT_EQ(parts.folder, s.folder) << s.path;
        EXPECT_EQ(parts.name, s.name) << s.path;
        EXPECT_EQ(parts.extension, s.extension) << s.path;
    }
}

// Whatever the text, its parts put together give it back, and each part is of its kind.
TEST(PathSplit, ThePartsOfAnyTextJoinBackIntoIt) {
    std::mt19937 random(20240611);
    const std::string alphabet = "a.\\/:";
    for (int i = 0; i < 2000; ++i) {
        std::string path;
        for (std::size_t length = random() % 10; length > 0; --length)
            path += alphabet[random() % alphabet.size()];
        for (PathStyle style : {PathStyle::Windows, PathStyle::Posix}) {
            const os::PathParts p = os::splitPath(path, style);
            const std::string separators = os::pathSeparators(style);
            EXPECT_EQ(p.drive + p.folder + p.name + p.extension, path);
            EXPECT_TRUE(p.folder.empty() || separators.find(p.folder.back()) != std::string::npos)
                << path;
            EXPECT_EQ((p.name + p.extension).find_first_of(separators), std::string::npos) << path;
            EXPECT_TRUE(p.extension.empty() || p.extension[0] == '.') << path;
            EXPECT_EQ(p.extension.find('.', 1), std::string::npos) << path;
        }
    }
}

}  // namespace
