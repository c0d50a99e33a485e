// What the exporter's tests run in: the stand-in host registered as the running Visio,
// the headless window backend, the stand-in system with its files in memory and a clock
// that only moves when told (or when the add-on waits), the add-on's controller with its
// tools, and page exports that draw their pictures into the files in memory.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/MainController.h"
#include "exporter/PictureExporter.h"
#include "simhost/host/Host.h"
#include "simhost/os/StandInSystem.h"
#include "simhost/ui/HeadlessBackend.h"
#include "simhost/ui/HeadlessUser.h"

namespace exportertest {

// What a page export writes where the build cannot draw the format, and the page's name.
inline constexpr char kStandInPicture[] = "stand-in picture of ";

class ExporterTestHost {
public:
    ExporterTestHost();
    ~ExporterTestHost();
    ExporterTestHost(const ExporterTestHost&) = delete;
    ExporterTestHost& operator=(const ExporterTestHost&) = delete;

    // The settings file as the tools will read it (before startTools).
    void writeSettings(const std::string& content);
    // Visio's first idle event: the tools are created and the command bar built.
    void startTools();
    // Opens a document as Visio opens a file: one foreground page per name, each with a
    // box that shows its name, in front of a background page when one is named. The
    // document is saved in the folder (made when missing) unless the folder is empty.
    visio::ComRef<simhost::Document> openDrawing(const std::vector<std::string>& pageNames,
                                                 const std::string& backgroundName,
                                                 const std::string& folder);
    // The user clicks the add-on's button with the tag; false when it is not on the bar
    // or disabled.
    bool press(const std::string& tag);
    bool exportPictures() { return press(PictureExporter::kButtonTag); }

    PictureExporter& exporter() const { return *exporter_; }
    PEPropertyPage& page() const { return *exporter_->propertyPage(); }
    // Sets one format's settings on the page, as the sheet would leave them.
    void setFormat(PEFormatSlot slot, int32_t doExport, int32_t format, const std::string& folder,
                   int32_t relative);
    // The exporter's button; null before the bar exists.
    const simhost::ToolbarItemProperties* button();

    // A folder of the files in memory, made with the levels above it.
    std::string folder(const std::string& name);
    // A path in memory joined with the platform's separator.
    static std::string join(const std::string& folder, const std::string& name);
    // Every file in memory below the folder, by name, in order.
    std::vector<std::string> filesIn(const std::string& folder);
    std::optional<std::string> content(const std::string& path) { return system.fileContent(path); }
    // The paths handed to Visio's page export so far.
    std::vector<std::string> exportedPaths();
    // The texts of the message boxes shown so far.
    std::vector<std::string> messages() const;

    simhost::headless::HeadlessBackend backend;
    simhost::headless::HeadlessUser user{backend};
    simhost::StandInSystem system;
    simhost::Host host;
    std::unique_ptr<MainController> controller;

private:
    PictureExporter* exporter_ = nullptr;
};

}  // namespace exportertest
