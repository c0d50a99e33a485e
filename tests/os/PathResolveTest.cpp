// "." and ".." resolved by the text, as Windows resolves a path: the folder levels above a
// path are named whether or not the levels below them exist.
#include "platform/os/PathResolve.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using os::PathStyle;

TEST(PathResolve, DotsAreResolvedByTheTextBelowTheRoot) {
    struct Case {
        PathStyle style;
        const char* path;
        const char* resolved;
    };
    const Case cases[] = {
        {PathStyle::Windows, "C:\\Out\\Pics\\..", "C:\\Out"},
        {PathStyle::Windows, "C:\\Out\\Pics\\..\\..", "C:\\"},
        {PathStyle::Windows, "C:\\Out\\..\\..\\..", "C:\\"},
        {PathStyle::Windows, "C:/Out/./Pics", "C:/Out\\Pics"},
        {PathStyle::Windows, "C:Pics\\..", "C:"},
        {PathStyle::Windows, "\\\\server\\share\\Pics\\..\\..\\..", "\\\\server\\share\\"},
        {PathStyle::Windows, "Pics\\..\\..\\Out", "..\\Out"},
        {PathStyle::Windows, "Pics\\..", "."},
        {PathStyle::Posix, "/tmp/a/b/../..", "/tmp"},
        {PathStyle::Posix, "/../..", "/"},
        {PathStyle::Posix, "a//b/./c/", "a/b/c"},
        {PathStyle::Posix, "C:\\Out\\..", "C:\\Out\\.."},
    };
    for (const Case& c : cases) EXPECT_EQ(os::resolveDots(c.path, c.style), c.resolved) << c.path;
}

// A relative path starts at the base, as the file calls take it from the working folder.
TEST(PathResolve, FullPathsStartAtTheBaseUnlessTheyNameTheirRoot) {
    struct Case {
        PathStyle style;
        const char* path;
        const char* base;
        const char* full;
    };
    const Case cases[] = {
        {PathStyle::Windows, "Pics\\..\\Out\\", "C:\\Work", "C:\\Work\\Out"},
        {PathStyle::Windows, "", "C:\\Work\\", "C:\\Work"},
        {PathStyle::Windows, "D:\\x\\..\\y", "C:\\Work", "D:\\y"},
        {PathStyle::Windows, "\\Pics", "C:\\Work", "C:\\Pics"},
        {PathStyle::Windows, "\\Pics", "\\\\server\\share\\Work", "\\\\server\\share\\Pics"},
        {PathStyle::Windows, "\\\\server\\share\\Pics", "C:\\Work", "\\\\server\\share\\Pics"},
        {PathStyle::Windows, "c:Pics", "C:\\Work", "C:\\Work\\Pics"},
        {PathStyle::Windows, "D:Pics", "C:\\Work", "D:\\Pics"},
        {PathStyle::Windows, "Pics", "", "Pics"},
        {PathStyle::Posix, "x/../y//z/.", "/tmp/w", "/tmp/w/y/z"},
        {PathStyle::Posix, "/srv/../pics", "/tmp/w", "/pics"},
        {PathStyle::Posix, "../../../..", "/tmp/w", "/"},
        // A root keeps its separator: without it "D:" is the current folder of drive D.
        {PathStyle::Windows, "D:\\", "C:\\Work", "D:\\"},
        {PathStyle::Windows, "\\", "D:\\Work", "D:\\"},
        {PathStyle::Windows, "\\\\server\\share\\", "C:\\Work", "\\\\server\\share\\"},
        {PathStyle::Posix, "/", "/tmp/w", "/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(os::absolutePath(c.path, c.base, c.style), c.full)
            << c.path << " from " << c.base;
}

TEST(PathResolve, ANameJoinsItsFolderWithOneSeparator) {
    EXPECT_EQ(os::joinPath("C:\\", "a.png", PathStyle::Windows), "C:\\a.png");
    EXPECT_EQ(os::joinPath("C:/", "a.png", PathStyle::Windows), "C:/a.png");
    EXPECT_EQ(os::joinPath("C:\\Out", "a.png", PathStyle::Windows), "C:\\Out\\a.png");
    EXPECT_EQ(os::joinPath("/", "a.png", PathStyle::Posix), "/a.png");
    EXPECT_EQ(os::joinPath("/srv", "a.png", PathStyle::Posix), "/srv/a.png");
    EXPECT_EQ(os::joinPath("", "a.png", PathStyle::Posix), "a.png");
}

TEST(PathResolve, TheLevelsOfAPathBelowItsRoot) {
    using Levels = std::vector<std::string>;
    EXPECT_EQ(os::pathLevels("C:\\Out\\Pics", PathStyle::Windows),
              (Levels{"C:\\Out", "C:\\Out\\Pics"}));
    EXPECT_EQ(os::pathLevels("\\\\server\\share\\Pics", PathStyle::Windows),
              (Levels{"\\\\server\\share\\Pics"}));
    EXPECT_EQ(os::pathLevels("/tmp/x1/y", PathStyle::Posix),
              (Levels{"/tmp", "/tmp/x1", "/tmp/x1/y"}));
    EXPECT_EQ(os::pathLevels("pics/sub", PathStyle::Posix), (Levels{"pics", "pics/sub"}));
    EXPECT_EQ(os::pathLevels("/", PathStyle::Posix), Levels{});
}

// Whatever the text, resolving again changes nothing.
TEST(PathResolve, AResolvedPathStaysAsItIs) {
    std::mt19937 random(5101);
    const char* const levels[] = {"a", "b", ".", "..", "", "C:"};
    for (int i = 0; i < 2000; ++i) {
        for (PathStyle style : {PathStyle::Windows, PathStyle::Posix}) {
            const std::string separator(1, os::pathSeparators(style)[0]);
            std::string path = random() % 2 ? separator : "";
            for (std::size_t n = random() % 6; n > 0; --n) path += levels[random() % 6] + separator;
            const std::string once = os::resolveDots(path, style);
            EXPECT_EQ(os::resolveDots(once, style), once) << path;
        }
    }
}

}  // namespace
