// Page export in the stand-in host: IVPage::Export(path) draws the page as Visio would
// and writes the picture whose format the path's extension names (".png", ".eps").
// Visio's Export answers nothing, so the add-on learns nothing of a failure; the host
// records each one in its log and answers it to a host caller.
//
//   simhost::render::PageExport::attach(host.application());
//   page.Export("/tmp/Page-1.png");                        // what the add-on calls
//   auto result = simhost::render::PageExport::run(page, "/tmp/Page-1.gif");
//   // result.written == false, result.message says the format is not supported
#pragma once

#include <functional>
#include <string>

namespace simhost {
class Application;
class Page;
}  // namespace simhost

namespace simhost::render {

struct ExportResult {
    bool written = false;
    std::string message;  // why nothing was written; empty when it was
};

class PageExport {
public:
    // Draws the page into the file; a failure writes no file and goes to the host's
    // log (HostLog::exportFailures) too.
    static ExportResult run(Page& page, const std::string& path);
    // From now on the application's page exports (IVPage::Export) draw their pictures;
    // report, when given, hears why one wrote nothing.
    static void attach(Application& application,
                       std::function<void(const std::string&)> report = nullptr);

private:
    static ExportResult draw(Page& page, const std::string& path);
};

}  // namespace simhost::render
