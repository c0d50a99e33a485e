// A drawing file read, written and read again: what the host makes of the first reading
// and of the second is the same document, and the second writing gives the same bytes.
// Everything the reader takes, the writer must be able to write.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "simhost/file/DrawingFile.h"
#include "simhost/host/Host.h"
#include "tests/simhost/DrawingDescription.h"

namespace {

[[noreturn]] void fail(const std::string& what, const std::string& detail) {
    std::fprintf(stderr, "%s\n%s\n", what.c_str(), detail.c_str());
    std::abort();
}

// Reads the text in a host of its own; answers the description, and the text written back.
bool readAndWrite(const std::string& text, std::string* description, std::string* written) {
    simhost::Host host;
    std::string error;
    auto document = simhost::DrawingFile::openText(host, text, &error);
    if (!document) return false;
    *description = simhost::testing::describe(*document);
    if (!simhost::DrawingFile::write(*document, written, &error))
        fail("a drawing that was read cannot be written: " + error, text);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string first, firstWritten;
    if (!readAndWrite(text, &first, &firstWritten)) return 0;
    std::string second, secondWritten;
    if (!readAndWrite(firstWritten, &second, &secondWritten))
        fail("the writer's own file is not read again", firstWritten);
    if (second != first) fail("read back, the drawing differs:\n" + first, second);
    if (secondWritten != firstWritten) fail("written again, the file differs", secondWritten);
    return 0;
}
