// What the shape tools' tests run in: the add-on's tools in the stand-in host (see
// ToolsTestHost), so that selections, saves, action menus and events reach the tools as
// they do inside Visio. Action rows run through the controller.
#pragma once

#include <string>
#include <vector>

#include "simhost/stencil/StencilOptions.h"
#include "tests/support/ToolsTestHost.h"

class ALATool;
class TextInputAssistant;

namespace shapetooltest {

using ShapeRef = visio::ComRef<simhost::Shape>;

class ShapeToolsTestHost : public testsupport::ToolsTestHost {
public:
    ShapeToolsTestHost();

    // Null until the tools exist.
    TextInputAssistant* assistant() const;
    ALATool* layoutTool() const;

    // A new drawing and its page, shown in the active window.
    simhost::Page& newPage();

    // The texts of the message boxes shown so far.
    std::vector<std::string> boxTexts() const;
};

// The options of a stand-in master at the pin.
simhost::stencil::StencilOptions at(double x, double y);

}  // namespace shapetooltest
