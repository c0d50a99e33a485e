#include "simhost/addon/AddonHost.h"

#include <algorithm>
#include <cstring>

#include "simhost/host/Addons.h"
#include "simhost/host/Host.h"

namespace simhost {
namespace {

// The library whose register message is being handled: its callback calls land here.
AddonHost::LoadedLibrary* registering = nullptr;

constexpr size_t kRegisterValueOffset = 8;
constexpr size_t kRegisterStructSize = 16;
constexpr size_t kRunArgumentOffset = 14;
constexpr size_t kRecordNameOffset = 10;

AddonHost::RegisteredAddon readRecord(const unsigned char* record, uint16_t value) {
    AddonHost::RegisteredAddon addon;
    std::memcpy(&addon.index, record, sizeof(addon.index));
    std::memcpy(&addon.attributes, record + 2, sizeof(addon.attributes));
    const char* name = nullptr;
    std::memcpy(&name, record + kRecordNameOffset, sizeof(name));
    if (name) addon.name = name;
    addon.value = value;
    return addon;
}

}  // namespace

AddonHost::AddonHost(Host& host) : host_(host) {
    host_.application().hooks().runAddon =
        [this](const std::string& name, const std::string& argument) { run(name, argument); };
}

AddonHost::~AddonHost() {
    host_.application().hooks().runAddon = nullptr;
    while (!libraries_.empty()) unload(*libraries_.back());
}

uint16_t AddonHost::visioCallback(uint16_t code, uint16_t value, void* data) {
    if (code != kRegisterCode || !data || !registering) return 0;
    registering->addons.push_back(readRecord(static_cast<const unsigned char*>(data), value));
    return 0;
}

AddonHost::LoadedLibrary* AddonHost::load(const std::string& path, std::string* error) {
    std::unique_ptr<AddonLibrary> library = AddonLibrary::load(path, error);
    if (!library) return nullptr;
    auto loaded = std::make_unique<LoadedLibrary>();
    loaded->library = std::move(library);
    LoadedLibrary* result = loaded.get();
    libraries_.push_back(std::move(loaded));

    result->loadAnswer =
        result->library->send(kLoad, 0, reinterpret_cast<void*>(&AddonHost::visioCallback));
    unsigned char registerStruct[kRegisterStructSize] = {};
    std::memcpy(registerStruct + kRegisterValueOffset, &kSessionValue, sizeof(kSessionValue));
    registering = result;
    result->registerAnswer = result->library->send(kRegister, 0, registerStruct);
    registering = nullptr;
    for (const RegisteredAddon& addon : result->addons) host_.registerAddon(addon.name);
    return result;
}

bool AddonHost::run(const std::string& addonName, const std::string& argument) {
    for (const auto& library : libraries_) {
        for (const RegisteredAddon& addon : library->addons) {
            if (addon.name != addonName) continue;
            runIndex(*library, addon.index, argument);
            return true;
        }
    }
    return false;
}

uint16_t AddonHost::runIndex(const LoadedLibrary& library, uint16_t index,
                             const std::string& argument) {
    unsigned char record[kRunArgumentOffset + sizeof(const char*)] = {};
    const char* text = argument.c_str();
    std::memcpy(record + kRunArgumentOffset, &text, sizeof(text));
    return library.library->send(kRun, index, record);
}

uint16_t AddonHost::loadAgain(LoadedLibrary& library) {
    library.loadAnswer =
        library.library->send(kLoad, 0, reinterpret_cast<void*>(&AddonHost::visioCallback));
    return library.loadAnswer;
}

void AddonHost::unload(LoadedLibrary& library) {
    library.library->send(kUnload, 0, nullptr);
    withdrawAddons(library);
    auto it = std::find_if(libraries_.begin(), libraries_.end(),
                           [&](const auto& l) { return l.get() == &library; });
    if (it != libraries_.end()) libraries_.erase(it);
}

void AddonHost::shutDown() {
    for (const auto& library : libraries_) library->library->send(kShutDown, 0, nullptr);
}

void AddonHost::withdrawAddons(const LoadedLibrary& library) {
    Addons& addons = host_.application().addons();
    for (const RegisteredAddon& addon : library.addons) {
        // The collection drops every add-on of a name; the other copies come back.
        std::vector<std::string> names = addons.names();
        long copies = std::count(names.begin(), names.end(), addon.name);
        addons.remove(addon.name);
        for (long i = 1; i < copies; ++i) addons.add(addon.name);
    }
}

}  // namespace simhost
