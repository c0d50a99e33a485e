#include "app/ExampleCommands.h"

#include <filesystem>
#include <ostream>
#include <string>

#include "app/ExampleDrawings.h"
#include "app/Runner.h"
#include "simhost/file/DrawingFile.h"
#include "simhost/host/Document.h"

namespace runner {
namespace {

bool readSize(const std::string& text, int* size) {
    if (text.empty() || text.size() > 7) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    *size = std::stoi(text);
    return *size > 0;
}

std::string kindList() {
    std::string list;
    for (const std::string& kind : ExampleDrawings::kinds())
        list += (list.empty() ? "" : ", ") + kind;
    return list;
}

void generate(Runner& r, const Runner::Arguments& a) {
    int size = ExampleDrawings::kLargeNetElements;
    if (a.words.size() < 2 || a.words.size() > 3 ||
        (a.words.size() == 3 && !readSize(a.words[2], &size)))
        return r.fail("usage: generate KIND FILE [SIZE]");
    std::string file = r.resolvePath(a.words[1]);
    std::string name = std::filesystem::u8path(file).filename().u8string();
    std::string error;
    auto document = ExampleDrawings::build(r.host(), a.words[0], name, size, &error);
    if (!document)
        return r.fail("no example drawing of the kind " + a.words[0] + " (" + kindList() + ")");
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
