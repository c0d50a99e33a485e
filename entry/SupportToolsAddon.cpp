#include "entry/SupportToolsAddon.h"

#include <cstring>
#include <string>
#include <utility>

#include "core/MainController.h"
#include "entry/StandardTools.h"
#include "helpers/AddonConstants.h"
#include "helpers/LocaleSeparators.h"
#include "platform/ui/Backend.h"
#include "platform/ui/WinApiConstants.h"
#include "platform/visio/ApplicationLocator.h"

using namespace libraryProtocol;

SupportToolsAddon theAddon;

namespace {

constexpr char kNoVisioMessage[] = "Critical Error! No access to Visio! Aborting...";
constexpr char kUnregisteredCallMessage[] =
    "An unregistered call from Visio to the Addon occured. Ignoring...";

void showAddonBox(const char* text, uint32_t type) {
    ui::Backend::current().messageBox(ui::WindowHandle(), text, addonCaption, type);
}

// The argument string of a run record: its pointer stands at byte offset 14.
const char* runArgument(const void* runRecord) {
    if (!runRecord) return nullptr;
    const char* argument = nullptr;
    std::memcpy(&argument, static_cast<const char*>(runRecord) + kRunArgumentOffset,
                sizeof(argument));
    return argument;
}

}  // namespace

SupportToolsAddon::SupportToolsAddon() : LibraryAddon(addonName) {}

SupportToolsAddon::~SupportToolsAddon() {
    shutDown();
}

uint16_t SupportToolsAddon::run(void* runRecord) {
    const char* argument = runArgument(runRecord);
    if (argument && *argument) offerRunArgument(argument);
    return kOk;
}

void SupportToolsAddon::offerRunArgument(const char* argument) {
    // Without a controller (no Visio, or after shut-down) no tool can take the request.
    bool handled = controller_ && controller_->offerCommand(std::string(argument));
    if (!handled) showAddonBox(kUnregisteredCallMessage, ui::kMbOk);
}

uint16_t SupportToolsAddon::onLoad(uint16_t wParam, void* lParam) {
    uint16_t answer = LibraryAddon::onLoad(wParam, lParam);
    afterControllerCalls(&SupportToolsAddon::startUp);
    return answer;
}

uint16_t SupportToolsAddon::onUnload(uint16_t wParam, void* lParam) {
    afterControllerCalls(&SupportToolsAddon::shutDown);
    return LibraryAddon::onUnload(wParam, lParam);
}

uint16_t SupportToolsAddon::onShutdown(uint16_t wParam, void* lParam) {
    afterControllerCalls(&SupportToolsAddon::shutDown);
    return LibraryAddon::onShutdown(wParam, lParam);
}

// Visio may send a message while a tool waits inside its own call into Visio (the
// simulator's firing delay): deleting the controller then would free the tool under its
// running code. The message is carried out once the tool's call has returned, as a
// document closed during the wait is; the tools then end their runs as at any unload.
void SupportToolsAddon::afterControllerCalls(void (SupportToolsAddon::*step)()) {
    if (!controller_) {
        (this->*step)();
        return;
    }
    controller_->afterCallsReturn([this, step] { (this->*step)(); });
}

bool SupportToolsAddon::findVisio() {
    visio::ComRef<visio::IVApplication> application = visio::ApplicationLocator::getActiveObject();
    if (!application) application = visio::ApplicationLocator::createInstance();
    application_ = visio::VApplication(std::move(application));
    return !application_.isEmpty();
}

void SupportToolsAddon::startUp() {
    // A second load must not leave the first controller behind, still subscribed. It is
    // shut down as at unload, its tools ending what they show first; the drawings are then
    // as the user made them, and the new tools start from there. Ignoring the repeated
    // load instead would keep a controller whose Visio the message may have replaced.
    shutDown();
    windows_ = std::make_unique<NativeWindows>();
    if (!findVisio()) {
        showAddonBox(kNoVisioMessage, ui::kMbOk | ui::kMbIconStop);
        return;
    }
    checkLocaleSeparators();
    controller_ = std::make_unique<MainController>(
        application_, toolFactories_ ? *toolFactories_ : standardToolFactories());
}

void SupportToolsAddon::shutDown() {
    controller_.reset();
    application_.release();
    windows_.reset();
}

void SupportToolsAddon::setToolFactories(std::optional<ToolFactoryList> factories) {
    toolFactories_ = std::move(factories);
}
