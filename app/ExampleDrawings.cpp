#include "app/ExampleDrawings.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <vector>

#include "platform/visio/VisioConstants.h"
#include "simhost/geometry/Glue.h"
#include "simhost/host/Document.h"
#include "simhost/host/Host.h"
#include "simhost/host/Page.h"
#include "simhost/host/ShapeSpec.h"
#include "simhost/stencil/BlockStencil.h"
#include "simhost/stencil/ERStencil.h"
#include "simhost/stencil/PetriStencil.h"
#include "simhost/stencil/TitleBlockStencil.h"

namespace runner {
namespace {

using simhost::Host;
using simhost::Page;
using simhost::Shape;
using simhost::stencil::Point;
using simhost::stencil::StencilOptions;
using ShapeRef = visio::ComRef<Shape>;

// The connection points every 2-D master has, by their row.
constexpr int16_t kNorth = 0;
constexpr int16_t kEast = 1;
constexpr int16_t kSouth = 2;
constexpr int16_t kWest = 3;

constexpr auto at = &StencilOptions::at;

// Where a connection point of a 2-D master dropped with these options lies.
Point pointOf(const StencilOptions& shape, int16_t row) {
    const double dx[] = {0, 0.5, 0, -0.5};
    const double dy[] = {0.5, 0, -0.5, 0};
    return {shape.pin.x + dx[row] * shape.width, shape.pin.y + dy[row] * shape.height};
}

using Drop = ShapeRef (*)(Page&, const StencilOptions&, std::string*);

// The drawing being built, and what went wrong on the way.
struct Drawing {
    Host& host;
    Page& page;
    std::string problems;
};

// Glues an end of the connector to a connection point of the target, as a user does.
void glue(Drawing& d, Shape& connector, int16_t end, Shape& target, int16_t row) {
    std::string error;
    if (simhost::geometry::Glue::toPoint(d.host, connector, end, target, row, &error)) return;
    d.problems += (d.problems.empty() ? "" : "; ") + error;
}

// Drops a connector from one shape's point to another's and glues both ends there.
ShapeRef connect(Drawing& d, Drop drop, Shape& from, const StencilOptions& fromAt, int16_t fromRow,
                 Shape& to, const StencilOptions& toAt, int16_t toRow) {
    StencilOptions options;
    options.begin = pointOf(fromAt, fromRow);
    options.end = pointOf(toAt, toRow);
    ShapeRef connector = drop(d.page, options, nullptr);
    glue(d, *connector, visio::visBegin, from, fromRow);
    glue(d, *connector, visio::visEnd, to, toRow);
    return connector;
}

// Two places, the first marked, feeding two transitions: a conflict; a third place and
// transition beside them: concurrency; one transition fills a stack place.
void petriNet(Drawing& d) {
    Page& page = d.page;
    using namespace simhost::stencil;
    StencilOptions p1 = at(1, 5, "p1"), p4 = at(1, 1.5, "p4");
    p1.marking = "1";
    p4.marking = "1";
    StencilOptions t1 = at(3, 6, "t1"), t2 = at(3, 4, "t2"), t3 = at(3, 1.5, "t3");
    StencilOptions p2 = at(5, 6, "p2"), s1 = at(5, 4, "s1"), p3 = at(5, 1.5, "p3");
    s1.capacity = "2";
    ShapeRef place1 = dropPlace(page, p1), place4 = dropPlace(page, p4);
    ShapeRef trans1 = dropTransition(page, t1), trans2 = dropTransition(page, t2);
    ShapeRef trans3 = dropTransition(page, t3);
    ShapeRef place2 = dropPlace(page, p2), stack = dropStackPlace(page, s1);
    ShapeRef place3 = dropPlace(page, p3);
    connect(d, dropArc, *place1, p1, kEast, *trans1, t1, kWest);
    connect(d, dropArc, *place1, p1, kEast, *trans2, t2, kWest);
    connect(d, dropArc, *trans1, t1, kEast, *place2, p2, kWest);
    connect(d, dropArc, *trans2, t2, kEast, *stack, s1, kWest);
    connect(d, dropArc, *place4, p4, kEast, *trans3, t3, kWest);
    connect(d, dropArc, *trans3, t3, kEast, *place3, p3, kWest);
}

// The masters as the simulator's example draws them: round places with their tokens in
// text boxes, and narrow transitions.
StencilOptions placeAt(double x, double y, const std::string& text, const std::string& tokens) {
    StencilOptions options = at(x, y, text);
    options.width = 0.75;
    options.markingIn = simhost::stencil::ValueIn::TextBox;
    options.marking = tokens;
    return options;
}

StencilOptions transitionAt(double x, double y, const std::string& text) {
    StencilOptions options = at(x, y, text);
    options.width = 0.3;
    return options;
}

// A net for the simulator: p1's token goes to t1 or t2 (a conflict), each of which calls
// into a stack place (s1, s2) and leaves a token in p5; t5 and t6 return from the calls
// through p5 into p2, and t4 brings the token back to p1, round and round. Beside them
// p4's token lets t3 fire once (concurrency).
void simulationNet(Drawing& d) {
    Page& page = d.page;
    using namespace simhost::stencil;
    StencilOptions p1 = placeAt(0.75, 5, "p1", "1"), p4 = placeAt(0.75, 1.5, "p4", "1");
    StencilOptions t1 = transitionAt(2.25, 6.25, "t1"), t2 = transitionAt(2.25, 3.75, "t2");
    StencilOptions t3 = transitionAt(2.25, 1.5, "t3");
    StencilOptions s1 = placeAt(3.75, 6.75, "s1", "0"), s2 = placeAt(3.75, 3.25, "s2", "0");
    StencilOptions p5 = placeAt(3.75, 5, "p5", "0"), p3 = placeAt(3.75, 1.5, "p3", "0");
    StencilOptions t5 = transitionAt(5.25, 6.25, "t5"), t6 = transitionAt(5.25, 3.75, "t6");
    StencilOptions p2 = placeAt(6.75, 5, "p2", "0"), t4 = transitionAt(3.75, 8.5, "t4");
    s1.capacity = "2";
    s2.capacity = "2";
    ShapeRef place1 = dropPlace(page, p1), place4 = dropPlace(page, p4);
    ShapeRef trans1 = dropTransition(page, t1), trans2 = dropTransition(page, t2);
    ShapeRef trans3 = dropTransition(page, t3);
    ShapeRef stack1 = dropStackPlace(page, s1), stack2 = dropStackPlace(page, s2);
    ShapeRef place5 = dropPlace(page, p5), place3 = dropPlace(page, p3);
    ShapeRef trans5 = dropTransition(page, t5), trans6 = dropTransition(page, t6);
    ShapeRef place2 = dropPlace(page, p2), trans4 = dropTransition(page, t4);
    connect(d, dropArc, *place1, p1, kEast, *trans1, t1, kWest);
    connect(d, dropArc, *place1, p1, kEast, *trans2, t2, kWest);
    connect(d, dropArc, *trans1, t1, kEast, *stack1, s1, kWest);
    connect(d, dropArc, *trans1, t1, kEast, *place5, p5, kWest);
    connect(d, dropArc, *trans2, t2, kEast, *stack2, s2, kWest);
    connect(d, dropArc, *trans2, t2, kEast, *place5, p5, kWest);
    connect(d, dropArc, *stack1, s1, kEast, *trans5, t5, kWest);
    connect(d, dropArc, *place5, p5, kEast, *trans5, t5, kWest);
    connect(d, dropArc, *place5, p5, kEast, *trans6, t6, kWest);
    connect(d, dropArc, *stack2, s2, kEast, *trans6, t6, kWest);
    connect(d, dropArc, *trans5, t5, kEast, *place2, p2, kWest);
    connect(d, dropArc, *trans6, t6, kEast, *place2, p2, kWest);
    connect(d, dropArc, *place2, p2, kNorth, *trans4, t4, kEast);
    connect(d, dropArc, *trans4, t4, kWest, *place1, p1, kNorth);
    connect(d, dropArc, *place4, p4, kEast, *trans3, t3, kWest);
    connect(d, dropArc, *trans3, t3, kEast, *place3, p3, kWest);
}

// An agent reads a store through an access arc and talks to a second agent over a
// channel; two stores share a name.
void blockDiagram(Drawing& d) {
    Page& page = d.page;
    using namespace simhost::stencil;
    StencilOptions agent = at(1.5, 5, "Agent"), peer = at(5.5, 5, "Peer");
    StencilOptions store = at(1.5, 2.5, "Store"), twin = at(5.5, 2.5, "Store");
    ShapeRef a = dropBlockActive(page, agent), b = dropBlockActive(page, peer);
    ShapeRef s = dropBlockPassive(page, store);
    dropBlockPassive(page, twin);
    connect(d, dropAccessArrow, *a, agent, kSouth, *s, store, kNorth);
    StencilOptions channel = at(3.5, 5, "talks");
    channel.width = 3;
    ShapeRef link = dropChannel(page, channel);
    const auto& edges = link->memberList();
    glue(d, *edges[0], visio::visBegin, *a, kEast);
    glue(d, *edges[2], visio::visEnd, *b, kWest);
}

// Two entities in a binary relationship.
void erDiagram(Drawing& d) {
    Page& page = d.page;
    using namespace simhost::stencil;
    StencilOptions customer = at(1.5, 4, "Customer"), order = at(5.5, 4, "Order");
    ShapeRef c = dropERActive(page, customer), o = dropERActive(page, order);
    StencilOptions places = at(3.5, 4, "places");
    places.width = 3;
    ShapeRef relation = dropBinaryRelationship(page, places);
    const auto& edges = relation->memberList();
    glue(d, *edges[0], visio::visBegin, *c, kEast);
    glue(d, *edges[1], visio::visEnd, *o, kWest);
}

// A Petri net's place and transition beside a block diagram's agent and store.
void mixedPage(Drawing& d) {
    Page& page = d.page;
    using namespace simhost::stencil;
    StencilOptions place = at(1, 5, "p1"), transition = at(3, 5, "t1");
    ShapeRef p = dropPlace(page, place), t = dropTransition(page, transition);
    connect(d, dropArc, *p, place, kEast, *t, transition, kWest);
    StencilOptions agent = at(1.5, 2, "Agent"), store = at(4.5, 2, "Store");
    ShapeRef a = dropBlockActive(page, agent), s = dropBlockPassive(page, store);
    connect(d, dropAccessArrow, *a, agent, kEast, *s, store, kWest);
}

// A place whose master lacks its marking cell, which cannot be made up.
void incompleteShape(Drawing& d) {
    Page& page = d.page;
    using namespace simhost::stencil;
    StencilOptions place = at(1, 4, "p1"), transition = at(3, 4, "t1");
    place.omit = {"User.QAV_marking"};
    ShapeRef p = dropPlace(page, place), t = dropTransition(page, transition);
    connect(d, dropArc, *p, place, kEast, *t, transition, kWest);
}

// Shapes dropped from older masters, whose missing notation cells the add-on makes up
// when the drawing is opened, beside shapes it cannot complete.
void oldShapes(Drawing& d) {
    Page& page = d.page;
    using namespace simhost::stencil;
    StencilOptions agent = at(1.5, 6, "Agent");
    agent.version = "2.1.0";
    agent.omit = {"User.QAV_StickyMan"};
    dropBlockActive(page, agent);
    StencilOptions channel = at(5, 6, "talks");
    channel.version = "2.0.1";
    channel.width = 3;
    dropChannel(page, channel);
    StencilOptions dots = at(8, 6, "");
    dots.miscType = "dots";
    dropMisc(page, dots);
    StencilOptions place = at(1.5, 3.5, "p1");
    place.version = "2.0.0";
    place.marking = "1";
    dropPlace(page, place);
    StencilOptions transition = at(4, 3.5, "t1");
    transition.omit = {"User.QAV_Identifier_ID"};
    dropTransition(page, transition);
    StencilOptions newer = at(6.5, 3.5, "p2");
    newer.version = "3.0.0";
    newer.omit = {"User.QAV_Identifier_ID"};
    dropPlace(page, newer);
    StencilOptions unmarked = at(9, 3.5, "p3");
    unmarked.omit = {"User.QAV_marking"};
    dropPlace(page, unmarked);
}

// A marked place feeding a transition that fills a second place, across the page.
void placeTransitionPlace(Drawing& d, const std::string& first, const std::string& transition,
                          const std::string& second) {
    using namespace simhost::stencil;
    StencilOptions from = at(1.5, 7, first), via = at(3.5, 7, transition), to = at(5.5, 7, second);
    from.marking = "1";
    ShapeRef p = dropPlace(d.page, from), t = dropTransition(d.page, via);
    ShapeRef q = dropPlace(d.page, to);
    connect(d, dropArc, *p, from, kEast, *t, via, kWest);
    connect(d, dropArc, *t, via, kEast, *q, to, kWest);
}

// A Petri net on the first page and another on a second page; answers the second page.
visio::ComRef<Page> netsOnTwoPages(Drawing& d) {
    placeTransitionPlace(d, "p1", "t1", "p2");
    auto second = d.host.addPage(*d.page.document(), "Page-2");
    Drawing onSecond{d.host, *second, std::string()};
    placeTransitionPlace(onSecond, "p3", "t2", "p4");
    d.problems += onSecond.problems;
    return second;
}

// Two foreground pages of a Petri net in front of one background page, which holds the
// frame around the sheet and the title under it.
void pages(Drawing& d) {
    auto second = netsOnTwoPages(d);
    simhost::Document& document = *d.page.document();
    auto background = d.host.addPage(document, "Background");
    background->SetBackground(true);
    using simhost::ShapeSpec;
    d.host.addShape(*background, ShapeSpec::box(4.25, 5.5, 8, 10.5)
                                     .name("Frame")
                                     .cell("LineWeight", "2 pt")
                                     .cell("FillPattern", "0"));
    d.host.addShape(*background, ShapeSpec::box(4.25, 0.6, 6, 0.4)
                                     .name("Title")
                                     .text("A Petri net on two pages")
                                     .cell("LinePattern", "0")
                                     .cell("FillPattern", "0")
                                     .cell("Char.Size", "14 pt"));
    d.page.SetBackPage("Background");
    second->SetBackPage("Background");
}

// A Petri net whose places keep marking and capacity in text boxes, in a document
// made from the notation's template (its sheet holds "User.HideInputBoxes", stored
// "FALSE" as the text input assistant saves it): p1 holds a token and may hold two.
void textBoxes(Drawing& d) {
    using namespace simhost::stencil;
    StencilOptions from = at(1.5, 5, "p1"), via = at(3.5, 5, "t1"), to = at(5.5, 5, "");
    from.markingIn = to.markingIn = ValueIn::TextBox;
    from.capacityIn = to.capacityIn = ValueIn::TextBox;
    from.marking = "1";
    from.capacity = "2";
    to.marking = "";
    ShapeRef p = dropPlace(d.page, from), t = dropTransition(d.page, via);
    ShapeRef q = dropPlace(d.page, to);
    ShapeRef in = connect(d, dropArc, *p, from, kEast, *t, via, kWest);
    connect(d, dropArc, *t, via, kEast, *q, to, kWest);
    in->memberList()[1]->setTextQuietly("1");
    d.page.document()->documentSheet()->setCell("User.HideInputBoxes", "FALSE");
}

// Block diagram shapes whose access arcs carry the layout menu, glued to the sides
// that do not face each other: two stores side by side, glued south to north, and an
// agent above a store, glued east to east. The partners' tables name a point for each
// side; the agent's box is its outline.
void layout(Drawing& d) {
    using namespace simhost::stencil;
    auto withTables = [](StencilOptions options) {
        options.layoutTable = true;
        return options;
    };
    StencilOptions left = withTables(at(1.5, 6, "Left")), right = withTables(at(5, 6.5, "Right"));
    StencilOptions agent = withTables(at(1.5, 3.5, "Agent")), store = withTables(at(2, 1, "Store"));
    ShapeRef a = dropBlockPassive(d.page, left), b = dropBlockPassive(d.page, right);
    ShapeRef c = dropBlockActive(d.page, agent), s = dropBlockPassive(d.page, store);
    auto arc = [&](Shape& from, const StencilOptions& fromAt, int16_t fromRow, Shape& to,
                   const StencilOptions& toAt, int16_t toRow) {
        StencilOptions options;
        options.begin = pointOf(fromAt, fromRow);
        options.end = pointOf(toAt, toRow);
        options.layoutMenu = true;
        ShapeRef connector = dropAccessArrow(d.page, options, nullptr);
        glue(d, *connector, visio::visBegin, from, fromRow);
        glue(d, *connector, visio::visEnd, to, toRow);
    };
    arc(*a, left, kSouth, *b, right, kNorth);
    arc(*c, agent, kEast, *s, store, kEast);
}

// A Petri net on two pages with a title block just dropped on the first, not yet moved to
// a background page, and the properties its text fields show.
void titleBlock(Drawing& d) {
    netsOnTwoPages(d);
    StencilOptions corner;
    corner.pin = {4, 0.5};
    corner.width = 4;
    corner.height = 1.4;
    simhost::stencil::dropTitleBlock(d.page, corner);
    simhost::DocumentProperties& properties = d.page.document()->properties();
    properties.title = "Pump station";
    properties.subject = "Water supply";
    properties.creator = "Ada Lovelace";
    properties.manager = "Grace Hopper";
    properties.company = "QAV Engineering";
    properties.description = "Filling and emptying the tank";
}

// Rows of place, arc, transition, arc, ... on a grid; each place feeds the transition
// after it, each transition the next place. Four elements to a step.
void largeNet(Drawing& d, int size) {
    Page& page = d.page;
    using namespace simhost::stencil;
    const int steps = std::max(1, size / 4);
    const int perRow = 20;
    ShapeRef previous;
    StencilOptions previousAt;
    for (int i = 0; i < steps; ++i) {
        double x = 1 + 4 * (i % perRow), y = 2 + 2 * (i / perRow);
        StencilOptions place = at(x, y, "p" + std::to_string(i + 1));
        StencilOptions transition = at(x + 2, y, "t" + std::to_string(i + 1));
        if (i == 0) place.marking = "1";
        ShapeRef p = dropPlace(page, place), t = dropTransition(page, transition);
        if (previous) connect(d, dropArc, *previous, previousAt, kSouth, *p, place, kNorth);
        connect(d, dropArc, *p, place, kEast, *t, transition, kWest);
        previous = t;
        previousAt = transition;
    }
}

// The sides of a 2-D master that face each other when one lies at (dx, dy) from the
// other: the first shape's side, then the second's.
std::pair<int16_t, int16_t> facingSides(double dx, double dy) {
    if (std::abs(dx) >= std::abs(dy))
        return dx >= 0 ? std::pair(kEast, kWest) : std::pair(kWest, kEast);
    return dy >= 0 ? std::pair(kNorth, kSouth) : std::pair(kSouth, kNorth);
}

// The same order from the same generator with every standard library.
template <class T>
void shuffleWith(std::vector<T>& items, std::mt19937& random) {
    for (size_t i = items.size(); i > 1; --i) std::swap(items[i - 1], items[random() % i]);
}

// A dropped element of the dense net and where it stands.
struct DenseElement {
    ShapeRef shape;
    StencilOptions options;
};

// Joins the transition to the places: the first arc into it, the second out of it, the
// rest either way; each arc between the sides that face each other.
void joinDense(Drawing& d, const DenseElement& transition,
               const std::vector<const DenseElement*>& places, std::mt19937& random) {
    for (size_t k = 0; k < places.size(); ++k) {
        const DenseElement& p = *places[k];
        const bool intoTransition = k == 0 || (k > 1 && random() % 2 == 0);
        const auto [placeSide, transitionSide] = facingSides(
            transition.options.pin.x - p.options.pin.x, transition.options.pin.y - p.options.pin.y);
        if (intoTransition) {
            connect(d, simhost::stencil::dropArc, *p.shape, p.options, placeSide, *transition.shape,
                    transition.options, transitionSide);
        } else {
            connect(d, simhost::stencil::dropArc, *transition.shape, transition.options,
                    transitionSide, *p.shape, p.options, placeSide);
        }
    }
}

// Transitions and fewer places (tokens in text boxes) mixed at random on a square grid;
// every transition has 5 to 8 arcs to places anywhere on the grid, so that the arcs cross
// each other and the elements between them, as in a net drawn by hand over a long time.
// Eight elements to a transition, about; the same drawing for the same size.
void denseNet(Drawing& d, int size) {
    using namespace simhost::stencil;
    std::mt19937 random(20240607);
    const int transitions = std::max(1, size / 8);
    const int places = std::max(2, transitions * 3 / 7);
    const int cells = transitions + places;
    const int side = static_cast<int>(std::ceil(std::sqrt(cells)));
    std::vector<int> slots(static_cast<size_t>(cells));
    for (int i = 0; i < cells; ++i) slots[static_cast<size_t>(i)] = i;
    shuffleWith(slots, random);
    auto optionsAt = [&](int i, const std::string& name) {
        const int slot = slots[static_cast<size_t>(i)];
        return at(1.0 + 3.0 * (slot % side), 1.0 + 3.0 * (slot / side), name);
    };
    std::vector<DenseElement> placeShapes;
    for (int i = 0; i < places; ++i) {
        StencilOptions place = optionsAt(i, "p" + std::to_string(i + 1));
        place.markingIn = ValueIn::TextBox;
        place.marking = random() % 3 == 0 ? "" : std::to_string(1 + random() % 2);
        placeShapes.push_back({dropPlace(d.page, place), place});
    }
    std::vector<const DenseElement*> chosen;
    for (const DenseElement& p : placeShapes) chosen.push_back(&p);
    for (int i = 0; i < transitions; ++i) {
        StencilOptions options = optionsAt(places + i, "t" + std::to_string(i + 1));
        const DenseElement transition{dropTransition(d.page, options), options};
        shuffleWith(chosen, random);
        const size_t arcs = std::min(chosen.size(), static_cast<size_t>(5 + random() % 4));
        joinDense(d, transition, {chosen.begin(), chosen.begin() + static_cast<long>(arcs)},
                  random);
    }
}

}  // namespace

const std::vector<std::string>& ExampleDrawings::kinds() {
    static const std::vector<std::string> all = {
        "petri-net",      "block-diagram",   "er-diagram",     "mixed-page", "incomplete-shape",
        "old-shapes",     "pages",           "text-boxes",     "layout",     "title-block",
        "simulation-net", "large-petri-net", "dense-petri-net"};
    return all;
}

bool ExampleDrawings::takesSize(const std::string& kind) {
    return kind == "large-petri-net" || kind == "dense-petri-net";
}

visio::ComRef<simhost::Document> ExampleDrawings::build(Host& host, const std::string& kind,
                                                        const std::string& name, int size,
                                                        std::string* problems) {
    using Builder = void (*)(Drawing&);
    static const std::map<std::string, Builder> builders = {{"petri-net", petriNet},
                                                            {"block-diagram", blockDiagram},
                                                            {"er-diagram", erDiagram},
                                                            {"mixed-page", mixedPage},
                                                            {"incomplete-shape", incompleteShape},
                                                            {"old-shapes", oldShapes},
                                                            {"pages", pages},
                                                            {"text-boxes", textBoxes},
                                                            {"layout", layout},
                                                            {"title-block", titleBlock},
                                                            {"simulation-net", simulationNet}};
    auto builder = builders.find(kind);
    if (builder == builders.end() && !takesSize(kind)) return {};
    auto document = host.newDocument(name);
    Drawing drawing{host, *document->page(1), std::string()};
    if (builder != builders.end()) {
        builder->second(drawing);
    } else if (kind == "dense-petri-net") {
        denseNet(drawing, size);
    } else {
        largeNet(drawing, size);
    }
    host.pump();
    if (problems) *problems = drawing.problems;
    return document;
}

}  // namespace runner
