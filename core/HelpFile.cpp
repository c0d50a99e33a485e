#include "core/HelpFile.h"

#include <cstddef>

#include "platform/os/System.h"
#include "platform/ui/Backend.h"
#include "platform/ui/WinApiConstants.h"

namespace {

constexpr char kFolderSeparator = ';';

std::string helpFileIn(const std::string& folder) {
    return folder + os::kPathSeparator + kHelpFileName;
}

// A file, not a folder of that name.
bool holdsHelpFile(const std::string& folder) {
    return os::System::current().find(helpFileIn(folder)) == os::PathKind::File;
}

}  // namespace

std::string findHelpFolder(const std::string& folderList) {
    std::string found;
    std::size_t begin = 0;
    while (begin <= folderList.size()) {
        std::size_t end = folderList.find(kFolderSeparator, begin);
        if (end == std::string::npos) end = folderList.size();
        const std::string folder = folderList.substr(begin, end - begin);
        if (!folder.empty() && holdsHelpFile(folder)) found = folder;
        begin = end + 1;
    }
    return found;
}

std::string helpTopicPath(const std::string& folder, const std::string& topic) {
    return helpFileIn(folder) + topic + kHelpWindow;
}

void showHelpTopic(const std::string& folder, const std::string& topic) {
    ui::Backend::current().htmlHelp(ui::WindowHandle(), helpTopicPath(folder, topic),
                                    ui::kHhDisplayTopic, 0);
}
