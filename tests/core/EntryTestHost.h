// What the tests of the add-on entry, the controller and the command bar run in: the
// stand-in host registered as the running Visio, the headless window backend, regional
// settings of the test's choosing, and tools that record what reaches them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/SupportTool.h"
#include "core/ToolFactory.h"
#include "entry/AddonList.h"
#include "entry/SupportToolsAddon.h"
#include "simhost/host/Host.h"
#include "simhost/os/StandInSystem.h"
#include "simhost/ui/HeadlessBackend.h"

namespace entrytest {

// What the test tools saw, in order: "A created", "A event 5120", "A command X",
// "A deleted", ...
using ToolLog = std::vector<std::string>;

class RecordingTool : public SupportTool {
public:
    RecordingTool(std::string name, std::shared_ptr<ToolLog> log, std::string accepts);
    ~RecordingTool() override;

    void createToolbarButton(CommandBarsAccess*, CommandBarObject*) override {}
    bool onCommand(std::string argument) override;
    void onVisioEvent(int32_t eventCode, const visio::VObject&, visio::Variant) override;
    PreferencePage* getPreferencePage() override { return nullptr; }
    void applySettings() override {}

    const std::string& name() const { return name_; }
    // Runs in the destructor (to cause events while the tools go).
    std::function<void()> onDelete;
    // Runs after each event is logged (to call into Visio while handling it).
    std::function<void()> onEvent;

private:
    std::string name_;
    std::shared_ptr<ToolLog> log_;
    std::string accepts_;
};

// A factory entry for a recording tool that accepts one run argument.
ToolFactory recordingTool(const std::string& name, std::shared_ptr<ToolLog> log,
                          const std::string& accepts = std::string(),
                          bool registerWithPreferences = false);

// A stand-in for the preferences tool: records registrations and the building of the
// command bar in the log ("P registers A", "P builds bar").
ToolFactory registrarTool(const std::string& name, std::shared_ptr<ToolLog> log);

// The host with the backend and the regional settings installed (no settings folder);
// the add-on object is shut down and forgets Visio's callback when the test ends.
class EntryTestHost {
public:
    EntryTestHost();
    ~EntryTestHost();

    simhost::headless::HeadlessBackend backend;
    simhost::StandInSystem system;
    simhost::Host host;

    simhost::Application& application() { return host.application(); }
    visio::VApplication applicationWrapper() const {
        return visio::VApplication(host.applicationRef());
    }
    // The texts of the message boxes shown so far.
    std::vector<std::string> boxTexts() const;
};

}  // namespace entrytest
