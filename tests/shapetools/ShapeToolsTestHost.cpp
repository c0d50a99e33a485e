#include "tests/shapetools/ShapeToolsTestHost.h"

#include "helpers/LocaleSeparators.h"
#include "shapetools/ALATool.h"
#include "shapetools/TextInputAssistant.h"
#include "simhost/host/Document.h"

namespace shapetooltest {

namespace {

// The tools' places in the standard tool list.
constexpr std::size_t kAssistantPlace = 4;
constexpr std::size_t kLayoutToolPlace = 7;

}  // namespace

ShapeToolsTestHost::ShapeToolsTestHost() {
    // What the add-on object sets at start-up, before the tools exist.
    currentListSeparator = ",";
}

TextInputAssistant* ShapeToolsTestHost::assistant() const {
    return static_cast<TextInputAssistant*>(tool(kAssistantPlace));
}

ALATool* ShapeToolsTestHost::layoutTool() const {
    return static_cast<ALATool*>(tool(kLayoutToolPlace));
}

simhost::Page& ShapeToolsTestHost::newPage() {
    return *host.newDocument()->page(1);
}

std::vector<std::string> ShapeToolsTestHost::boxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : backend.messageBoxes()) texts.push_back(box.text);
    return texts;
}

simhost::stencil::StencilOptions at(double x, double y) {
    return simhost::stencil::StencilOptions::at(x, y, std::string());
}

}  // namespace shapetooltest
