// The library's one add-on: finds Visio at load, checks the regional separators, runs
// the main controller and hands it the run requests, and lets everything go at
// shut-down.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "core/ToolFactory.h"
#include "entry/LibraryAddon.h"
#include "entry/NativeWindows.h"
#include "platform/visio/VApplication.h"

class MainController;

class SupportToolsAddon : public LibraryAddon {
public:
    SupportToolsAddon();
    ~SupportToolsAddon() override;

    // The argument string's pointer stands at byte offset 14 of the run record.
    uint16_t run(void* runRecord) override;
    // Keeps Visio's callback, then starts up whatever the answer.
    uint16_t onLoad(uint16_t wParam, void* lParam) override;
    uint16_t onUnload(uint16_t wParam, void* lParam) override;
    uint16_t onShutdown(uint16_t wParam, void* lParam) override;

    // Makes sure windows can be shown (NativeWindows), finds Visio, checks the
    // separators and creates the controller; a controller left from an earlier start-up
    // is shut down first.
    void startUp();
    // Deletes the controller (its tools end what they show first), releases Visio and
    // lets the windows go; nothing to do the second time.
    void shutDown();

    MainController* controller() const { return controller_.get(); }
    const visio::VApplication& application() const { return application_; }

    // The tools the next controller creates; none given: the add-on's own (for tests).
    void setToolFactories(std::optional<ToolFactoryList> factories);

private:
    bool findVisio();
    // Runs the step now, or once the controller's calls under way have returned.
    void afterControllerCalls(void (SupportToolsAddon::*step)());
    void offerRunArgument(const char* argument);

    // Before the controller, whose tools' windows live in it.
    std::unique_ptr<NativeWindows> windows_;
    visio::VApplication application_;
    std::unique_ptr<MainController> controller_;
    std::optional<ToolFactoryList> toolFactories_;
};

// The library's add-on, built during the library's static initialisation.
extern SupportToolsAddon theAddon;
