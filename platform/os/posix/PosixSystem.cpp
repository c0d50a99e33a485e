// The platform's own answers on POSIX systems, where there is no Windows regional
// setting: the C locale's separators, the XDG configuration folder, the monotonic clock
// and the POSIX file calls.
#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/os/System.h"

namespace os {
namespace {

// As many links as the kernel follows before it gives up (ELOOP).
constexpr int kMaxLinks = 40;

// Closes the descriptor when it goes out of scope, unless closed first.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool readAll(int fd, std::string& content) {
    char chunk[16 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof(chunk));
        if (got == 0) return true;
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        content.append(chunk, static_cast<std::size_t>(got));
    }
}

bool writeAll(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t put = ::write(fd, content.data() + done, content.size() - done);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        done += static_cast<std::size_t>(put);
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a path ends at once its last component's symbolic links are followed; a
// relative link counts from the link's own folder. A path that leads nowhere stays.
std::string finalPathOf(std::string path) {
    for (int links = 0; links < kMaxLinks; ++links) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::string target(static_cast<std::size_t>(info.st_size) + 1, '\0');
        const ssize_t length = ::readlink(path.c_str(), &target[0], target.size());
        if (length < 0 || static_cast<std::size_t>(length) >= target.size()) return path;
        target.resize(static_cast<std::size_t>(length));
        path = target.front() == '/' ? target : folderOf(path) + target;
    }
    return path;
}

// A file there that may not be written: renaming over it needs only the folder's
// permission, so its own is asked. The bits count even for the superuser, whom access()
// lets write anything.
bool isWriteProtected(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return false;
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

// A new file with the content; it keeps the permissions of the file it will replace.
bool writeNewFile(const std::string& path, const std::string& content, const std::string& old) {
    Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!file.valid()) return false;
    struct stat info {};
    if (::stat(old.c_str(), &info) == 0) ::fchmod(file.get(), info.st_mode & 07777);
    const bool written = writeAll(file.get(), content) && ::fsync(file.get()) == 0;
    return file.close() && written;
}

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

    // A signal cuts nanosleep short; the rest is slept again.
    void sleep(uint32_t milliseconds) override {
        timespec rest{static_cast<time_t>(milliseconds / 1000),
                      static_cast<long>(milliseconds % 1000) * 1000000L};
        while (::nanosleep(&rest, &rest) != 0 && errno == EINTR) {
        }
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

    std::string workingFolder() override {
        std::string folder(4096, '\0');
        if (!::getcwd(&folder[0], folder.size())) return std::string();
        folder.resize(folder.find('\0'));
        return folder;
    }

    int64_t currentTime() override { return static_cast<int64_t>(::time(nullptr)); }

    CalendarTime localTime() override {
        const time_t now = ::time(nullptr);
        struct tm local {};
        if (!::localtime_r(&now, &local)) return CalendarTime();
        return CalendarTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                            local.tm_hour,        local.tm_min,     local.tm_sec};
    }

    PathKind find(const std::string& path) override {
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0) return PathKind::None;
        return S_ISDIR(info.st_mode) ? PathKind::Directory : PathKind::File;
    }

    ReadResult readFile(const std::string& path, std::string& content) override {
        Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
        if (!file.valid()) return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
        struct stat info {};
        if (::fstat(file.get(), &info) != 0 || S_ISDIR(info.st_mode)) return ReadResult::Failed;
        std::string read;
        if (!readAll(file.get(), read)) return ReadResult::Failed;
        content = std::move(read);
        return ReadResult::Read;
    }

    // The move replaces the target atomically; a write-protected file stays as it is, as
    // on Windows.
    bool writeFile(const std::string& path, const std::string& content) override {
        const std::string target = finalPathOf(path);
        if (isWriteProtected(target)) return false;
        const std::string beside = target + kNewContentSuffix;
        if (writeNewFile(beside, content, target) && moveFile(beside, target)) return true;
        ::unlink(beside.c_str());
        return false;
    }

    bool createDirectory(const std::string& path) override {
        return ::mkdir(path.c_str(), 0777) == 0;
    }

    bool deleteFile(const std::string& path) override { return ::unlink(path.c_str()) == 0; }

    // rename() replaces the target atomically; it would move a folder too, and replace a
    // file the user write-protected, which Windows refuses to replace.
    bool moveFile(const std::string& from, const std::string& to) override {
        return find(from) == PathKind::File && !isWriteProtected(to) &&
               ::rename(from.c_str(), to.c_str()) == 0;
    }
};

}  // namespace

System& platformSystem() {
    static PosixSystem system;
    return system;
}

}  // namespace os

#endif
