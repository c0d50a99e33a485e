// The runner's session: the stand-in host with its headless windows, the add-on
// libraries it loads, and a table of commands that a session file or standard input
// plays line by line. Every message box the add-on shows is printed as it happens.
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/MarkerSpy.h"
#include "simhost/addon/AddonHost.h"
#include "simhost/addon/OfficeBarWindows.h"
#include "simhost/host/Host.h"
#include "simhost/os/StandInSystem.h"
#include "simhost/ui/HeadlessBackend.h"

namespace runner {

class Runner {
public:
    // The words after the command name, and the rest of the line after it as typed.
    struct Arguments {
        std::vector<std::string> words;
        std::string rest;
    };
    using Handler = std::function<void(const Arguments&)>;

    explicit Runner(std::ostream& out);
    ~Runner();
    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    void addCommand(const std::string& name, const std::string& usage, Handler handler);
    // Plays the lines until the end or "quit"; answers the exit code: 0 once the lines
    // are played (errors in them included), 1 when the input could not be read.
    int play(std::istream& in);
    // One line (counted, blank and comment lines too); false after "quit".
    bool execute(const std::string& line);
    // Reports a command that could not be done, naming its line, with the temporary
    // folder shown as "$TMP"; the session goes on.
    void fail(const std::string& message);
    // The errors reported so far.
    std::size_t errorCount() const { return errors_; }

    // Where relative paths in commands start: the session file's folder.
    void setBaseFolder(const std::string& folder) { baseFolder_ = folder; }
    // A path of a command as a file name: relative ones against the base folder, and
    // "$TMP/..." in the system's temporary folder.
    std::string resolvePath(const std::string& path) const;
    // The text with the system's temporary folder shown as "$TMP", as commands name it:
    // transcripts then do not depend on where that folder is.
    std::string shownPaths(std::string text) const;
    // A file as the session named it, when a command did; else "$TMP/..." in the
    // temporary folder, relative to the folder paths resolve against (the session file's,
    // or the working folder), or as it is.
    std::string sessionPath(const std::string& file) const;

    std::ostream& out() { return out_; }
    simhost::Host& host() { return *host_; }
    simhost::headless::HeadlessBackend& backend() { return backend_; }
    simhost::AddonHost& addons() { return *addons_; }
    // Separators that the session chooses ("locale LIST DECIMAL"), the machine's files, a
    // settings folder of the session's own, so that it starts from no settings file, and
    // a clock of the session's own: it starts at 1970-01-01 00:00 and its tick count moves
    // one millisecond with every wait Visio is asked for, so that timed runs print the
    // same every time.
    simhost::StandInSystem& system() { return system_; }
    const MarkerSpy& markers() const { return *markers_; }

    // What "events" has not shown yet; each call moves the mark.
    std::vector<std::string> takeNewMarkers();
    std::vector<const simhost::headless::MessageBoxRecord*> takeNewBoxesForEvents();
    void printBox(const simhost::headless::MessageBoxRecord& box);

private:
    std::string fileOf(const std::string& path) const;
    void printHelp();
    void printNewBoxes();
    void afterCommand();

    std::ostream& out_;
    simhost::headless::HeadlessBackend backend_;
    simhost::StandInSystem system_{simhost::StandInSystem::Files::Machine,
                                   simhost::StandInSystem::Clock::Set};
    std::unique_ptr<simhost::Host> host_;
    std::unique_ptr<simhost::OfficeBarWindows> barWindows_;
    std::unique_ptr<simhost::AddonHost> addons_;
    visio::ComRef<MarkerSpy> markers_;
    std::map<std::string, std::pair<std::string, Handler>> commands_;
    std::size_t boxesPrinted_ = 0;
    std::size_t helpCallsPrinted_ = 0;
    std::size_t boxesInEvents_ = 0;
    std::size_t markersInEvents_ = 0;
    std::size_t errors_ = 0;
    int lineNumber_ = 0;
    std::string baseFolder_;
    // The files commands named, by the words that named them.
    mutable std::map<std::string, std::string> namedAs_;
};

}  // namespace runner
