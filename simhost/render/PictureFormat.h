// The picture format a file name's extension names (case-insensitive), and whether this
// host can draw it: PNG and EPS where it is built with cairo, none elsewhere.
#pragma once

#include <string>

namespace simhost::render {

enum class PictureFormat { Png, Eps, Other };

class PictureFormats {
public:
    static PictureFormat ofPath(const std::string& path);
    // The extension as written, with its dot (".PNG"); empty when there is none.
    static std::string extensionOf(const std::string& path);
    static bool drawable(PictureFormat format);
    // What the host draws, for messages (".png and .eps", or "none").
    static std::string drawableList();
};

}  // namespace simhost::render
