#include "simhost/os/StandInSystem.h"

#include "platform/os/PathSplit.h"

namespace simhost {

#ifdef _WIN32
const char StandInSystem::kMemorySettingsFolder[] = "C:\\Users\\user\\AppData\\Roaming";
const char StandInSystem::kMemoryRoot[] = "C:\\";
#else
const char StandInSystem::kMemorySettingsFolder[] = "/home/user/.config";
const char StandInSystem::kMemoryRoot[] = "/";
#endif

StandInSystem::StandInSystem(Files files, Clock clock) : files_(files), clock_(clock) {
    if (files_ != Files::InMemory) return;
    settingsFolder = kMemorySettingsFolder;
    makeFolders(settingsFolder);
}

StandInSystem::~StandInSystem() {
    if (&os::System::current() == this) os::System::install(nullptr);
}

uint32_t StandInSystem::tickCount() {
    return clock_ == Clock::Machine ? machine().tickCount() : ticks_;
}

void StandInSystem::sleep(uint32_t milliseconds) {
    if (clock_ == Clock::Machine) {
        machine().sleep(milliseconds);
    } else {
        ticks_ += milliseconds;
    }
}

std::string StandInSystem::roamingSettingsFolder() {
    if (!settingsFolder.empty()) makeFolders(settingsFolder);
    return settingsFolder;
}

std::string StandInSystem::workingFolder() {
    return files_ == Files::Machine ? machine().workingFolder() : memoryWorkingFolder;
}

int64_t StandInSystem::currentTime() {
    return clock_ == Clock::Machine ? machine().currentTime() : seconds_;
}

os::CalendarTime StandInSystem::localTime() {
    os::CalendarTime now = clock_ == Clock::Machine ? machine().localTime() : local_;
    if (date_) {
        now.year = date_->year;
        now.month = date_->month;
        now.day = date_->day;
    }
    return now;
}

void StandInSystem::setDate(int year, int month, int day) {
    date_ = os::CalendarTime{year, month, day, 0, 0, 0};
}

void StandInSystem::setTime(int64_t seconds, const os::CalendarTime& local) {
    seconds_ = seconds;
    local_ = local;
    date_.reset();
}

os::PathKind StandInSystem::find(const std::string& path) {
    return files_ == Files::Machine ? machine().find(path) : memory_.find(path);
}

os::ReadResult StandInSystem::readFile(const std::string& path, std::string& content) {
    return files_ == Files::Machine ? machine().readFile(path, content)
                                    : memory_.readFile(path, content);
}

bool StandInSystem::writeFile(const std::string& path, const std::string& content) {
    return files_ == Files::Machine ? machine().writeFile(path, content)
                                    : memory_.writeFile(path, content);
}

bool StandInSystem::createDirectory(const std::string& path) {
    return files_ == Files::Machine ? machine().createDirectory(path)
                                    : memory_.createDirectory(path);
}

bool StandInSystem::deleteFile(const std::string& path) {
    return files_ == Files::Machine ? machine().deleteFile(path) : memory_.deleteFile(path);
}

bool StandInSystem::moveFile(const std::string& from, const std::string& to) {
    return files_ == Files::Machine ? machine().moveFile(from, to) : memory_.moveFile(from, to);
}

bool StandInSystem::makeFolders(const std::string& path) {
    std::size_t end = 0;
    do {
        end = path.find_first_of(os::pathSeparators(), end + 1);
        const std::string level = path.substr(0, end);
        if (find(level) != os::PathKind::Directory && !createDirectory(level)) return false;
    } while (end != std::string::npos);
    return true;
}

std::optional<std::string> StandInSystem::fileContent(const std::string& path) {
    std::string content;
    if (readFile(path, content) != os::ReadResult::Read) return std::nullopt;
    return content;
}

}  // namespace simhost
