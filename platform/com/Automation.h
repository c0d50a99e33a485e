// The Win32 and OLE automation headers, in the order they need.
#pragma once

// clang-format off
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
// clang-format on
