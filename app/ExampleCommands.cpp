#include "app/ExampleCommands.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "app/ExampleDrawings.h"
#include "app/Runner.h"
#include "simhost/file/DrawingFile.h"
#include "simhost/host/Document.h"

namespace runner {
namespace {

constexpr int kLargestSize = 9999999;

bool readSize(const std::string& text, int* size) {
    if (text.empty() || text.size() > 7) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    *size = std::stoi(text);
    return *size > 0;
}

// Why the size given does not fit the kind; empty when it does.
std::string whySizeIsWrong(const std::string& kind, const std::string& text, int* size) {
    if (!ExampleDrawings::takesSize(kind))
        return "a " + kind +
               " drawing takes no SIZE (only large-petri-net and dense-petri-net do: their "
               "elements)";
    if (!readSize(text, size))
        return "SIZE is the net's number of elements, a whole number from 1 to " +
               std::to_string(kLargestSize) + ", not " + text;
    return std::string();
}

std::string kindList() {
    std::string list;
    for (const std::string& kind : ExampleDrawings::kinds())
        list += (list.empty() ? "" : ", ") + kind;
    return list;
}

void generate(Runner& r, const Runner::Arguments& a) {
    int size = ExampleDrawings::kLargeNetElements;
    if (a.words.size() < 2 || a.words.size() > 3) return r.fail("usage: generate KIND FILE [SIZE]");
    const std::vector<std::string>& kinds = ExampleDrawings::kinds();
    const std::string noSuchKind =
        "no example drawing of the kind " + a.words[0] + " (" + kindList() + ")";
    if (std::find(kinds.begin(), kinds.end(), a.words[0]) == kinds.end()) return r.fail(noSuchKind);
    const std::string wrongSize =
        a.words.size() == 3 ? whySizeIsWrong(a.words[0], a.words[2], &size) : std::string();
    if (!wrongSize.empty()) return r.fail(wrongSize);
    std::string file = r.resolvePath(a.words[1]);
    std::string name = std::filesystem::u8path(file).filename().u8string();
    std::string error;
    auto document = ExampleDrawings::build(r.host(), a.words[0], name, size, &error);
    if (!document) return r.fail(noSuchKind);
    if (!error.empty()) {
        r.host().closeDocument(*document);
        return r.fail("cannot glue: " + error);
    }
    bool saved = simhost::DrawingFile::save(*document, file, &error);
    r.host().closeDocument(*document);
    if (!saved) return r.fail(error);
    r.out() << "generated " << a.words[0] << " in " << a.words[1] << "\n";
}

}  // namespace

void addExampleCommands(Runner& runner) {
    Runner& r = runner;
    r.addCommand("generate",
                 "generate KIND FILE [SIZE]   write an example drawing (" + kindList() + ")",
                 [&r](const Runner::Arguments& a) { generate(r, a); });
}

}  // namespace runner
