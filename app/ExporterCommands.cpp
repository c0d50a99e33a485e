#include "app/ExporterCommands.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/Runner.h"
#include "simhost/render/PictureProbe.h"

namespace runner {
namespace {

namespace fs = std::filesystem;

void folder(Runner& r, const Runner::Arguments& a) {
    if (a.rest.empty()) return r.fail("usage: folder PATH|cancel");
    if (a.rest == "cancel") {
        r.backend().answerFolder(std::nullopt);
        r.out() << "the next folder browser is cancelled\n";
        return;
    }
    r.backend().answerFolder(r.resolvePath(a.rest));
    r.out() << "the next folder browser chooses " << a.rest << "\n";
}

// Sorted by name, so that the listing does not depend on the file system's order.
std::vector<fs::path> entriesOf(const fs::path& folder) {
    std::vector<fs::path> entries;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) entries.push_back(entry.path());
    std::sort(entries.begin(), entries.end());
    return entries;
}

void pictures(Runner& r, const Runner::Arguments& a) {
    if (a.rest.empty()) return r.fail("usage: pictures FOLDER");
    const fs::path folder = fs::u8path(r.resolvePath(a.rest));
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        r.out() << "no folder " << a.rest << "\n";
        return;
    }
    const std::vector<fs::path> entries = entriesOf(folder);
    r.out() << (entries.empty() ? "nothing" : std::to_string(entries.size()) + " files") << " in "
            << a.rest << "\n";
    for (const fs::path& entry : entries) {
        r.out() << "  " << entry.filename().u8string();
        if (fs::is_directory(entry, error)) {
            r.out() << "  folder\n";
            continue;
        }
        const std::string bytes = r.system().fileContent(entry.u8string()).value_or("");
        const simhost::render::PictureFacts facts = simhost::render::PictureProbe::probe(bytes);
        // Not the byte count: a picture's bytes follow the fonts the machine has and the
        // library that wrote it.
        r.out() << "  "
                << (facts.format == simhost::render::PictureFormat::Other ? "no picture"
                                                                          : facts.description)
                << "\n";
    }
}

// Only below the temporary folder: a session clears what an earlier run left there.
void removeFolder(Runner& r, const Runner::Arguments& a) {
    const std::string prefix = "$TMP/";
    if (a.rest.rfind(prefix, 0) != 0 || a.rest.size() == prefix.size() ||
        a.rest.find("..") != std::string::npos) {
        return r.fail("usage: removefolder $TMP/FOLDER");
    }
    std::error_code error;
    fs::remove_all(fs::u8path(r.resolvePath(a.rest)), error);
    if (error) return r.fail("cannot remove " + a.rest + ": " + error.message());
    r.out() << "no folder " << a.rest << " now\n";
}

}  // namespace

void addExporterCommands(Runner& runner) {
    Runner& r = runner;
    r.addCommand("folder", "folder PATH|cancel   what the next folder browser answers",
                 [&r](const Runner::Arguments& a) { folder(r, a); });
    r.addCommand("pictures",
                 "pictures FOLDER   the files in the folder with their sizes and picture formats",
                 [&r](const Runner::Arguments& a) { pictures(r, a); });
    r.addCommand(
        "removefolder",
        "removefolder $TMP/FOLDER   remove a folder of the temporary folder with all in it",
        [&r](const Runner::Arguments& a) { removeFolder(r, a); });
}

}  // namespace runner
