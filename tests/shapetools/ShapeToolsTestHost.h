// What the shape tools' tests run in: the stand-in host registered as the running
// Visio, the headless window backend, the stand-in system, and the add-on's main
// controller with its own tools, so that selections, saves, action menus and events
// reach the tools as they do inside Visio. Action rows run through the controller.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/MainController.h"
#include "simhost/host/Host.h"
#include "simhost/os/StandInSystem.h"
#include "simhost/stencil/StencilOptions.h"
#include "simhost/ui/HeadlessBackend.h"
#include "tests/support/EventRecorder.h"

class ALATool;
class TextInputAssistant;

namespace shapetooltest {

using ShapeRef = visio::ComRef<simhost::Shape>;

class ShapeToolsTestHost {
public:
    ShapeToolsTestHost();
    ~ShapeToolsTestHost();
    ShapeToolsTestHost(const ShapeToolsTestHost&) = delete;
    ShapeToolsTestHost& operator=(const ShapeToolsTestHost&) = delete;

    // Visio's first idle event: the tools are created.
    void startTools() { host.pump(); }
    TextInputAssistant* assistant() const { return assistant_; }
    ALATool* layoutTool() const { return layoutTool_; }

    // A new drawing and its page, shown in the active window.
    simhost::Page& newPage();
    simhost::Page& page() { return *host.application().activePage(); }

    // The marker events raised since the last call.
    std::vector<std::string> takeMarkers();
    // The texts of the message boxes shown so far.
    std::vector<std::string> boxTexts() const;

    simhost::headless::HeadlessBackend backend;
    simhost::StandInSystem system;
    simhost::Host host;
    std::unique_ptr<MainController> controller;

private:
    testsupport::EventRecorder recorder_;
    TextInputAssistant* assistant_ = nullptr;
    ALATool* layoutTool_ = nullptr;
    std::size_t markersTaken_ = 0;
};

// The options of a stand-in master at the pin.
simhost::stencil::StencilOptions at(double x, double y);

}  // namespace shapetooltest
