// The one backend of the process; a host hands its registration to the add-on library it
// loads, so that both see the same one.
#include "platform/ui/Backend.h"
#include "platform/ui/registry/NullBackend.h"

namespace ui {
namespace {

// Nothing is destroyed during static destruction after the host is gone.
os::Registration<Backend> installed;

}  // namespace

Backend::~Backend() = default;

Backend& Backend::current() {
    static NullBackend none;
    Backend* backend = installed.get();
    return backend ? *backend : none;
}

void Backend::install(Backend* backend) {
    installed.set(backend);
}

bool Backend::isInstalled() {
    return installed.get() != nullptr;
}

os::Registration<Backend>& Backend::registration() {
    return installed;
}

}  // namespace ui
