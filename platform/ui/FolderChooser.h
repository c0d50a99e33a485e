// The shell's folder browser as the add-on's pages open it: without an owner window or
// a root folder, in the new dialog style with an edit box in which a path can be typed.
//
//   std::optional<std::string> folder = ui::chooseFolder("Choose your destination path!");
#pragma once

#include <optional>
#include <string>

namespace ui {

// The file-system path of the folder the user chose (the shell gives absolute paths of
// at most MAX_PATH characters), or nothing when the user cancelled.
std::optional<std::string> chooseFolder(const std::string& title);

}  // namespace ui
