// What the add-on asks of the operating system: regional separators, the tick count,
// the settings folder. One interface with an implementation per platform and a
// stand-in that hosts and tests install, so the add-on's code is written once.
#pragma once

#include <cstdint>
#include <string>

#ifdef _WIN32
#ifdef QAVSYSTEM_BUILD
#define QAVSYSTEM_API __declspec(dllexport)
#else
#define QAVSYSTEM_API __declspec(dllimport)
#endif
#else
#define QAVSYSTEM_API __attribute__((visibility("default")))
#endif

namespace os {

class QAVSYSTEM_API System {
public:
    virtual ~System();

    // The user's list separator (LOCALE_SLIST), as the regional settings give it.
    virtual std::string listSeparator() = 0;
    // The user's decimal separator (LOCALE_SDECIMAL).
    virtual std::string decimalSeparator() = 0;
    // Milliseconds since start-up, wrapping at 2^32.
    virtual uint32_t tickCount() = 0;
    // The user's roaming application-data folder, created when missing; empty when
    // there is none. No trailing separator.
    virtual std::string roamingSettingsFolder() = 0;

    // The installed system, or the platform's own when none is installed.
    static System& current();
    // Installs a system for the whole process (hosts and tests); nullptr restores the
    // platform's own. The caller keeps ownership.
    static void install(System* system);
};

// The separator between a folder and a file name.
#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

}  // namespace os
