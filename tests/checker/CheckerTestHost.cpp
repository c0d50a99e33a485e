#include "tests/checker/CheckerTestHost.h"

#include <gtest/gtest.h>

#include <utility>

#include "checker/ConsistencyChecker.h"
#include "core/PreferencesTool.h"
#include "core/entry/StandardTools.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/host/Application.h"
#include "simhost/host/Document.h"
#include "simhost/host/ToolbarItem.h"

namespace checkertest {

namespace {

constexpr char kSettingsFile[] = ".QAVSupportTools.settings";
constexpr char kQuestionCaption[] = "Identify your Diagram type";

}  // namespace

CheckerTestHost::CheckerTestHost() : recorder_(host.application()) {
    ui::Backend::install(&backend);
    system.install();
    PreferencesTool::clearSheetOpen(nullptr);
    host.registerActiveObject();
    // The add-on's own tools, with the checker noted when the controller creates it.
    ToolFactoryList tools = standardToolFactories();
    for (ToolFactory& tool : tools) {
        auto create = tool.create;
        tool.create = [this, create](ToolStartContext& context) {
            auto made = create(context);
            if (context.consistencyChecker) checker_ = context.consistencyChecker;
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

CheckerTestHost::~CheckerTestHost() {
    host.application().hooks().runAddon = nullptr;
    controller.reset();
    PreferencesTool::clearSheetOpen(nullptr);
    ui::Backend::install(nullptr);
}

void CheckerTestHost::writeSettings(const std::string& content) {
    ASSERT_TRUE(system.writeFile(settingsPath(), content));
}

std::optional<std::string> CheckerTestHost::settings() {
    return system.fileContent(settingsPath());
}

std::string CheckerTestHost::makeFolder(const std::string& name) {
    const std::string path = system.settingsFolder + os::kPathSeparator + name;
    EXPECT_TRUE(system.makeFolders(path)) << path;
    return path;
}

std::string CheckerTestHost::settingsPath() const {
    return system.settingsFolder + os::kPathSeparator + kSettingsFile;
}

visio::ComRef<simhost::Document> CheckerTestHost::open(const std::string& fullName,
                                                       const Fill& fill) {
    auto document = host.openDocument(fullName, [&](simhost::Document& d) {
        if (fill) fill(*d.page(1));
    });
    host.pump();
    return document;
}

void CheckerTestHost::startTools() {
    host.pump();
}

bool CheckerTestHost::press(const std::string& tag) {
    visio::ComRef<simhost::ToolbarItem> button = host.toolbarItem(tag);
    return button && host.clickToolbarItem(*button);
}

ConsistencyChecker* CheckerTestHost::checker() const {
    return checker_;
}

const simhost::ToolbarItemProperties* CheckerTestHost::checkerButton() {
    for (const char* tag : {"CCStartButton", "CCStopButton"}) {
        if (auto button = host.toolbarItem(tag)) return &button->properties();
    }
    return nullptr;
}

std::vector<std::string> CheckerTestHost::takeMarkers() {
    std::vector<std::string> markers;
    const auto& events = recorder_.events();
    for (; markersTaken_ < events.size(); ++markersTaken_) {
        markers.push_back(events[markersTaken_].info);
    }
    return markers;
}

int CheckerTestHost::questionsAsked() const {
    int count = 0;
    for (const auto& box : backend.messageBoxes()) {
        if (box.caption == kQuestionCaption) ++count;
    }
    return count;
}

}  // namespace checkertest
