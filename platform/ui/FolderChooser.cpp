#include "platform/ui/FolderChooser.h"

#include "platform/ui/Backend.h"
#include "platform/ui/WinApiConstants.h"

namespace ui {

std::optional<std::string> chooseFolder(const std::string& title) {
    return Backend::current().browseForFolder(WindowHandle(), title,
                                              kBifNewDialogStyle | kBifEditBox);
}

}  // namespace ui
