// One add-on library loaded into the process (dlopen / LoadLibrary) with its entry
// VisioLibMain; unloaded when the object goes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace simhost {

class AddonLibrary {
public:
    using Entry = uint16_t (*)(uint16_t message, uint16_t wParam, void* lParam);

    // The add-on library built beside the running program (QAVSupportTools.vsl on
    // Windows, QAVSupportTools.so elsewhere).
    static std::string besideProgram();
    // Loads the library and hands it this host's registrations (the installed system, the
    // window backend, the running application, the call observer), so that the library
    // uses what the host registered, not copies of its own. Null, with the reason in error,
    // when the file cannot be loaded, has no entry or refuses the registrations.
    static std::unique_ptr<AddonLibrary> load(const std::string& path, std::string* error);
    ~AddonLibrary();
    AddonLibrary(const AddonLibrary&) = delete;
    AddonLibrary& operator=(const AddonLibrary&) = delete;

    uint16_t send(uint16_t message, uint16_t wParam, void* lParam) const;
    // The address the library exports under that (decorated) name, or null.
    void* exportedSymbol(const std::string& name) const;
    const std::string& path() const { return path_; }

private:
    AddonLibrary(std::string path, void* handle, Entry entry)
        : path_(std::move(path)), handle_(handle), entry_(entry) {}

    std::string path_;
    void* handle_;
    Entry entry_;
};

}  // namespace simhost
