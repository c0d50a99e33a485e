#include "simhost/addon/AddonLibrary.h"

#include "platform/hosting/HostRegistrations.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace simhost {
namespace {

constexpr char kEntryName[] = "VisioLibMain";

#ifdef _WIN32
void* openLibrary(const std::string& path) {
    return reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
}
void* findSymbol(void* handle, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}
void closeLibrary(void* handle) {
    FreeLibrary(static_cast<HMODULE>(handle));
}
std::string lastError() {
    return "error " + std::to_string(GetLastError());
}
std::string programPath() {
    char path[MAX_PATH] = {0};
    GetModuleFileNameA(nullptr, path, MAX_PATH - 1);
    return path;
}
constexpr char kLibraryFile[] = "QAVSupportTools.vsl";
#else
void* openLibrary(const std::string& path) {
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}
void* findSymbol(void* handle, const char* name) {
    return dlsym(handle, name);
}
void closeLibrary(void* handle) {
    dlclose(handle);
}
std::string lastError() {
    const char* text = dlerror();
    return text ? text : "unknown error";
}
std::string programPath() {
    char path[4096] = {0};
    ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}
constexpr char kLibraryFile[] = "QAVSupportTools.so";
#endif

// The library follows this host's registrations from now on, as one of ours does; a
// library that takes none (not one of ours) keeps its own.
bool shareRegistrations(void* handle) {
    auto share =
        reinterpret_cast<hosting::ShareEntry>(findSymbol(handle, hosting::kShareEntryName));
    if (!share) return true;
    const hosting::HostRegistrations mine = hosting::ofThisModule();
    return share(&mine) == 1;
}

}  // namespace

std::string AddonLibrary::besideProgram() {
    std::string program = programPath();
    size_t slash = program.find_last_of("/\\");
    std::string folder = slash == std::string::npos ? std::string() : program.substr(0, slash + 1);
    return folder + kLibraryFile;
}

std::unique_ptr<AddonLibrary> AddonLibrary::load(const std::string& path, std::string* error) {
    void* handle = openLibrary(path);
    if (!handle) {
        if (error) *error = "cannot load " + path + ": " + lastError();
        return nullptr;
    }
    void* entry = findSymbol(handle, kEntryName);
    if (!entry) {
        if (error) *error = path + " has no entry VisioLibMain";
        closeLibrary(handle);
        return nullptr;
    }
    if (!shareRegistrations(handle)) {
        if (error) *error = path + " refuses this host's registrations: it is of another build";
        closeLibrary(handle);
        return nullptr;
    }
    return std::unique_ptr<AddonLibrary>(
        new AddonLibrary(path, handle, reinterpret_cast<Entry>(entry)));
}

AddonLibrary::~AddonLibrary() {
    closeLibrary(handle_);
}

uint16_t AddonLibrary::send(uint16_t message, uint16_t wParam, void* lParam) const {
    return entry_(message, wParam, lParam);
}

void* AddonLibrary::exportedSymbol(const std::string& name) const {
    return findSymbol(handle_, name.c_str());
}

}  // namespace simhost
