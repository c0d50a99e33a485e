// The add-on library loaded as Visio loads it, into the stand-in host, with no window
// backend of the host's: the library brings its own, and every window it shows is a real
// window on the virtual display. Settings and help files are the stand-in system's, in
// memory; the first idle event has created the tools.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "simhost/addon/AddonHost.h"
#include "simhost/host/Host.h"
#include "simhost/os/StandInSystem.h"

namespace wintest {

// The settings file the stand-in system holds, and the value of a key in it (nothing when
// the file has no line for the key).
std::optional<std::string> settingsFileIn(simhost::StandInSystem& system);
std::optional<std::string> settingIn(simhost::StandInSystem& system, const std::string& key);

class AddonWindowsHost {
public:
    // settings: the settings file the tools start from (none when empty).
    explicit AddonWindowsHost(const std::string& settings = std::string());
    ~AddonWindowsHost();

    // The user clicks the add-on's toolbar button with the tag, as a run request.
    bool press(const std::string& tag);
    std::optional<std::string> settings() { return settingsFileIn(system); }
    std::optional<std::string> setting(const std::string& key) { return settingIn(system, key); }

    simhost::StandInSystem system;
    simhost::Host host;
    std::unique_ptr<simhost::AddonHost> addons;
};

}  // namespace wintest
