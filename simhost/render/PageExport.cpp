#include "simhost/render/PageExport.h"

#include <optional>

#include "simhost/host/Application.h"
#include "simhost/host/Page.h"
#include "simhost/render/PictureEncoder.h"
#include "simhost/render/PictureFile.h"
#include "simhost/render/PictureFormat.h"
#include "simhost/render/SceneBuilder.h"

namespace simhost::render {
namespace {

ExportResult failure(std::string message) {
    return ExportResult{false, std::move(message)};
}

std::string unsupported(const std::string& path) {
    std::string extension = PictureFormats::extensionOf(path);
    return "format not supported by this host (" +
           (extension.empty() ? std::string("no extension") : "\"" + extension + "\"") +
           "; it draws " + PictureFormats::drawableList() + ")";
}

}  // namespace

ExportResult PageExport::run(Page& page, const std::string& path) {
    ExportResult result = draw(page, path);
    if (!result.written) {
        result.message =
            "cannot export page \"" + page.name() + "\" to " + path + ": " + result.message;
        if (Application* application = page.application()) {
            application->log().exportFailures.push_back(result.message);
        }
    }
    return result;
}

ExportResult PageExport::draw(Page& page, const std::string& path) {
    if (page.isDeleted()) return failure("the page is gone");
    PictureFormat format = PictureFormats::ofPath(path);
    if (!PictureFormats::drawable(format)) return failure(unsupported(path));
    std::string error;
    std::optional<Scene> scene = SceneBuilder::build(page, &error);
    if (!scene) return failure(error);
    std::string bytes;
    if (!PictureEncoder::encode(*scene, format, &bytes, &error)) return failure(error);
    if (!PictureFile::write(path, bytes, &error)) return failure(error);
    return ExportResult{true, std::string()};
}

void PageExport::attach(Application& application, std::function<void(const std::string&)> report) {
    application.hooks().exportPage = [report](Page& page, const std::string& path) {
        ExportResult result = run(page, path);
        if (!result.written && report) report(result.message);
    };
}

}  // namespace simhost::render
