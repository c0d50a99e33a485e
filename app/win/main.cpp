// qavhost for Windows: the runner of app/ with the stand-in host behind its COM face. The
// add-on library it loads finds the stand-in's application as the running Visio with
// GetActiveObject and talks to it only through COM; with --in-process it finds it
// registered in the process, as the Linux runner's add-on does.
//
// Usage: qavhost [--in-process] [--drawing FILE] [SESSION]  (standard input without one)
//   --drawing FILE   writes the open drawings as they are after the session into FILE
// The environment variable QAVHOST_TEMP names the temporary folder ($TMP/) to use.
// Exit status: 0 when the session was played (its errors are in the output), 2 when it
// could not be read, 3 when the add-on still held objects of the host through COM after
// it was unloaded.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "app/Commands.h"
#include "app/Runner.h"
#include "platform/com/Automation.h"
#include "platform/com/Text.h"
#include "simhost/com/ActiveApplication.h"
#include "simhost/file/DrawingFile.h"
#include "simhost/host/Documents.h"

namespace {

struct Options {
    bool inProcess = false;
    std::string drawing;
    std::string session;
};

std::optional<Options> readOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        if (word == "--in-process") {
            options.inProcess = true;
        } else if (word == "--drawing" && i + 1 < argc) {
            options.drawing = argv[++i];
        } else if (options.session.empty() && word.rfind("--", 0) != 0) {
            options.session = word;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

// The temporary folder of this run, where the environment names one.
void useTemporaryFolder() {
    const char* folder = std::getenv("QAVHOST_TEMP");
    if (!folder || !*folder) return;
    std::wstring wide = com::wideOf(folder);
    SetEnvironmentVariableW(L"TMP", wide.c_str());
    SetEnvironmentVariableW(L"TEMP", wide.c_str());
}

int play(runner::Runner& runner, const Options& options) {
    if (options.session.empty()) return runner.play(std::cin) == 0 ? 0 : 2;
    std::ifstream session(options.session);
    if (!session) {
        std::cerr << "cannot read " << options.session << "\n";
        return 2;
    }
    runner.setBaseFolder(std::filesystem::u8path(options.session).parent_path().u8string());
    return runner.play(session) == 0 ? 0 : 2;
}

void unloadLibraries(runner::Runner& runner) {
    while (!runner.addons().libraries().empty()) {
        runner.addons().unload(*runner.addons().libraries().back());
    }
}

void writeDrawings(runner::Runner& runner, const std::string& fileName) {
    std::ofstream out(fileName, std::ios::binary);
    for (const auto& document : runner.host().application().documents().list()) {
        std::string text;
        std::string error;
        if (!simhost::DrawingFile::write(*document, &text, &error)) text = "error: " + error;
        out << text << "\n";
    }
}

// What the add-on holds of the host through COM once it is unloaded: nothing.
bool releasedEverything(simhost::comface::FaceSession& session) {
    const simhost::comface::FaceCounts& counts = session.counts();
    if (counts.liveFaces == 0 && counts.liveSinks == 0) return true;
    std::cerr << "after unloading, the add-on still holds " << counts.liveFaces
              << " objects and the host " << counts.liveSinks << " event sinks of the add-on\n";
    return false;
}

int run(const Options& options) {
    runner::Runner runner(std::cout);
    runner::addAllCommands(runner);
    std::unique_ptr<simhost::comface::ActiveApplication> active;
    if (!options.inProcess) {
        runner.host().withdrawActiveObject();
        active =
            std::make_unique<simhost::comface::ActiveApplication>(runner.host().applicationRef());
        if (!active->registered()) {
            std::cerr
                << "cannot register the host as the running Visio (is another one running?)\n";
            return 2;
        }
    }
    int status = play(runner, options);
    unloadLibraries(runner);
    if (!options.drawing.empty()) writeDrawings(runner, options.drawing);
    if (active) {
        active->revoke();
        if (!releasedEverything(active->session())) status = 3;
    }
    std::cout.flush();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<Options> options = readOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: qavhost [--in-process] [--drawing FILE] [SESSION]\n";
        return 2;
    }
    // The transcript's lines end as the Linux runner's do.
    _setmode(_fileno(stdout), _O_BINARY);
    useTemporaryFolder();
    if (FAILED(OleInitialize(nullptr))) {
        std::cerr << "cannot initialise COM\n";
        return 2;
    }
    int status = run(*options);
    OleUninitialize();
    return status;
}
