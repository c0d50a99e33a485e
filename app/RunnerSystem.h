// The regional settings and services the runner gives the add-on: separators that the
// session chooses ("locale LIST DECIMAL"), the real tick count, and a settings folder
// of the runner's own, so that a session starts from no settings file.
#pragma once

#include <string>

#include "platform/os/System.h"

namespace runner {

class RunnerSystem : public os::System {
public:
    std::string listSeparator() override { return list; }
    std::string decimalSeparator() override { return decimal; }
    uint32_t tickCount() override;
    std::string roamingSettingsFolder() override { return settingsFolder; }

    std::string list = ",";
    std::string decimal = ".";
    std::string settingsFolder;
};

}  // namespace runner
