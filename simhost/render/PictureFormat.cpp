#include "simhost/render/PictureFormat.h"

#include <cctype>
#include <utility>
#include <vector>

namespace simhost::render {
namespace {

// Each format by its extension, in the order messages list them.
const std::vector<std::pair<std::string, PictureFormat>>& extensions() {
    static const std::vector<std::pair<std::string, PictureFormat>> all = {
        {".emf", PictureFormat::Emf}, {".wmf", PictureFormat::Wmf}, {".eps", PictureFormat::Eps},
        {".jpg", PictureFormat::Jpg}, {".png", PictureFormat::Png}, {".gif", PictureFormat::Gif}};
    return all;
}

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
    for (const auto& [known, format] : extensions()) {
        if (extension == known) return format;
    }
    return PictureFormat::Other;
}

bool PictureFormats::drawable(PictureFormat format) {
    switch (format) {
#ifdef QAV_HAVE_CAIRO
        case PictureFormat::Png:
        case PictureFormat::Eps:
            return true;
#ifdef QAV_HAVE_JPEG
        case PictureFormat::Jpg:
            return true;
#endif
#ifdef QAV_HAVE_GIF
        case PictureFormat::Gif:
            return true;
#endif
#endif
#if defined(QAV_HAVE_UEMF) || defined(QAV_HAVE_WINDOWS_GRAPHICS)
        case PictureFormat::Emf:
        case PictureFormat::Wmf:
            return true;
#endif
#ifdef QAV_HAVE_WINDOWS_GRAPHICS
        case PictureFormat::Png:
        case PictureFormat::Jpg:
        case PictureFormat::Gif:
            return true;
#endif
        default:
            return false;
    }
}

std::string PictureFormats::drawableList() {
    std::vector<std::string> drawn;
    for (const auto& [extension, format] : extensions()) {
        if (drawable(format)) drawn.push_back(extension);
    }
    if (drawn.empty()) return "none";
    std::string list = drawn.front();
    for (size_t i = 1; i < drawn.size(); ++i) {
        list += (i + 1 == drawn.size() ? " and " : ", ") + drawn[i];
    }
    return list;
}

}  // namespace simhost::render
