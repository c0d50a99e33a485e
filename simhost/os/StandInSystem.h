// The system port as the stand-in host gives it to the add-on: separators and a settings
// folder of the caller's choosing, a clock that tests set and advance (or the machine's),
// and files in memory (for tests) or the machine's own (for the runner, which writes real
// pictures).
//
//   simhost::StandInSystem system;            // files in memory, the clock at 0
//   system.install();                         // until it goes
//   system.makeFolders("/help");
//   system.writeFile("/help/QAV_STENCILS.CHM", "help");
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/os/System.h"
#include "simhost/os/MemoryFiles.h"

namespace simhost {

class StandInSystem : public os::System {
public:
    enum class Files { InMemory, Machine };
    enum class Clock { Set, Machine };

    // In memory, the settings folder is kMemorySettingsFolder, there and empty; on the
    // machine's files there is none until the caller names one.
    explicit StandInSystem(Files files = Files::InMemory, Clock clock = Clock::Set);
    // Withdraws itself when installed.
    ~StandInSystem() override;
    StandInSystem(const StandInSystem&) = delete;
    StandInSystem& operator=(const StandInSystem&) = delete;

    static const char kMemorySettingsFolder[];
    static const char kMemoryRoot[];

    void install() { os::System::install(this); }

    // --- os::System

    std::string listSeparator() override { return list; }
    std::string decimalSeparator() override { return decimal; }
    uint32_t tickCount() override;
    // A set clock moves on by the time at once, so that waits pass without waiting.
    void sleep(uint32_t milliseconds) override;
    // The settings folder, made with every level when missing; empty stays empty.
    std::string roamingSettingsFolder() override;
    // In memory the folder tests set; on the machine's files the process's own.
    std::string workingFolder() override;
    int64_t currentTime() override;
    os::CalendarTime localTime() override;
    os::PathKind find(const std::string& path) override;
    os::ReadResult readFile(const std::string& path, std::string& content) override;
    bool writeFile(const std::string& path, const std::string& content) override;
    bool createDirectory(const std::string& path) override;
    bool deleteFile(const std::string& path) override;
    bool moveFile(const std::string& from, const std::string& to) override;

    // --- What tests and the runner set

    std::string list = ",";
    std::string decimal = ".";
    // Empty: the user has no settings folder.
    std::string settingsFolder;
    // Where relative paths start in memory: the root, unless a test moves it.
    std::string memoryWorkingFolder = kMemoryRoot;

    // A set clock only moves when told.
    void setTickCount(uint32_t ticks) { ticks_ = ticks; }
    void advanceTicks(uint32_t milliseconds) { ticks_ += milliseconds; }
    void setTime(int64_t seconds, const os::CalendarTime& local);
    // The calendar shows this day from now on, on either clock; the time of day and the
    // tick count go on as they do.
    void setDate(int year, int month, int day);

    // --- Conveniences over the file calls, for whichever files are in use

    // Makes the folder and every missing level above it; false when one could not be.
    bool makeFolders(const std::string& path);
    // The file's whole content; none when it cannot be read.
    std::optional<std::string> fileContent(const std::string& path);
    // The folders and files in memory (see MemoryFiles::paths); none on the machine's.
    std::vector<std::string> memoryPaths() const { return memory_.paths(); }

private:
    os::System& machine() { return os::System::platform(); }

    Files files_;
    Clock clock_;
    MemoryFiles memory_;
    uint32_t ticks_ = 0;
    int64_t seconds_ = 0;
    os::CalendarTime local_{1970, 1, 1, 0, 0, 0};
    std::optional<os::CalendarTime> date_;
};

}  // namespace simhost
