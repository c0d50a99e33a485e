#include "entry/NativeWindows.h"

#ifdef _WIN32
#include "platform/win32/Win32Backend.h"
#endif

namespace {

std::unique_ptr<ui::Backend> platformBackend() {
#ifdef _WIN32
    return std::make_unique<win32::Win32Backend>();
#else
    return nullptr;
#endif
}

}  // namespace

NativeWindows::NativeWindows() {
    if (ui::Backend::isInstalled()) return;
    backend_ = platformBackend();
    if (backend_) ui::Backend::install(backend_.get());
}

NativeWindows::~NativeWindows() {
    if (backend_ && ui::Backend::isInstalled() && &ui::Backend::current() == backend_.get()) {
        ui::Backend::install(nullptr);
    }
}
