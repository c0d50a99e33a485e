#include "tests/support/ToolsTestHost.h"

#include <gtest/gtest.h>

#include <utility>

#include "core/PreferencesTool.h"
#include "entry/StandardTools.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/host/Application.h"
#include "simhost/host/Document.h"
#include "simhost/host/ToolbarItem.h"

namespace testsupport {

namespace {

constexpr char kSettingsFile[] = ".QAVSupportTools.settings";

}  // namespace

ToolsTestHost::ToolsTestHost() : recorder_(host.application()) {
    ui::Backend::install(&backend);
    system.install();
    PreferencesTool::clearSheetOpen(nullptr);
    host.registerActiveObject();
    host.application().hooks().wait = [this]() { system.advanceTicks(1); };
    // The add-on's own tools, each noted at its place as the controller creates it.
    ToolFactoryList tools = standardToolFactories();
    tools_.assign(tools.size(), nullptr);
    for (std::size_t place = 0; place < tools.size(); ++place) {
        auto create = tools[place].create;
        tools[place].create = [this, create, place](ToolStartContext& context) {
            auto made = create(context);
            tools_[place] = made.get();
            return made;
        };
    }
    controller = std::make_unique<MainController>(visio::VApplication(host.applicationRef()),
                                                  std::move(tools));
    host.application().hooks().runAddon = [this](const std::string&, const std::string& args) {
        controller->offerCommand(args);
    };
    recorder_.subscribe(visio::visEvtCodeMarker);
}

ToolsTestHost::~ToolsTestHost() {
    host.application().hooks().runAddon = nullptr;
    host.application().hooks().wait = nullptr;
    controller.reset();
    PreferencesTool::clearSheetOpen(nullptr);
    ui::Backend::install(nullptr);
}

void ToolsTestHost::writeSettings(const std::string& content) {
    ASSERT_TRUE(system.writeFile(settingsPath(), content));
}

std::optional<std::string> ToolsTestHost::settings() {
    return system.fileContent(settingsPath());
}

std::string ToolsTestHost::makeFolder(const std::string& name) {
    const std::string path = system.settingsFolder + os::kPathSeparator + name;
    EXPECT_TRUE(system.makeFolders(path)) << path;
    return path;
}

std::string ToolsTestHost::settingsPath() const {
    return system.settingsFolder + os::kPathSeparator + kSettingsFile;
}

visio::ComRef<simhost::Document> ToolsTestHost::open(const std::string& fullName,
                                                     const Fill& fill) {
    auto document = host.openDocument(fullName, [&](simhost::Document& d) {
        if (fill) fill(*d.page(1));
    });
    host.pump();
    return document;
}

void ToolsTestHost::startTools() {
    host.pump();
}

bool ToolsTestHost::press(const std::string& tag) {
    visio::ComRef<simhost::ToolbarItem> button = host.toolbarItem(tag);
    return button && host.clickToolbarItem(*button);
}

const simhost::ToolbarItemProperties* ToolsTestHost::button(const std::vector<std::string>& tags) {
    for (const std::string& tag : tags) {
        if (auto item = host.toolbarItem(tag)) return &item->properties();
    }
    return nullptr;
}

SupportTool* ToolsTestHost::tool(std::size_t place) const {
    return place < tools_.size() ? tools_[place] : nullptr;
}

std::vector<std::string> ToolsTestHost::takeMarkers() {
    std::vector<std::string> markers;
    const auto& events = recorder_.events();
    for (; markersTaken_ < events.size(); ++markersTaken_) {
        markers.push_back(events[markersTaken_].info);
    }
    return markers;
}

}  // namespace testsupport
