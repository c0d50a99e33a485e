#include "tests/core/PreferencesTestHost.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "core/CommandBarObject.h"
#include "core/PreferencesTool.h"
#include "core/ToolbarButton.h"
#include "platform/ui/DialogTemplate.h"

namespace prefstest {
namespace fs = std::filesystem;

FolderSystem::FolderSystem() {
    std::random_device random;
    const std::string name =
        "qav-prefs-test-" + std::to_string(random()) + std::to_string(random());
    fs::path path = fs::temp_directory_path() / name;
    fs::create_directories(path);
    folder = path.string();
}

FolderSystem::~FolderSystem() {
    std::error_code error;
    fs::remove_all(folder, error);
}

std::optional<std::string> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    ASSERT_TRUE(out.good()) << path;
}

PreferencesTestHost::PreferencesTestHost() {
    ui::Backend::install(&backend);
    os::System::install(&system);
    PreferencesTool::clearSheetOpen(nullptr);
}

PreferencesTestHost::~PreferencesTestHost() {
    os::System::install(nullptr);
    ui::Backend::install(nullptr);
}

std::string PreferencesTestHost::settingsPath() const {
    return system.folder + os::kPathSeparator + ".QAVSupportTools.settings";
}

std::string PreferencesTestHost::makeFolder(const std::string& name) const {
    fs::path path = fs::path(system.folder) / name;
    fs::create_directories(path);
    return path.string();
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
    store = s;
    owner = o;
    loadSettings();
}

void SwitchPage::loadSettings() {
    value = readSwitch(store, kKey, 0);
}

bool SwitchPage::OnInitDialog() {
    ui::PropertyPage::OnInitDialog();
    loadSettings();
    updateData(false);
    return false;
}

bool SwitchPage::OnApply() {
    if (store) store->writeSetting(kKey, switchText(value));
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
