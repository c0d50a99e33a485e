#include "tests/checker/CheckerDrawings.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "platform/visio/VisioConstants.h"
#include "simhost/geometry/Glue.h"
#include "simhost/host/Host.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/ShapeSpec.h"
#include "simhost/host/Shapes.h"
#include "simhost/stencil/BlockStencil.h"
#include "simhost/stencil/ERStencil.h"
#include "simhost/stencil/PetriStencil.h"

namespace checkertest {

using simhost::stencil::StencilOptions;

StencilOptions at(double x, double y, const std::string& text) {
    return StencilOptions::at(x, y, text);
}

simhost::stencil::Point pointOf(const StencilOptions& shape, int16_t row) {
    const double dx[] = {0, 0.5, 0, -0.5};
    const double dy[] = {0.5, 0, -0.5, 0};
    return {shape.pin.x + dx[row] * shape.width, shape.pin.y + dy[row] * shape.height};
}

void glue(simhost::Host& host, simhost::Shape& connector, int16_t end, simhost::Shape& target,
          int16_t row) {
    std::string error;
    EXPECT_TRUE(simhost::geometry::Glue::toPoint(host, connector, end, target, row, &error))
        << error;
}

namespace {

using Drop = ShapeRef (*)(simhost::Page&, const StencilOptions&, std::string*);

ShapeRef connect(simhost::Host& host, simhost::Page& page, Drop drop, simhost::Shape& from,
                 const StencilOptions& fromAt, simhost::Shape& to, const StencilOptions& toAt) {
    StencilOptions options;
    options.begin = pointOf(fromAt, kEast);
    options.end = pointOf(toAt, kWest);
    ShapeRef connector = drop(page, options, nullptr);
    glue(host, *connector, visio::visBegin, from, kEast);
    glue(host, *connector, visio::visEnd, to, kWest);
    return connector;
}

}  // namespace

SmallNet dropSmallNet(simhost::Host& host, simhost::Page& page) {
    using namespace simhost::stencil;
    StencilOptions p1 = at(1, 4, "p1"), t1 = at(3, 4, "t1"), p2 = at(5, 4, "p2");
    p1.marking = "1";
    SmallNet net;
    net.p1 = dropPlace(page, p1);
    net.t1 = dropTransition(page, t1);
    net.p2 = dropPlace(page, p2);
    net.arc1 = connect(host, page, dropArc, *net.p1, p1, *net.t1, t1);
    net.arc2 = connect(host, page, dropArc, *net.t1, t1, *net.p2, p2);
    return net;
}

void dropSmallBlockDiagram(simhost::Host& host, simhost::Page& page) {
    using namespace simhost::stencil;
    StencilOptions agent = at(1.5, 4, "Agent"), store = at(4.5, 4, "Store");
    ShapeRef a = dropBlockActive(page, agent), s = dropBlockPassive(page, store);
    connect(host, page, dropAccessArrow, *a, agent, *s, store);
}

}  // namespace checkertest

namespace checkertest {
namespace {

using simhost::stencil::StencilOptions;

class RandomDrawing {
public:
    RandomDrawing(simhost::Host& host, simhost::Page& page, std::mt19937& random)
        : host_(host), page_(page), random_(random) {}

    void petriNet() {
        using namespace simhost::stencil;
        for (int i = count(2, 7); i > 0; --i) add(dropTransition, "t", true);
        for (int i = count(2, 7); i > 0; --i) {
            StencilOptions options = place("p");
            options.markingIn = chance(3) ? ValueIn::TextBox : ValueIn::Cell;
            options.capacityIn = chance(3) ? ValueIn::TextBox : ValueIn::Cell;
            options.marking = pick({"0", "1", "2", "1"});
            options.capacity = pick({"", "1", "3", "x"});
            if (chance(6)) options.version = "2.0.1";
            add(dropPlace, options, false);
        }
        if (chance(2)) add(dropStackPlace, place("s"), false);
        if (chance(3)) add(dropStartEndPlace, place("e"), false);
        for (int i = count(1, 9); i > 0; --i) connect(dropArc, pick({"", "1", "2", "4"}));
        if (chance(3)) twoPieceArc();
        extras();
    }

    void blockDiagram() {
        using namespace simhost::stencil;
        for (int i = count(1, 5); i > 0; --i) {
            StencilOptions options = place("Agent");
            options.withSubShapes = !chance(3);
            add(dropBlockActive, options, true);
        }
        for (int i = count(1, 5); i > 0; --i) add(dropBlockPassive, "Store", false);
        for (int i = count(1, 6); i > 0; --i)
            connect(chance(2) ? dropAccessArrow : dropBlockConnection, "");
        if (chance(2)) composite(dropChannel, 0, 2);
        if (chance(3)) {
            StencilOptions misc = place("");
            misc.miscType = pick({"annotation", "dots", "protocol_boundary"});
            dropMisc(page_, misc);
        }
        extras();
    }

    void erDiagram() {
        using namespace simhost::stencil;
        for (int i = count(1, 5); i > 0; --i) add(dropERActive, "Entity", true);
        for (int i = count(0, 3); i > 0; --i) add(dropERPassive, "Attribute", false);
        for (int i = count(0, 4); i > 0; --i) connect(dropERConnection, "");
        for (int i = count(0, 2); i > 0; --i) composite(dropBinaryRelationship, 0, 1);
        extras();
    }

private:
    using Drop = ShapeRef (*)(simhost::Page&, const StencilOptions&, std::string*);
    struct Placed {
        ShapeRef shape;
        StencilOptions options;
        bool active;
    };

    int count(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool chance(int oneIn) { return count(1, oneIn) == 1; }
    std::string pick(std::initializer_list<const char*> texts) {
        return *(texts.begin() + count(0, static_cast<int>(texts.size()) - 1));
    }
    // Each element on a grid cell of its own, so that elements never overlap.
    StencilOptions place(const std::string& name) {
        const int cell = next_++;
        // Names repeat now and then, in another case or with blanks.
        const std::string suffix = chance(4) ? "" : std::to_string(cell);
        return at(1.5 + 2.5 * (cell % 5), 1.5 + 2 * (cell / 5), name + suffix);
    }
    void add(Drop drop, const std::string& name, bool active) { add(drop, place(name), active); }
    void add(Drop drop, const StencilOptions& options, bool active) {
        placed_.push_back({drop(page_, options, nullptr), options, active});
    }
    const Placed& anyPlaced() {
        return placed_[static_cast<size_t>(count(0, static_cast<int>(placed_.size()) - 1))];
    }
    // From an element to another (of either kind), glued at both ends, one end or none.
    void connect(Drop drop, const std::string& weight) {
        if (placed_.empty()) return;
        const Placed& from = anyPlaced();
        const Placed& to = anyPlaced();
        StencilOptions options;
        options.begin = pointOf(from.options, kEast);
        options.end = pointOf(to.options, kWest);
        options.weight = weight;
        if (chance(4)) options.beginArrow = "4";
        ShapeRef connector = drop(page_, options, nullptr);
        const int glued = count(0, 5);
        if (glued != 1) glue(host_, *connector, visio::visBegin, *from.shape, kEast);
        if (glued != 2 && &from != &to) glue(host_, *connector, visio::visEnd, *to.shape, kWest);
    }
    void twoPieceArc() {
        using namespace simhost::stencil;
        if (placed_.empty()) return;
        const Placed& from = anyPlaced();
        const Placed& to = anyPlaced();
        if (&from == &to) return;
        StencilOptions first;
        first.begin = pointOf(from.options, kEast);
        first.end = {first.begin.x + 0.5, first.begin.y + 0.5};
        first.endArrow = "0";
        ShapeRef a = dropArc(page_, first);
        StencilOptions second;
        second.begin = first.end;
        second.end = pointOf(to.options, kWest);
        ShapeRef b = dropArc(page_, second);
        glue(host_, *a, visio::visBegin, *from.shape, kEast);
        std::string error;
        EXPECT_TRUE(simhost::geometry::Glue::toConnectorEnd(host_, *b, visio::visBegin, *a,
                                                            visio::visEnd, &error))
            << error;
        glue(host_, *b, visio::visEnd, *to.shape, kWest);
    }
    // A shape of a node with two edges; the edges' outer ends go to two elements.
    void composite(Drop drop, size_t firstEdge, size_t secondEdge) {
        if (placed_.empty()) return;
        StencilOptions options = place("link");
        options.width = 2;
        ShapeRef shape = drop(page_, options, nullptr);
        const auto& members = shape->memberList();
        if (members.size() <= secondEdge) return;
        if (!chance(4))
            glue(host_, *members[firstEdge], visio::visBegin, *anyPlaced().shape, kEast);
        if (!chance(4)) glue(host_, *members[secondEdge], visio::visEnd, *anyPlaced().shape, kWest);
    }
    // Plain shapes, a plain group around an element, and the odd text.
    void extras() {
        if (chance(2)) page_.addShape(simhost::ShapeSpec::box(0.5, 9, 0.5, 0.5).text("note"));
        if (chance(3)) {
            auto group = page_.addShape(simhost::ShapeSpec::group(14, 9, 2, 2)
                                            .member(simhost::ShapeSpec::box(1, 1, 0.5, 0.5)));
            StencilOptions inside = at(0.5, 0.5, "grouped");
            inside.group = group.get();
            simhost::stencil::dropPlace(page_, inside);
        }
    }

    simhost::Host& host_;
    simhost::Page& page_;
    std::mt19937& random_;
    std::vector<Placed> placed_;
    int next_ = 0;
};

}  // namespace

void dropRandomDrawing(simhost::Host& host, simhost::Page& page, DrawingKind kind,
                       std::mt19937& random) {
    RandomDrawing drawing(host, page, random);
    switch (kind) {
        case DrawingKind::PetriNet:
            drawing.petriNet();
            break;
        case DrawingKind::BlockDiagram:
            drawing.blockDiagram();
            break;
        case DrawingKind::ERDiagram:
            drawing.erDiagram();
            break;
    }
}

std::vector<simhost::Shape*> movableShapes(simhost::Page& page) {
    std::vector<simhost::Shape*> shapes;
    for (const auto& shape : page.shapeCollection().list()) {
        if (!shape->isOneDShape()) shapes.push_back(shape.get());
    }
    return shapes;
}

}  // namespace checkertest
