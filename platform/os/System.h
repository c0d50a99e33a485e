// What the add-on asks of the operating system: regional separators, the tick count and
// calendar time, the settings folder, and files. One interface with an implementation per
// platform and a stand-in that hosts and tests install, so the add-on's code is written
// once.
#pragma once

#include <cstdint>
#include <string>

#include "platform/os/Registration.h"

namespace os {

// What a path names.
enum class PathKind { None, File, Directory };

enum class ReadResult {
    Read,
    // Nothing is there: the file (or a folder on its way) does not exist.
    Missing,
    // Something is there but cannot be read as a file (a folder, no permission).
    Failed,
};

// A moment as the local calendar and clock show it; month and day count from 1.
struct CalendarTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class System {
public:
    virtual ~System();

    // The user's list separator (LOCALE_SLIST), as the regional settings give it.
    virtual std::string listSeparator() = 0;
    // The user's decimal separator (LOCALE_SDECIMAL).
    virtual std::string decimalSeparator() = 0;
    // Milliseconds since start-up, wrapping at 2^32.
    virtual uint32_t tickCount() = 0;
    // Lets the time pass on the calling thread (Sleep): it handles no window messages
    // meanwhile. The tick count has moved on by about that much afterwards.
    virtual void sleep(uint32_t milliseconds) = 0;
    // The user's roaming application-data folder, created when missing; empty when
    // there is none. No trailing separator.
    virtual std::string roamingSettingsFolder() = 0;
    // The process's current folder (GetCurrentDirectory), from which the file calls take
    // a relative path; empty when it cannot be told.
    virtual std::string workingFolder() = 0;

    // Seconds since 1970-01-01 00:00 UTC, as the C library's time() counts them.
    virtual int64_t currentTime() = 0;
    // The current time on the local calendar.
    virtual CalendarTime localTime() = 0;

    // Paths are in the system's narrow encoding (the ANSI code page on Windows).
    virtual PathKind find(const std::string& path) = 0;
    // The whole file into content; content is untouched unless the file was read.
    virtual ReadResult readFile(const std::string& path, std::string& content) = 0;
    // Writes the content beside the file (its path and kNewContentSuffix) and then moves
    // it into the file's place (moveFile), so that a reader sees the old content or the
    // new, never a half-written file. A symbolic link stays a link: its target gets the
    // content. A file that may not be written (read-only) is not replaced. False when it
    // failed; the file is then as it was and nothing is left beside it.
    virtual bool writeFile(const std::string& path, const std::string& content) = 0;
    // One folder, in a folder that exists; false when it could not be made or was there.
    virtual bool createDirectory(const std::string& path) = 0;
    // A file, not a folder; false when there was none or it stays.
    virtual bool deleteFile(const std::string& path) = 0;
    // Moves a file (not a folder) to the path on the same volume in one step, replacing a
    // file there (not a folder, nor a file that may not be written), so that a reader of
    // the path sees the old file or the new one, never neither. False when it failed;
    // both are then as they were.
    virtual bool moveFile(const std::string& from, const std::string& to) = 0;

    // The installed system, or the platform's own when none is installed.
    static System& current();
    // The platform's own, whatever is installed.
    static System& platform();
    // Installs a system for the whole process (hosts and tests); nullptr restores the
    // platform's own. The caller keeps ownership.
    static void install(System* system);
    // Where the installed system is registered (what a host hands the library it loads).
    static Registration<System>& registration();
};

// The separator between a folder and a file name.
#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// What System::writeFile appends to a file's path for the new content beside it.
constexpr char kNewContentSuffix[] = ".new";

}  // namespace os
