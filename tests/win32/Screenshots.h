// Pictures of windows as the screen shows them, written as PNG files into the build
// folder's screenshots/ (QAV_BINARY_DIR, which ctest sets), which CI keeps.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace wintest {

struct Screenshot {
    std::string path;
    int width = 0;
    int height = 0;
    // How many colours the picture has: a blank window has one or two.
    size_t colours = 0;
};

// The window's rectangle taken from the screen once the window has painted.
Screenshot takeScreenshot(HWND window, const std::string& name);

// A PNG file of the pixels (0x00RRGGBB, row by row from the top), uncompressed.
std::string pngFile(int width, int height, const std::vector<uint32_t>& pixels);

// A path of this machine's files as Windows (or Wine, whose drive Z: is the root) sees it.
std::string windowsPath(const std::string& path);

}  // namespace wintest
