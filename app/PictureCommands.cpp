#include "app/PictureCommands.h"

#include <ostream>
#include <string>

#include "app/CommandWords.h"
#include "app/Runner.h"
#include "simhost/host/Application.h"
#include "simhost/host/Document.h"
#include "simhost/host/Page.h"
#include "simhost/render/PageExport.h"

namespace runner {
namespace {

// The text after the first word of a command's arguments (a file name may hold spaces).
std::string afterFirstWord(const std::string& rest) {
    size_t at = rest.find_first_of(" \t");
    if (at == std::string::npos) return std::string();
    at = rest.find_first_not_of(" \t", at);
    return at == std::string::npos ? std::string() : rest.substr(at);
}

void picture(Runner& r, const Runner::Arguments& a) {
    std::string file = afterFirstWord(a.rest);
    if (a.words.size() < 2 || file.empty()) return r.fail("usage: picture PAGE FILE");
    simhost::Document* document = r.host().application().activeDocument();
    if (!document) return r.fail("no drawing is open");
    simhost::Page* page = namedPage(*document, a.words[0]);
    if (!page) return r.fail("the drawing has no page " + a.words[0]);
    simhost::render::ExportResult result =
        simhost::render::PageExport::run(*page, r.resolvePath(file));
    if (!result.written) return r.fail(result.message);
    r.out() << "wrote page \"" << page->name() << "\" to " << file << "\n";
}

}  // namespace

void addPictureCommands(Runner& runner) {
    Runner& r = runner;
    // The add-on's exports are not the session's commands: a picture they could not
    // write is shown, not counted as an error of the session, with the temporary folder
    // shown as $TMP like every other path.
    simhost::render::PageExport::attach(r.host().application(), [&r](const std::string& why) {
        r.out() << r.shownPaths(why) << "\n";
    });
    r.addCommand("picture",
                 "picture PAGE FILE   draw a page (name or number) into a picture file (.emf, "
                 ".wmf, .eps, .jpg, .png or .gif)",
                 [&r](const Runner::Arguments& a) { picture(r, a); });
}

}  // namespace runner
