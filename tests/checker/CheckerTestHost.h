// What the checker's tests run in: the stand-in host registered as the running Visio,
// the headless window backend, the stand-in system with its files in memory, and the
// add-on's
// main controller with its tools, so that every event and button press reaches the
// checker as it does inside Visio.
#pragma once

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

class ConsistencyChecker;

namespace checkertest {

class CheckerTestHost {
public:
    using Fill = std::function<void(simhost::Page&)>;

    CheckerTestHost();
    ~CheckerTestHost();
    CheckerTestHost(const CheckerTestHost&) = delete;
    CheckerTestHost& operator=(const CheckerTestHost&) = delete;

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

    // Null until the tools exist.
    ConsistencyChecker* checker() const;
    // The checker's button, whichever tag it carries now; null before the bar exists.
    const simhost::ToolbarItemProperties* checkerButton();
    // The marker events raised since the last call.
    std::vector<std::string> takeMarkers();
    // The formula batches Visio was handed so far: two paint a check, one takes it away.
    uint64_t batchWrites() { return host.counters().batchWrites; }
    // The diagram-type questions shown so far.
    int questionsAsked() const;

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

    testsupport::EventRecorder recorder_;
    ConsistencyChecker* checker_ = nullptr;
    std::size_t markersTaken_ = 0;
};

}  // namespace checkertest
