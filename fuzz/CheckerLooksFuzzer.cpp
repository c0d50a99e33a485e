// A fuzzed drawing checked and the check stopped: the checker paints the shapes through
// guarded formulas and must put back every cell as it was. A shape from an older master
// may have its missing notation cells made up by the first check (user-defined cells,
// action rows, and a channel's character format linked to its channel part); apart from
// those every cell holds its formula of before, and a second check and stop change
// nothing at all.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "app/CellSnapshot.h"
#include "fuzz/support/AddonSession.h"
#include "simhost/file/DrawingFile.h"

namespace {

using runner::CellSnapshot;

// A change that making up an older master's missing cells may bring.
bool madeUpByTheChecker(const std::string& change) {
    static const std::regex madeUp(
        R"(^page ".*" shape \d+ ((User|Actions)\.\S+: .*|Char\.(Color|Style): .* -> Sheet\.\d+!Char\.(Color|Style)))");
    return std::regex_search(change, madeUp);
}

void checkAndStop(fuzzing::AddonSession& session) {
    if (session.press("CCStartButton")) session.press("CCStopButton");
}

[[noreturn]] void fail(const char* what, const std::vector<std::string>& changes) {
    std::fprintf(stderr, "%s\n", what);
    for (const std::string& change : changes) std::fprintf(stderr, "  %s\n", change.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::AddonSession session;
    std::string error;
    auto document = simhost::DrawingFile::openText(
        session.host, std::string(reinterpret_cast<const char*>(data), size), &error);
    if (!document) return 0;
    session.host.pump();
    const CellSnapshot before = CellSnapshot::of(*document);
    checkAndStop(session);
    const CellSnapshot once = CellSnapshot::of(*document);
    std::vector<std::string> changed;
    for (const std::string& change : CellSnapshot::changes(before, once))
        if (!madeUpByTheChecker(change)) changed.push_back(change);
    if (!changed.empty()) fail("a check and a stop changed cells:", changed);
    checkAndStop(session);
    std::vector<std::string> again = CellSnapshot::changes(once, CellSnapshot::of(*document));
    if (!again.empty()) fail("a second check and stop changed cells:", again);
    return 0;
}
