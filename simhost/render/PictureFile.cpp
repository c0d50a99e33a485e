#include "simhost/render/PictureFile.h"

#include "platform/os/PathSplit.h"
#include "platform/os/System.h"

namespace simhost::render {
namespace {

// The folder part of the path without its last separator (the root keeps it); empty
// when the path names no folder.
std::string folderOf(const std::string& path) {
    const os::PathParts parts = os::splitPath(path);
    std::string folder = parts.drive + parts.folder;
    if (parts.folder.size() > 1) folder.pop_back();
    return folder;
}

}  // namespace

// Through the installed system, so that the pictures land in the files the add-on sees
// (in memory in tests, the machine's own in the runner); the system writes beside the
// file and swaps the new content in.
bool PictureFile::write(const std::string& path, const std::string& bytes, std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    if (path.empty()) return fail("no file name given");
    os::System& system = os::System::current();
    const std::string folder = folderOf(path);
    if (!folder.empty() && system.find(folder) != os::PathKind::Directory) {
        return fail("the folder " + folder + " does not exist");
    }
    if (system.find(path) == os::PathKind::Directory) {
        return fail("a folder of that name is in the way");
    }
    if (!system.writeFile(path, bytes)) return fail("the file system refused to write it");
    return true;
}

}  // namespace simhost::render
