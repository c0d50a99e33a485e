// The picture format a file name's extension names (case-insensitive, as in Visio), and
// whether this host can draw it: PNG, EPS, JPG and GIF where it is built with cairo and
// the codecs, EMF and WMF where it is built with libUEMF; on Windows all but EPS, with
// the platform's own graphics.
#pragma once

#include <string>

namespace simhost::render {

enum class PictureFormat { Emf, Wmf, Eps, Jpg, Png, Gif, Other };

class PictureFormats {
public:
    static PictureFormat ofPath(const std::string& path);
    // The extension as written, with its dot (".PNG"); empty when there is none.
    static std::string extensionOf(const std::string& path);
    static bool drawable(PictureFormat format);
    // What the host draws, for messages (".emf, .wmf, .eps, .jpg, .png and .gif", or
    // "none").
    static std::string drawableList();
};

}  // namespace simhost::render
