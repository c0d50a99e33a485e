// Owners of GDI's handles for the Windows build's painters: an object (pen, brush, font)
// deleted, a memory DC let go, when its owner goes.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <memory>

namespace simhost::render {

struct DeleteGdiObject {
    void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
using GdiObject = std::unique_ptr<void, DeleteGdiObject>;

struct DeleteMemoryDc {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using MemoryDc = std::unique_ptr<HDC__, DeleteMemoryDc>;

}  // namespace simhost::render

#endif
