#include "simhost/render/PictureFormat.h"

#include <cctype>

namespace simhost::render {
namespace {

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

std::string PictureFormats::extensionOf(const std::string& path) {
    size_t name = path.find_last_of("/\\");
    name = name == std::string::npos ? 0 : name + 1;
    size_t dot = path.find_last_of('.');
    // As on Windows, a name that is all extension (".png") still names its format.
    if (dot == std::string::npos || dot < name) return std::string();
    return path.substr(dot);
}

PictureFormat PictureFormats::ofPath(const std::string& path) {
    std::string extension = lower(extensionOf(path));
    if (extension == ".png") return PictureFormat::Png;
    if (extension == ".eps") return PictureFormat::Eps;
    return PictureFormat::Other;
}

bool PictureFormats::drawable(PictureFormat format) {
#ifdef QAV_HAVE_CAIRO
    return format != PictureFormat::Other;
#else
    (void)format;
    return false;
#endif
}

std::string PictureFormats::drawableList() {
    return drawable(PictureFormat::Png) ? ".png and .eps" : "none";
}

}  // namespace simhost::render
