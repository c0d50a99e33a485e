#include "tests/core/EntryTestHost.h"

#include "platform/visio/ApplicationLocator.h"

namespace entrytest {

RecordingTool::RecordingTool(std::string name, std::shared_ptr<ToolLog> log, std::string accepts)
    : name_(std::move(name)), log_(std::move(log)), accepts_(std::move(accepts)) {
    log_->push_back(name_ + " created");
}

RecordingTool::~RecordingTool() {
    log_->push_back(name_ + " deleted");
    if (onDelete) onDelete();
}

bool RecordingTool::onCommand(std::string argument) {
    log_->push_back(name_ + " command " + argument);
    return !accepts_.empty() && argument == accepts_;
}

void RecordingTool::onVisioEvent(int32_t eventCode, const visio::VObject&, visio::Variant) {
    log_->push_back(name_ + " event " + std::to_string(eventCodeOf(eventCode)));
    // A copy: the hook may outlive this tool when a fault deletes it under the call.
    const std::function<void()> hook = onEvent;
    if (hook) hook();
}

ToolFactory recordingTool(const std::string& name, std::shared_ptr<ToolLog> log,
                          const std::string& accepts, bool registerWithPreferences) {
    ToolFactory factory;
    factory.create = [=](ToolStartContext&) {
        return std::make_unique<RecordingTool>(name, log, accepts);
    };
    factory.registerWithPreferences = registerWithPreferences;
    return factory;
}

ToolFactory registrarTool(const std::string& name, std::shared_ptr<ToolLog> log) {
    ToolFactory factory;
    factory.create = [=](ToolStartContext& context) {
        auto tool = std::make_unique<RecordingTool>(name, log, std::string());
        context.registerTool = [=](SupportTool* registered) {
            log->push_back(name + " registers " + static_cast<RecordingTool*>(registered)->name());
        };
        context.buildCommandBar = [=] { log->push_back(name + " builds bar"); };
        return tool;
    };
    factory.registerWithPreferences = true;
    return factory;
}

EntryTestHost::EntryTestHost() {
    ui::Backend::install(&backend);
    system.settingsFolder.clear();
    system.install();
    host.registerActiveObject();
}

EntryTestHost::~EntryTestHost() {
    theAddon.shutDown();
    theAddon.setToolFactories(std::nullopt);
    AddonList::forgetVisioCallback();
    visio::ApplicationLocator::setInstanceFactory(nullptr);
    ui::Backend::install(nullptr);
}

std::vector<std::string> EntryTestHost::boxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : backend.messageBoxes()) texts.push_back(box.text);
    return texts;
}

}  // namespace entrytest
