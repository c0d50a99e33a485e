#include "platform/os/PathResolve.h"

#include <cstddef>
#include <vector>

namespace os {
namespace {

// Where the levels start: after the drive and the root separator, or after the share
// of a network path ("\\server\share\").
std::size_t rootLength(const std::string& path, PathStyle style) {
    if (style == PathStyle::Posix) return !path.empty() && path[0] == '/' ? 1 : 0;
    const std::size_t drive = path.size() >= 2 && path[1] == ':' ? 2 : 0;
    const bool rooted = path.size() > drive && isPathSeparator(path[drive], style);
    const bool network =
        drive == 0 && path.size() >= 2 && rooted && isPathSeparator(path[1], style);
    if (!network) return drive + (rooted ? 1 : 0);
    std::size_t end = 2;
    for (int level = 0; level < 2 && end < path.size(); ++level) {
        while (end < path.size() && !isPathSeparator(path[end], style)) ++end;
        if (end < path.size()) ++end;
    }
    return end;
}

bool hasDrive(const std::string& path, PathStyle style) {
    return style == PathStyle::Windows && path.size() >= 2 && path[1] == ':';
}

bool sameDrive(const std::string& path, const std::string& base) {
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    return hasDrive(base, PathStyle::Windows) && upper(path[0]) == upper(base[0]);
}

std::vector<std::string> levelsOf(const std::string& text, PathStyle style) {
    std::vector<std::string> levels;
    std::string level;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isPathSeparator(text[i], style)) {
            level += text[i];
            continue;
        }
        if (!level.empty()) levels.push_back(level);
        level.clear();
    }
    return levels;
}

}  // namespace

std::string resolveDots(const std::string& path, PathStyle style) {
    const std::size_t root = rootLength(path, style);
    const bool rooted = root > 0 && isPathSeparator(path[root - 1], style);
    std::vector<std::string> kept;
    for (const std::string& level : levelsOf(path.substr(root), style)) {
        if (level == ".") continue;
        if (level != "..") {
            kept.push_back(level);
        } else if (!kept.empty() && kept.back() != "..") {
            kept.pop_back();
        } else if (!rooted) {
            kept.push_back(level);
        }
    }
    std::string resolved = path.substr(0, root);
    const char separator = pathSeparators(style)[0];
    for (std::size_t i = 0; i < kept.size(); ++i) {
        resolved += (i == 0 ? "" : std::string(1, separator)) + kept[i];
    }
    return resolved.empty() ? "." : resolved;
}

std::string absolutePath(const std::string& path, const std::string& base, PathStyle style) {
    if (base.empty()) return resolveDots(path, style);
    const bool drive = hasDrive(path, style);
    const std::size_t afterDrive = drive ? 2 : 0;
    const bool fromRoot = path.size() > afterDrive && isPathSeparator(path[afterDrive], style);
    if (style == PathStyle::Posix)
        return resolveDots(fromRoot ? path : joinPath(base, path, style), style);
    const bool network = !drive && fromRoot && path.size() > 1 && isPathSeparator(path[1], style);
    if (fromRoot && (drive || network)) return resolveDots(path, style);
    if (fromRoot) {
        std::string baseRoot = base.substr(0, rootLength(base, style));
        while (!baseRoot.empty() && isPathSeparator(baseRoot.back(), style)) baseRoot.pop_back();
        return resolveDots(baseRoot + path, style);
    }
    const std::string rest = path.substr(afterDrive);
    if (drive && !sameDrive(path, base))
        return resolveDots(joinPath(path.substr(0, 2), rest, style), style);
    return resolveDots(joinPath(base, rest, style), style);
}

std::string joinPath(const std::string& folder, const std::string& name, PathStyle style) {
    if (folder.empty()) return name;
    if (isPathSeparator(folder.back(), style)) return folder + name;
    return folder + pathSeparators(style)[0] + name;
}

std::vector<std::string> pathLevels(const std::string& path, PathStyle style) {
    const std::size_t root = rootLength(path, style);
    std::vector<std::string> levels;
    for (std::size_t end = root + 1; end <= path.size(); ++end) {
        const bool levelEnds = end == path.size() || isPathSeparator(path[end], style);
        if (levelEnds && !isPathSeparator(path[end - 1], style))
            levels.push_back(path.substr(0, end));
    }
    return levels;
}

}  // namespace os
