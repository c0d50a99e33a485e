// The platform's own answers on POSIX systems, where there is no Windows regional
// setting: the C locale's separators and the XDG configuration folder.
#ifndef _WIN32

#include <sys/stat.h>
#include <time.h>

#include <cstdlib>

#include "platform/os/System.h"

namespace os {
namespace {

class PosixSystem : public System {
public:
    std::string listSeparator() override { return ","; }
    std::string decimalSeparator() override { return "."; }

    uint32_t tickCount() override {
        timespec ts{};
        clock_gettime(CLOCK_MONOTONIC, &ts);
        uint64_t ms = static_cast<uint64_t>(ts.tv_sec) * 1000u + ts.tv_nsec / 1000000u;
        return static_cast<uint32_t>(ms);
    }

    std::string roamingSettingsFolder() override {
        std::string folder;
        if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
            folder = xdg;
        } else if (const char* home = std::getenv("HOME"); home && *home) {
            folder = std::string(home) + "/.config";
        } else {
            return std::string();
        }
        mkdir(folder.c_str(), 0700);
        return folder;
    }
};

}  // namespace

System& platformSystem() {
    static PosixSystem system;
    return system;
}

}  // namespace os

#endif
