#include "simhost/os/MemoryFiles.h"

#include "platform/os/PathSplit.h"

namespace simhost {

os::PathKind MemoryFiles::find(const std::string& path) const {
    const Key key = keyOf(path);
    if (isFolder(key)) return os::PathKind::Directory;
    return entryAt(key) ? os::PathKind::File : os::PathKind::None;
}

os::ReadResult MemoryFiles::readFile(const std::string& path, std::string& content) const {
    const Key key = keyOf(path);
    if (isFolder(key)) return os::ReadResult::Failed;
    const Entry* entry = entryAt(key);
    if (!entry) return os::ReadResult::Missing;
    content = entry->content;
    return os::ReadResult::Read;
}

// The content would go beside the file and then be renamed into its place: a folder in
// either place, or no folder to hold them, makes the write fail.
bool MemoryFiles::writeFile(const std::string& path, const std::string& content) {
    const Key key = keyOf(path);
    const Key beside = key + os::kNewContentSuffix;
    if (key.empty() || !isFolder(parentOf(key)) || isFolder(beside) || isFolder(key)) {
        return false;
    }
    entries_.erase(beside);
    entries_[key] = Entry{false, content};
    return true;
}

bool MemoryFiles::createDirectory(const std::string& path) {
    const Key key = keyOf(path);
    if (key.empty() || !isFolder(parentOf(key)) || entryAt(key)) return false;
    entries_[key] = Entry{true, std::string()};
    return true;
}

bool MemoryFiles::deleteFile(const std::string& path) {
    const Key key = keyOf(path);
    const Entry* entry = entryAt(key);
    if (!entry || entry->folder) return false;
    entries_.erase(key);
    return true;
}

// A file, into a folder that exists, over a file or nothing.
bool MemoryFiles::moveFile(const std::string& from, const std::string& to) {
    const Key source = keyOf(from);
    const Key target = keyOf(to);
    const Entry* entry = entryAt(source);
    if (!entry || entry->folder || target.empty() || !isFolder(parentOf(target)) ||
        isFolder(target)) {
        return false;
    }
    if (source == target) return true;
    entries_[target] = *entry;
    entries_.erase(source);
    return true;
}

std::vector<std::string> MemoryFiles::paths() const {
    std::vector<std::string> paths;
    for (const auto& [key, entry] : entries_) paths.push_back(key);
    return paths;
}

MemoryFiles::Key MemoryFiles::keyOf(const std::string& path) {
    std::vector<std::string> levels;
    std::size_t begin = 0;
    while (begin <= path.size()) {
        std::size_t end = path.find_first_of(os::pathSeparators(), begin);
        if (end == std::string::npos) end = path.size();
        const std::string level = path.substr(begin, end - begin);
        if (level == "..") {
            if (!levels.empty()) levels.pop_back();
        } else if (!level.empty() && level != ".") {
            levels.push_back(level);
        }
        begin = end + 1;
    }
    Key key;
    for (const std::string& level : levels) key += (key.empty() ? "" : "/") + level;
    return key;
}

MemoryFiles::Key MemoryFiles::parentOf(const Key& key) {
    const std::size_t slash = key.rfind('/');
    return slash == std::string::npos ? Key() : key.substr(0, slash);
}

bool MemoryFiles::isFolder(const Key& key) const {
    const Entry* entry = entryAt(key);
    return key.empty() || (entry && entry->folder);
}

const MemoryFiles::Entry* MemoryFiles::entryAt(const Key& key) const {
    auto it = entries_.find(key);
    return it == entries_.end() ? nullptr : &it->second;
}

}  // namespace simhost
