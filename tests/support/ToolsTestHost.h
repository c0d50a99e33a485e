// What tests of the add-on's tools run in: the stand-in host registered as the running
// Visio, the headless window backend, the stand-in system with its files in memory and
// its clock set (each wait Visio is asked for moves the tick count one millisecond), and
// the add-on's main controller with its tools, so that every event and button press
// reaches the tools as it does inside Visio.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/MainController.h"
#include "simhost/host/Host.h"
#include "simhost/os/StandInSystem.h"
#include "simhost/ui/HeadlessBackend.h"
#include "simhost/ui/HeadlessUser.h"
#include "tests/support/EventRecorder.h"

class SupportTool;

namespace testsupport {

class ToolsTestHost {
public:
    using Fill = std::function<void(simhost::Page&)>;

    ToolsTestHost();
    virtual ~ToolsTestHost();
    ToolsTestHost(const ToolsTestHost&) = delete;
    ToolsTestHost& operator=(const ToolsTestHost&) = delete;

    // The settings file as the tools will read it (before startTools).
    void writeSettings(const std::string& content);
    std::optional<std::string> settings();
    // A new folder in the settings folder.
    std::string makeFolder(const std::string& name);

    // Opens a document as Visio opens a file: fill builds its first page without
    // events, then the opened event follows and a window shows the page.
    visio::ComRef<simhost::Document> open(const std::string& fullName, const Fill& fill);
    // Visio's first idle event: the tools are created and the command bar built.
    void startTools();
    // The user clicks the add-on's button with the tag; false when it is not on the bar
    // or disabled.
    bool press(const std::string& tag);
    // The first button on the bar that carries one of the tags; null when none does.
    const simhost::ToolbarItemProperties* button(const std::vector<std::string>& tags);

    // The tool at that place of the standard tool list; null until the tools exist.
    SupportTool* tool(std::size_t place) const;
    // The marker events raised since the last call.
    std::vector<std::string> takeMarkers();

    simhost::Application& application() { return host.application(); }
    simhost::Page& activePage() { return *host.application().activePage(); }
    simhost::Shape* shape(int32_t id) { return activePage().findShape(id); }

    simhost::headless::HeadlessBackend backend;
    simhost::headless::HeadlessUser user{backend};
    simhost::StandInSystem system;
    simhost::Host host;
    std::unique_ptr<MainController> controller;

private:
    std::string settingsPath() const;

    EventRecorder recorder_;
    std::vector<SupportTool*> tools_;
    std::size_t markersTaken_ = 0;
};

}  // namespace testsupport
