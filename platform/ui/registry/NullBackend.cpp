#include "platform/ui/registry/NullBackend.h"

namespace ui {

WindowHandle NullBackend::createDialog(const DialogTemplate&, WindowHandle, WindowEvents&) {
    return {};
}

intptr_t NullBackend::runModalLoop(WindowHandle) {
    return kIdCancel;
}

int32_t NullBackend::messageBox(WindowHandle, const std::string&, const std::string&, uint32_t) {
    return kIdCancel;
}

}  // namespace ui
