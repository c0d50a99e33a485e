#include "fuzz/support/AddonSession.h"

#include <cstring>

#include "core/PreferencesTool.h"
#include "entry/AddonList.h"
#include "entry/LibraryMessages.h"
#include "entry/LibraryProtocol.h"
#include "entry/SupportToolsAddon.h"
#include "platform/visio/ApplicationLocator.h"
#include "simhost/host/ToolbarItem.h"

namespace fuzzing {
namespace {

// Visio takes every registration record.
uint16_t visioCallback(uint16_t, uint16_t, void*) {
    return libraryProtocol::kOk;
}

void* callbackParam() {
    return reinterpret_cast<void*>(&visioCallback);
}

}  // namespace

AddonSession::AddonSession() {
    ui::Backend::install(&backend);
    os::System::install(&system);
    PreferencesTool::clearSheetOpen(nullptr);
    host.registerActiveObject();
    host.application().hooks().runAddon = [this](const std::string&, const std::string& args) {
        deliver(args);
    };
    theAddon.setToolFactories(std::nullopt);
    dispatchLibraryMessage(libraryProtocol::kLoad, 0, callbackParam());
    host.pump();
}

AddonSession::~AddonSession() {
    dispatchLibraryMessage(libraryProtocol::kUnload, 0, nullptr);
    host.application().hooks().runAddon = nullptr;
    theAddon.shutDown();
    AddonList::forgetVisioCallback();
    PreferencesTool::clearSheetOpen(nullptr);
    visio::ApplicationLocator::setInstanceFactory(nullptr);
    host.withdrawActiveObject();
    os::System::install(nullptr);
    ui::Backend::install(nullptr);
}

uint16_t AddonSession::run(const std::string& argument) {
    uint16_t answer = deliver(argument);
    host.pump();
    return answer;
}

uint16_t AddonSession::deliver(const std::string& argument) {
    unsigned char record[libraryProtocol::kRunArgumentOffset + sizeof(const char*)] = {};
    const char* text = argument.c_str();
    std::memcpy(record + libraryProtocol::kRunArgumentOffset, &text, sizeof(text));
    return dispatchLibraryMessage(libraryProtocol::kRun, theAddon.index(), record);
}

bool AddonSession::press(const std::string& tag) {
    visio::ComRef<simhost::ToolbarItem> button = host.toolbarItem(tag);
    return button && host.clickToolbarItem(*button);
}

}  // namespace fuzzing
