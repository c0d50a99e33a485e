#include "tests/shapetools/ShapeToolsTestHost.h"

#include <utility>

#include "core/PreferencesTool.h"
#include "core/entry/StandardTools.h"
#include "helpers/LocaleSeparators.h"
#include "platform/ui/Backend.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VisioConstants.h"
#include "shapetools/ALATool.h"
#include "shapetools/TextInputAssistant.h"
#include "simhost/host/Document.h"

namespace shapetooltest {

ShapeToolsTestHost::ShapeToolsTestHost() : recorder_(host.application()) {
    ui::Backend::install(&backend);
    system.install();
    PreferencesTool::clearSheetOpen(nullptr);
    // What the add-on object sets at start-up, before the tools exist.
    currentListSeparator = ",";
    host.registerActiveObject();
    ToolFactoryList tools = standardToolFactories();
    for (ToolFactory& tool : tools) {
        auto create = tool.create;
        tool.create = [this, create](ToolStartContext& context) {
            std::unique_ptr<SupportTool> made = create(context);
            if (auto* assistant = dynamic_cast<TextInputAssistant*>(made.get()))
                assistant_ = assistant;
            if (auto* layout = dynamic_cast<ALATool*>(made.get())) layoutTool_ = layout;
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

ShapeToolsTestHost::~ShapeToolsTestHost() {
    host.application().hooks().runAddon = nullptr;
    controller.reset();
    PreferencesTool::clearSheetOpen(nullptr);
    ui::Backend::install(nullptr);
}

simhost::Page& ShapeToolsTestHost::newPage() {
    return *host.newDocument()->page(1);
}

std::vector<std::string> ShapeToolsTestHost::takeMarkers() {
    std::vector<std::string> markers;
    const auto& events = recorder_.events();
    for (; markersTaken_ < events.size(); ++markersTaken_)
        markers.push_back(events[markersTaken_].info);
    return markers;
}

std::vector<std::string> ShapeToolsTestHost::boxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : backend.messageBoxes()) texts.push_back(box.text);
    return texts;
}

simhost::stencil::StencilOptions at(double x, double y) {
    simhost::stencil::StencilOptions options;
    options.pin = {x, y};
    return options;
}

}  // namespace shapetooltest
