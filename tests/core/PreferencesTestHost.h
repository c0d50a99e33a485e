// What the tests of the settings file, the preferences tool, the preference sheet and
// help and About run in: the stand-in host, the headless window backend, the stand-in
// system with its files in memory and an empty settings folder, and a registered tool
// whose page keeps one switch as every tool's page does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/PreferencePage.h"
#include "core/SupportTool.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VToolbarItem.h"
#include "simhost/host/Host.h"
#include "simhost/os/StandInSystem.h"
#include "simhost/ui/HeadlessBackend.h"
#include "simhost/ui/HeadlessUser.h"

namespace prefstest {

class PreferencesTestHost {
public:
    PreferencesTestHost();
    ~PreferencesTestHost();

    visio::VApplication application() const { return visio::VApplication(host.applicationRef()); }
    std::string settingsPath() const;
    std::optional<std::string> settings() { return system.fileContent(settingsPath()); }
    void writeSettings(const std::string& content);
    // A new folder in the settings folder, for help files and the like.
    std::string makeFolder(const std::string& name);

    simhost::headless::HeadlessBackend backend;
    simhost::StandInSystem system;
    simhost::Host host;
    simhost::headless::HeadlessUser user{backend};
};

// A page with one switch under the key "TT_Switch" (default off), following the page
// contract; its tool counts how often it took the settings over.
class SwitchPage : public PreferencePage {
public:
    static constexpr char kKey[] = "TT_Switch";
    static constexpr int32_t kSwitchId = 901;

    SwitchPage();
    void attachSettings(PreferencesTool* store, SupportTool* owner) override;
    void loadSettings() override;
    bool OnInitDialog() override;
    bool OnApply() override;
    void DoDataExchange(ui::DataExchange& dx) override;

    PreferencesTool* store = nullptr;
    SupportTool* owner = nullptr;
    int32_t value = 0;
    int attachCount = 0;
};

class SwitchTool : public SupportTool {
public:
    SwitchTool();
    ~SwitchTool() override;

    void createToolbarButton(CommandBarsAccess* access, CommandBarObject* bar) override;
    bool onCommand(std::string argument) override { return argument == "TTButton"; }
    void onVisioEvent(int32_t, const visio::VObject&, visio::Variant) override {}
    PreferencePage* getPreferencePage() override { return &page; }
    void applySettings() override { ++applied; }

    SwitchPage page;
    visio::VToolbarItem button;
    int buttonsMade = 0;
    int applied = 0;
    bool accessWasSet = false;
};

}  // namespace prefstest
