// What the exporter's tests run in: the add-on's tools in the stand-in host (see
// ToolsTestHost), with page exports that draw their pictures into the files in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "exporter/PictureExporter.h"
#include "tests/support/ToolsTestHost.h"

namespace exportertest {

// What a page export writes where the build cannot draw the format, and the page's name.
inline constexpr char kStandInPicture[] = "stand-in picture of ";

class ExporterTestHost : public testsupport::ToolsTestHost {
public:
    ExporterTestHost();

    // Visio's first idle event: the tools are created and the command bar built.
    void startTools();
    // Opens a document as Visio opens a file: one foreground page per name, each with a
    // box that shows its name, in front of a background page when one is named. The
    // document is saved in the folder (made when missing) unless the folder is empty.
    visio::ComRef<simhost::Document> openDrawing(const std::vector<std::string>& pageNames,
                                                 const std::string& backgroundName,
                                                 const std::string& folder);
    bool exportPictures() { return press(PictureExporter::kButtonTag); }

    PictureExporter& exporter() const;
    PEPropertyPage& page() const { return *exporter().propertyPage(); }
    // Sets one format's settings on the page, as the sheet would leave them.
    void setFormat(PEFormatSlot slot, int32_t doExport, int32_t format, const std::string& folder,
                   int32_t relative);
    // The exporter's button; null before the bar exists.
    const simhost::ToolbarItemProperties* button();

    // A path in memory joined with the platform's separator.
    static std::string join(const std::string& folder, const std::string& name);
    // Every file in memory below the folder, by name, in order.
    std::vector<std::string> filesIn(const std::string& folder);
    std::optional<std::string> content(const std::string& path) { return system.fileContent(path); }
    // The paths handed to Visio's page export so far.
    std::vector<std::string> exportedPaths();
    // The texts of the message boxes shown so far.
    std::vector<std::string> messages() const;
};

}  // namespace exportertest
