#include "tests/core/PreferencesTestHost.h"

#include <gtest/gtest.h>

#include "core/CommandBarObject.h"
#include "core/PreferencesTool.h"
#include "core/ToolbarButton.h"
#include "platform/ui/DialogTemplate.h"

namespace prefstest {

PreferencesTestHost::PreferencesTestHost() {
    ui::Backend::install(&backend);
    system.install();
    PreferencesTool::clearSheetOpen(nullptr);
}

PreferencesTestHost::~PreferencesTestHost() {
    ui::Backend::install(nullptr);
}

std::string PreferencesTestHost::settingsPath() const {
    return system.settingsFolder + os::kPathSeparator + ".QAVSupportTools.settings";
}

void PreferencesTestHost::writeSettings(const std::string& content) {
    ASSERT_TRUE(system.writeFile(settingsPath(), content));
}

std::string PreferencesTestHost::makeFolder(const std::string& name) {
    const std::string path = system.settingsFolder + os::kPathSeparator + name;
    EXPECT_TRUE(system.makeFolders(path)) << path;
    return path;
}

namespace {

ui::DialogTemplate switchTemplate() {
    ui::DialogTemplate t;
    t.id = 900;
    t.caption = "Switch";
    t.rect = {0, 0, 200, 100};
    t.style = ui::dialog_style::kChild;
    t.controls = {{SwitchPage::kSwitchId, ui::ControlKind::CheckBox, "Switch", {8, 8, 100, 10}}};
    return t;
}

}  // namespace

SwitchPage::SwitchPage() : PreferencePage(switchTemplate()) {
    mapClicked(kSwitchId, [this]() {
        updateData(true);
        SetModified();
    });
}

void SwitchPage::attachSettings(PreferencesTool* s, SupportTool* o) {
    ++attachCount;
    store = store_ = s;
    owner = owner_ = o;
    loadSettings();
}

void SwitchPage::loadSettings() {
    value = readSwitch(kKey, 0);
}

bool SwitchPage::OnInitDialog() {
    ui::PropertyPage::OnInitDialog();
    loadSettings();
    updateData(false);
    return false;
}

bool SwitchPage::OnApply() {
    saveSetting(kKey, switchText(value));
    if (owner) owner->applySettings();
    return ui::PropertyPage::OnApply();
}

void SwitchPage::DoDataExchange(ui::DataExchange& dx) {
    dx.check(kSwitchId, value);
}

SwitchTool::SwitchTool() {
    preferencePage_ = &page;
}

SwitchTool::~SwitchTool() {
    preferencePage_ = nullptr;
}

void SwitchTool::createToolbarButton(CommandBarsAccess* access, CommandBarObject* bar) {
    ++buttonsMade;
    accessWasSet = access && access->isSet();
    button = getButtonControl(bar);
    ButtonLook look;
    look.tooltip = "Switch";
    look.tag = "TTButton";
    setUpButton(button, look);
}

}  // namespace prefstest
