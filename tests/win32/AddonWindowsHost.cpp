#include "tests/win32/AddonWindowsHost.h"

#include <gtest/gtest.h>

#include "platform/ui/Backend.h"
#include "simhost/addon/AddonLibrary.h"

namespace wintest {
namespace {

std::string settingsPath(const simhost::StandInSystem& system) {
    return system.settingsFolder + os::kPathSeparator + ".QAVSupportTools.settings";
}

}  // namespace

std::optional<std::string> settingsFileIn(simhost::StandInSystem& system) {
    return system.fileContent(settingsPath(system));
}

std::optional<std::string> settingIn(simhost::StandInSystem& system, const std::string& key) {
    const std::string text = "\n" + settingsFileIn(system).value_or("");
    const size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) return std::nullopt;
    const size_t value = at + key.size() + 2;
    return text.substr(value, text.find_first_of("\r\n", value) - value);
}

AddonWindowsHost::AddonWindowsHost(const std::string& settings)
    : addons(std::make_unique<simhost::AddonHost>(host)) {
    system.install();
    if (!settings.empty()) system.writeFile(settingsPath(system), settings);
    host.registerActiveObject();
    // Visio's wait takes its millisecond on the stand-in's set clock too.
    host.application().hooks().wait = [this]() { system.advanceTicks(1); };
    std::string error;
    EXPECT_TRUE(addons->load(simhost::AddonLibrary::besideProgram(), &error)) << error;
    host.pump();
}

AddonWindowsHost::~AddonWindowsHost() {
    addons.reset();
    EXPECT_FALSE(ui::Backend::isInstalled()) << "the library leaves its backend installed";
}

bool AddonWindowsHost::press(const std::string& tag) {
    visio::ComRef<simhost::ToolbarItem> button = host.toolbarItem(tag);
    return button && host.clickToolbarItem(*button);
}

}  // namespace wintest
