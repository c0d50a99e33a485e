// A small tree of folders and files in memory, answering the system port's file calls as
// the platform's file system does: a file goes only into a folder that exists, a folder
// is neither read nor written nor deleted as a file, and a write puts its content beside
// the file first, so what blocks that place makes the write fail.
//
// Paths are taken apart at the platform's separators ("\" and "/" on Windows, "/"
// elsewhere); "." and ".." are resolved by their text. The root, and with it every path
// of no folder levels, always exists.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/os/System.h"

namespace simhost {

class MemoryFiles {
public:
    os::PathKind find(const std::string& path) const;
    os::ReadResult readFile(const std::string& path, std::string& content) const;
    bool writeFile(const std::string& path, const std::string& content);
    bool createDirectory(const std::string& path);
    bool deleteFile(const std::string& path);
    bool moveFile(const std::string& from, const std::string& to);

    // Every folder and file there is, as its levels joined by "/", in order.
    std::vector<std::string> paths() const;

private:
    struct Entry {
        bool folder = false;
        std::string content;
    };
    using Key = std::string;

    static Key keyOf(const std::string& path);
    static Key parentOf(const Key& key);
    bool isFolder(const Key& key) const;
    const Entry* entryAt(const Key& key) const;

    std::map<Key, Entry> entries_;
};

}  // namespace simhost
