// The window system the add-on's windows are made in. Visio hands an add-on library no
// window layer: on Windows the add-on brings its Win32 backend and keeps it installed for
// as long as it runs, unless its host installed a backend first (the stand-in host and
// the tests install the headless one). Elsewhere the add-on only runs inside such a host.
#pragma once

#include <memory>

#include "platform/ui/Backend.h"

class NativeWindows {
public:
    // Installs the platform's backend when none is installed and the platform has one.
    NativeWindows();
    // Withdraws it, destroying the windows still open.
    ~NativeWindows();
    NativeWindows(const NativeWindows&) = delete;
    NativeWindows& operator=(const NativeWindows&) = delete;

    // The backend this object installed, or null.
    ui::Backend* installed() const { return backend_.get(); }

private:
    std::unique_ptr<ui::Backend> backend_;
};
