#include "tests/exporter/ExporterTestHost.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "simhost/host/Application.h"
#include "simhost/host/Document.h"
#include "simhost/host/ShapeSpec.h"
#include "simhost/render/PageExport.h"
#include "simhost/render/PictureFormat.h"

namespace exportertest {

namespace {

// The exporter's place in the standard tool list.
constexpr std::size_t kExporterPlace = 3;

}  // namespace

ExporterTestHost::ExporterTestHost() {
    // Where this build draws no such pictures (EPS on Windows), a stand-in file takes
    // the picture's place, so that what the exporter finds and replaces is the same.
    host.application().hooks().exportPage = [](simhost::Page& page, const std::string& path) {
        if (simhost::render::PictureFormats::drawable(
                simhost::render::PictureFormats::ofPath(path))) {
            simhost::render::PageExport::run(page, path);
        } else {
            os::System::current().writeFile(path, kStandInPicture + page.name());
        }
    };
}

void ExporterTestHost::startTools() {
    ToolsTestHost::startTools();
    ASSERT_NE(tool(kExporterPlace), nullptr);
}

PictureExporter& ExporterTestHost::exporter() const {
    return *static_cast<PictureExporter*>(tool(kExporterPlace));
}

visio::ComRef<simhost::Document> ExporterTestHost::openDrawing(
    const std::vector<std::string>& pageNames, const std::string& backgroundName,
    const std::string& inFolder) {
    const std::string fullName =
        inFolder.empty() ? "Drawing.vsd" : join(makeFolder(inFolder), "Drawing.vsd");
    auto document = host.openDocument(fullName, [&](simhost::Document& d) {
        for (std::size_t i = 1; i < pageNames.size(); ++i) d.addPage(pageNames[i]);
        d.page(1)->SetName(pageNames.front());
        if (!backgroundName.empty()) d.addPage(backgroundName)->SetBackground(true);
        for (std::size_t i = 0; i < pageNames.size(); ++i) {
            simhost::Page& page = *d.page(static_cast<int>(i) + 1);
            if (!backgroundName.empty()) page.SetBackPage(backgroundName);
            host.addShape(page, simhost::ShapeSpec::box(2, 2, 1, 1).text(pageNames[i]));
            host.addShape(page, simhost::ShapeSpec::box(4, 2, 1, 1).text("second"));
        }
    });
    if (inFolder.empty()) document->setFileName("Drawing1");
    host.pump();
    return document;
}

void ExporterTestHost::setFormat(PEFormatSlot slot, int32_t doExport, int32_t format,
                                 const std::string& folder, int32_t relative) {
    PEFormatSettings& settings = page().settings(slot);
    settings.doExport = doExport;
    settings.format = format;
    settings.folder = folder;
    settings.relative = relative;
}

const simhost::ToolbarItemProperties* ExporterTestHost::button() {
    return ToolsTestHost::button({PictureExporter::kButtonTag});
}

std::string ExporterTestHost::join(const std::string& folder, const std::string& name) {
    return folder + os::kPathSeparator + name;
}

// The files in memory are listed as their levels joined by "/", without the root.
std::vector<std::string> ExporterTestHost::filesIn(const std::string& folder) {
    std::string key = folder;
    for (char& c : key) {
        if (c == '\\') c = '/';
    }
    key = key.substr(std::min(key.size(), key.find_first_not_of('/'))) + "/";
    std::vector<std::string> files;
    for (const std::string& path : system.memoryPaths()) {
        if (path.rfind(key, 0) != 0) continue;
        const std::string name = path.substr(key.size());
        if (name.find('/') == std::string::npos &&
            system.find(join(folder, name)) == os::PathKind::File) {
            files.push_back(name);
        }
    }
    return files;
}

std::vector<std::string> ExporterTestHost::exportedPaths() {
    std::vector<std::string> paths;
    for (const auto& [page, path] : host.application().log().exports) paths.push_back(path);
    return paths;
}

std::vector<std::string> ExporterTestHost::messages() const {
    std::vector<std::string> texts;
    for (const auto& box : backend.messageBoxes()) texts.push_back(box.text);
    return texts;
}

}  // namespace exportertest
