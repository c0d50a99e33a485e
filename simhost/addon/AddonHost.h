// Drives add-on libraries as Visio does: loads a library and sends it the load message
// with Visio's callback, asks it to register its add-ons (their names join the
// application's add-ons), hands it run requests (toolbar clicks and action-menu runs of
// the host arrive here), and sends unload and shut-down.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "simhost/addon/AddonLibrary.h"

namespace simhost {

class Host;

class AddonHost {
public:
    // The message numbers and answers of the protocol, as Visio uses them.
    static constexpr uint16_t kLoad = 0x2000;
    static constexpr uint16_t kUnload = 0x2001;
    static constexpr uint16_t kRegister = 0x3000;
    static constexpr uint16_t kRun = 0x3002;
    static constexpr uint16_t kShutDown = 0x3005;
    static constexpr uint16_t kRegisterCode = 0x5000;
    // The value Visio puts at byte offset 8 of the register structure; the library hands
    // it back with its records.
    static constexpr uint16_t kSessionValue = 0x5A17;

    // One add-on as its registration record named it.
    struct RegisteredAddon {
        uint16_t index = 0;
        uint16_t attributes = 0;
        std::string name;
        // What came back with the record (Visio's value from the register structure).
        uint16_t value = 0;
    };

    struct LoadedLibrary {
        std::unique_ptr<AddonLibrary> library;
        uint16_t loadAnswer = 0;
        uint16_t registerAnswer = 0;
        std::vector<RegisteredAddon> addons;
    };

    // Routes the host's add-on runs (toolbar clicks, RUNADDONWARGS) to the libraries.
    explicit AddonHost(Host& host);
    // Unloads every library still loaded, the last loaded first.
    ~AddonHost();
    AddonHost(const AddonHost&) = delete;
    AddonHost& operator=(const AddonHost&) = delete;

    // Loads, sends load and register; null with the reason in error when the library
    // cannot be loaded.
    LoadedLibrary* load(const std::string& path, std::string* error);
    // A run request for the first add-on registered under the name; false when there is
    // none.
    bool run(const std::string& addonName, const std::string& argument);
    // A run request for an add-on index of a library, with any argument.
    uint16_t runIndex(const LoadedLibrary& library, uint16_t index, const std::string& argument);
    // The load message once more to a library already loaded, as a host that sends it
    // twice would; the library registers nothing again.
    uint16_t loadAgain(LoadedLibrary& library);
    // Sends unload, withdraws the library's add-ons and unloads it.
    void unload(LoadedLibrary& library);
    // The shut-down message to every library (Visio closes); they stay loaded.
    void shutDown();

    const std::vector<std::unique_ptr<LoadedLibrary>>& libraries() const { return libraries_; }

    // Visio's callback as the libraries receive it.
    static uint16_t visioCallback(uint16_t code, uint16_t value, void* data);

private:
    void withdrawAddons(const LoadedLibrary& library);

    Host& host_;
    std::vector<std::unique_ptr<LoadedLibrary>> libraries_;
};

}  // namespace simhost
