// The platform's own answers on Windows: the user's regional settings, the system
// tick count and the roaming application-data folder.
#ifdef _WIN32

#include <shlobj.h>
#include <windows.h>

#include "platform/os/System.h"

namespace os {
namespace {

std::string localeInfo(LCTYPE type) {
    char buffer[100] = {0};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof(buffer));
    return buffer;
}

class WinSystem : public System {
public:
    std::string listSeparator() override { return localeInfo(LOCALE_SLIST); }
    std::string decimalSeparator() override { return localeInfo(LOCALE_SDECIMAL); }
    uint32_t tickCount() override { return GetTickCount(); }

    std::string roamingSettingsFolder() override {
        char path[MAX_PATH] = {0};
        if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                    SHGFP_TYPE_CURRENT, path))) {
            return std::string();
        }
        return path;
    }
};

}  // namespace

System& platformSystem() {
    static WinSystem system;
    return system;
}

}  // namespace os

#endif
