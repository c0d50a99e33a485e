// The platform's own answers on Windows: the user's regional settings, the system tick
// count, the roaming application-data folder, the local time and the Win32 file calls.
#ifdef _WIN32

#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <ctime>
#include <string>

#include "platform/os/System.h"

namespace os {
namespace {

// What GetFinalPathNameByHandle puts before a drive path and before a network path.
constexpr char kLongPathPrefix[] = "\\\\?\\";
constexpr char kLongUncPrefix[] = "\\\\?\\UNC\\";

std::string localeInfo(LCTYPE type) {
    char buffer[100] = {0};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof(buffer));
    return buffer;
}

// Closes the handle when it goes out of scope, unless closed first.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (valid()) CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool close() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != 0;
    }

private:
    HANDLE handle_;
};

bool startsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// The file a path ends at once symbolic links are followed; a path that leads nowhere
// stays as it is.
std::string finalPathOf(const std::string& path) {
    Handle file(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid()) return path;
    std::string final(MAX_PATH, '\0');
    DWORD length = GetFinalPathNameByHandleA(file.get(), &final[0],
                                             static_cast<DWORD>(final.size()), VOLUME_NAME_DOS);
    if (length >= final.size()) {
        final.resize(length);
        length = GetFinalPathNameByHandleA(file.get(), &final[0], static_cast<DWORD>(final.size()),
                                           VOLUME_NAME_DOS);
    }
    if (length == 0 || length >= final.size()) return path;
    final.resize(length);
    if (startsWith(final, kLongUncPrefix)) return "\\\\" + final.substr(8);
    if (startsWith(final, kLongPathPrefix)) return final.substr(4);
    return final;
}

bool isReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool writeNewFile(const std::string& path, const std::string& content) {
    Handle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    std::size_t done = 0;
    while (done < content.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1u << 20));
        DWORD put = 0;
        if (!WriteFile(file.get(), content.data() + done, chunk, &put, nullptr) || put == 0) {
            return false;
        }
        done += put;
    }
    const bool flushed = FlushFileBuffers(file.get()) != 0;
    return file.close() && flushed;
}

class WinSystem : public System {
public:
    std::string listSeparator() override { return localeInfo(LOCALE_SLIST); }
    std::string decimalSeparator() override { return localeInfo(LOCALE_SDECIMAL); }
    uint32_t tickCount() override { return GetTickCount(); }
    void sleep(uint32_t milliseconds) override { Sleep(milliseconds); }

    std::string roamingSettingsFolder() override {
        char path[MAX_PATH] = {0};
        if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                    SHGFP_TYPE_CURRENT, path))) {
            return std::string();
        }
        return path;
    }

    std::string workingFolder() override {
        const DWORD size = GetCurrentDirectoryA(0, nullptr);
        if (size == 0) return std::string();
        std::string folder(size, '\0');
        const DWORD length = GetCurrentDirectoryA(size, &folder[0]);
        if (length == 0 || length >= size) return std::string();
        folder.resize(length);
        return folder;
    }

    int64_t currentTime() override { return static_cast<int64_t>(std::time(nullptr)); }

    CalendarTime localTime() override {
        SYSTEMTIME local{};
        GetLocalTime(&local);
        return CalendarTime{local.wYear, local.wMonth,  local.wDay,
                            local.wHour, local.wMinute, local.wSecond};
    }

    PathKind find(const std::string& path) override {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::None;
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Directory : PathKind::File;
    }

    // Others may read while the file is open, but not write.
    ReadResult readFile(const std::string& path, std::string& content) override {
        Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) {
            const DWORD error = GetLastError();
            return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                       ? ReadResult::Missing
                       : ReadResult::Failed;
        }
        std::string read;
        char chunk[16 * 1024];
        DWORD got = 0;
        do {
            if (!ReadFile(file.get(), chunk, sizeof(chunk), &got, nullptr)) {
                return ReadResult::Failed;
            }
            read.append(chunk, got);
        } while (got > 0);
        content = std::move(read);
        return ReadResult::Read;
    }

    bool writeFile(const std::string& path, const std::string& content) override {
        const std::string target = finalPathOf(path);
        const std::string beside = target + kNewContentSuffix;
        if (writeNewFile(beside, content) && moveFile(beside, target)) return true;
        DeleteFileA(beside.c_str());
        return false;
    }

    bool createDirectory(const std::string& path) override {
        return CreateDirectoryA(path.c_str(), nullptr) != 0;
    }

    bool deleteFile(const std::string& path) override { return DeleteFileA(path.c_str()) != 0; }

    // The C library's rename() refuses an existing target; MoveFileEx replaces it, and
    // would move a folder too. A read-only file is the user's to keep: not every file
    // system behind MoveFileEx refuses to replace one.
    bool moveFile(const std::string& from, const std::string& to) override {
        return find(from) == PathKind::File && !isReadOnly(to) &&
               MoveFileExA(from.c_str(), to.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }
};

}  // namespace

System& platformSystem() {
    static WinSystem system;
    return system;
}

}  // namespace os

#endif
