#include "tests/shapetools/ALAToolFixture.h"

#include <gtest/gtest.h>

#include "platform/visio/VisioConstants.h"
#include "simhost/geometry/Glue.h"
#include "simhost/host/Connect.h"
#include "simhost/host/Connects.h"
#include "simhost/host/Page.h"
#include "simhost/host/ToolbarItem.h"
#include "simhost/stencil/BlockStencil.h"

namespace shapetooltest {

void ALAToolFixture::openDrawing(const std::string& fullName) {
    tools.host.openDocument(fullName);
}

ShapeRef ALAToolFixture::partner(const Partner& p) {
    simhost::stencil::StencilOptions options = at(p.x, p.y);
    options.width = p.width;
    options.height = p.height;
    options.cells = p.cells;
    options.layoutTable = p.tables;
    options.innerTable = p.inner;
    ShapeRef shape = simhost::stencil::dropBlockPassive(tools.page(), options);
    tools.host.pump();
    return shape;
}

ShapeRef ALAToolFixture::connect(simhost::Shape& first, int firstRow, simhost::Shape& second,
                                 int secondRow, int firstLayoutRow) {
    simhost::stencil::StencilOptions options;
    options.layoutMenu = true;
    options.firstLayoutRow = firstLayoutRow;
    ShapeRef shape = simhost::stencil::dropAccessArrow(tools.page(), options);
    std::string error;
    EXPECT_TRUE(simhost::geometry::Glue::toPoint(tools.host, *shape, visio::visBegin, first,
                                                 static_cast<int16_t>(firstRow - 1), &error))
        << error;
    EXPECT_TRUE(simhost::geometry::Glue::toPoint(tools.host, *shape, visio::visEnd, second,
                                                 static_cast<int16_t>(secondRow - 1), &error))
        << error;
    tools.host.pump();
    return shape;
}

void ALAToolFixture::pick(simhost::Shape& shape, int16_t row) {
    ASSERT_TRUE(tools.host.runAction(shape, row));
}

std::string ALAToolFixture::glueOf(simhost::Shape& shape, int16_t end, simhost::Shape& first,
                                   simhost::Shape& second) {
    for (const auto& record : shape.connects().list()) {
        if (record->fromPart() != end) continue;
        const std::string point = std::to_string(record->toPart() - visio::visConnectionPoint + 1);
        if (record->to() == &first) return "first:" + point;
        if (record->to() == &second) return "second:" + point;
        return "elsewhere";
    }
    return "loose";
}

visio::VShape ALAToolFixture::wrap(simhost::Shape& shape) {
    return visio::VShape(visio::ComRef<visio::IVShape>(&shape));
}

bool ALAToolFixture::press(const std::string& tag) {
    visio::ComRef<simhost::ToolbarItem> button = tools.host.toolbarItem(tag);
    return button && tools.host.clickToolbarItem(*button);
}

}  // namespace shapetooltest
