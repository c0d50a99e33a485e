// "." and ".." resolved by the text, as Windows resolves a path: the folder levels above a
// path are named whether or not the levels below them exist.
#include "platform/os/PathResolve.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

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
