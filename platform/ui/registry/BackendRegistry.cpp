// The one backend of the process, kept in the shared system library so that a host and
// the add-on library it loads see the same one.
#include "platform/ui/Backend.h"
#include "platform/ui/registry/NullBackend.h"

namespace ui {
namespace {

// A plain pointer: nothing is destroyed during static destruction after the host is gone.
Backend* installed = nullptr;

}  // namespace

Backend::~Backend() = default;

Backend& Backend::current() {
    static NullBackend none;
    return installed ? *installed : none;
}

void Backend::install(Backend* backend) {
    installed = backend;
}

bool Backend::isInstalled() {
    return installed != nullptr;
}

}  // namespace ui
