// The module that holds the add-on's resources (icons, bitmaps, strings): the one this
// code is linked into, the add-on library inside Visio (or a test program).
#pragma once

#include <windows.h>

namespace win32 {

HINSTANCE resourceModule();

}  // namespace win32
