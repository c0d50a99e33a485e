// Run strings as Visio delivers them to the loaded add-on: a run record with the argument
// goes to the library's entry, the add-on offers it to its tools in their order. The
// drawing holds a shape of each kind the tools' commands name (places, a transition, an
// arc, a layout shape glued between two boxes, a title block), so that "Sheet." IDs find
// something. Each input is a few run strings, one per line, delivered in order; the
// session then stops whatever they started and unloads the add-on.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz/support/AddonSession.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/geometry/Glue.h"
#include "simhost/stencil/LayoutStencil.h"
#include "simhost/stencil/PetriStencil.h"
#include "simhost/stencil/TitleBlockStencil.h"

namespace {

constexpr int kMostRuns = 8;

void drawShapes(simhost::Host& host, simhost::Page& page) {
    using namespace simhost::stencil;
    StencilOptions place;
    place.pin = {1, 4};
    place.text = "p1";
    place.marking = "1";
    StencilOptions transition;
    transition.pin = {3, 4};
    transition.text = "t1";
    StencilOptions boxes = place;
    boxes.pin = {1, 2};
    boxes.markingIn = ValueIn::TextBox;
    boxes.capacityIn = ValueIn::TextBox;
    auto p1 = dropPlace(page, place);
    auto t1 = dropTransition(page, transition);
    dropPlace(page, boxes);
    StencilOptions arc;
    arc.begin = {1.5, 4};
    arc.end = {2.5, 4};
    auto a1 = dropArc(page, arc);
    simhost::geometry::Glue::toPoint(host, *a1, visio::visBegin, *p1, 1, nullptr);
    simhost::geometry::Glue::toPoint(host, *a1, visio::visEnd, *t1, 3, nullptr);
    StencilOptions layout;
    layout.begin = {1, 3.6};
    layout.end = {3, 3.6};
    layout.layoutTable = true;
    auto l1 = dropLayoutShape(page, layout);
    simhost::geometry::Glue::toPoint(host, *l1, visio::visBegin, *p1, 2, nullptr);
    simhost::geometry::Glue::toPoint(host, *l1, visio::visEnd, *t1, 2, nullptr);
    StencilOptions block;
    block.pin = {5, 1};
    block.width = 3;
    block.height = 1.5;
    dropTitleBlock(page, block);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::AddonSession session;
    auto document = session.host.newDocument("Runs.vsd");
    drawShapes(session.host, *document->page(1));
    session.host.pump();
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    std::string argument;
    for (int run = 0; run < kMostRuns && std::getline(lines, argument); ++run)
        session.run(argument);
    session.press("CCStopButton");
    return 0;
}
