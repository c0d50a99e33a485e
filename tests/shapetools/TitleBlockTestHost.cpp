#include "tests/shapetools/TitleBlockTestHost.h"

#include <gtest/gtest.h>

#include "helpers/LocaleSeparators.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VCell.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/host/Document.h"
#include "simhost/stencil/TitleBlockStencil.h"

namespace titleblocktest {

TitleBlockTestHost::TitleBlockTestHost(const std::vector<std::string>& pageNames,
                                       const std::string& listSeparator) {
    system.list = listSeparator;
    system.install();
    checkLocaleSeparators();
    host.registerActiveObject();
    ToolFactory entry = TitleBlockComponent::factory();
    auto create = entry.create;
    entry.create = [this, create](ToolStartContext& context) {
        auto tool = create(context);
        component_ = static_cast<TitleBlockComponent*>(tool.get());
        return tool;
    };
    controller_ = std::make_unique<MainController>(visio::VApplication(host.applicationRef()),
                                                   ToolFactoryList{entry});
    host.application().hooks().runAddon = [this](const std::string&, const std::string& args) {
        controller_->offerCommand(args);
    };
    document_ = host.openDocument("Drawing1.vsd", [&](simhost::Document& d) {
        d.page(1)->setNameQuietly(pageNames.front());
        for (size_t i = 1; i < pageNames.size(); ++i) d.addPage(pageNames[i]);
    });
    host.pump();
    EXPECT_NE(component_, nullptr);
}

TitleBlockTestHost::~TitleBlockTestHost() {
    host.application().hooks().runAddon = nullptr;
    controller_.reset();
}

bool TitleBlockTestHost::run(const std::string& runString) {
    const bool handled = controller_->offerCommand(runString);
    host.pump();
    return handled;
}

bool TitleBlockTestHost::pick(simhost::Shape& shape, int row) {
    return host.runAction(shape, static_cast<int16_t>(row - 1));
}

void TitleBlockTestHost::idle() {
    host.pump();
}

visio::ComRef<simhost::Shape> TitleBlockTestHost::dropTitleBlock(simhost::stencil::Point corner) {
    simhost::stencil::StencilOptions options;
    options.pin = corner;
    options.width = 4;
    options.height = 1.4;
    auto block = simhost::stencil::dropTitleBlock(shownPage(), options);
    host.pump();
    return block;
}

visio::ComRef<simhost::Shape> TitleBlockTestHost::dropFrame() {
    simhost::stencil::StencilOptions options;
    options.pin = {0, 0};
    options.width = 11;
    options.height = 8.5;
    auto frame = simhost::stencil::dropFrameAndTitleBlock(shownPage(), options);
    host.pump();
    return frame;
}

simhost::Shape* part(simhost::Shape& shape, int n) {
    auto members = shape.memberList();
    if (n < 1 || n > static_cast<int>(members.size())) return nullptr;
    return members[static_cast<size_t>(n - 1)].get();
}

double millimetres(simhost::Shape& shape, const std::string& cell) {
    return visio::VShape(visio::ComRef<visio::IVShape>(&shape))
        .CellsU(cell)
        .Result(std::string("mm"));
}

}  // namespace titleblocktest
