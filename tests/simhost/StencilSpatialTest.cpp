// The stand-in masters as the geometry sees them: the connection points that the layout
// command's tables name lie on the sides they are named for, the inner ones inside the
// outline, and connectors glued between masters touch exactly the masters they join.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/visio/VisioConstants.h"
#include "simhost/geometry/Glue.h"
#include "simhost/host/Host.h"
#include "simhost/stencil/BlockStencil.h"
#include "simhost/stencil/ERStencil.h"
#include "simhost/stencil/PetriStencil.h"

namespace simhost {
namespace {

using geometry::Glue;
using stencil::StencilOptions;
using visio::ComRef;
using Dropper = std::function<ComRef<Shape>(Page&, const StencilOptions&)>;

class StencilSpatialTest : public ::testing::Test {
protected:
    static int16_t relation(Shape& a, Shape& b) {
        return a.SpatialRelation(ComRef<visio::IVShape>(&b), 0.015, 0);
    }
    // A speck of a box around the point: it touches an outline through the point, and
    // lies in an outline around it.
    ComRef<Shape> speck(Point2 p) {
        return host.addShape(*page, ShapeSpec::box(p.x, p.y, 0.004, 0.004));
    }
    static std::vector<int32_t> neighbours(Shape& shape) {
        auto answer = shape.SpatialNeighbors(15, 0.015, 0, visio::Variant());
        std::vector<int32_t> ids;
        for (int32_t i = 1; i <= answer->Count(); ++i) ids.push_back(answer->Item(i)->ID());
        return ids;
    }
    void glue(Shape& connector, int16_t end, Shape& target, int16_t row) {
        std::string error;
        ASSERT_TRUE(Glue::toPoint(host, connector, end, target, row, &error)) << error;
    }

    Host host;
    ComRef<Document> document = host.newDocument();
    Page* page = document->page(1);
};

TEST_F(StencilSpatialTest, LayoutTablesNameTheSidesOfTheOutline) {
    const std::vector<std::pair<const char*, Dropper>> masters = {
        {"transition",
         [](Page& p, const StencilOptions& o) { return stencil::dropTransition(p, o); }},
        {"place", [](Page& p, const StencilOptions& o) { return stencil::dropPlace(p, o); }},
        {"place with boxes",
         [](Page& p, StencilOptions o) {
             o.markingIn = stencil::ValueIn::TextBox;
             return stencil::dropPlace(p, o);
         }},
        {"stack place",
         [](Page& p, const StencilOptions& o) { return stencil::dropStackPlace(p, o); }},
        {"block active",
         [](Page& p, const StencilOptions& o) { return stencil::dropBlockActive(p, o); }},
        {"block passive",
         [](Page& p, const StencilOptions& o) { return stencil::dropBlockPassive(p, o); }},
        {"ER active", [](Page& p, const StencilOptions& o) { return stencil::dropERActive(p, o); }},
        {"ER passive",
         [](Page& p, const StencilOptions& o) { return stencil::dropERPassive(p, o); }},
    };
    const char* sides[] = {"N", "E", "S", "W"};
    double x = 2;
    for (const auto& [name, drop] : masters) {
        SCOPED_TRACE(name);
        StencilOptions options;
        options.pin = {x += 3, 2};
        options.layoutTable = true;
        options.innerTable = true;
        auto shape = drop(*page, options);
        const double w = options.width / 2, h = options.height / 2;
        const Point2 expected[] = {{x, 2 + h}, {x + w, 2}, {x, 2 - h}, {x - w, 2}};
        for (int side = 0; side < 4; ++side) {
            SCOPED_TRACE(sides[side]);
            auto row =
                static_cast<int16_t>(shape->number(std::string("User.") + sides[side] + "100"));
            auto point = Glue::connectionPointOnPage(*shape.get(), static_cast<int16_t>(row - 1));
            ASSERT_TRUE(point);
            EXPECT_NEAR(point->x, expected[side].x, 1e-9);
            EXPECT_NEAR(point->y, expected[side].y, 1e-9);
            EXPECT_EQ(relation(*speck(*point).get(), *shape.get()), visio::visSpatialTouching);
        }
        auto inner = static_cast<int16_t>(shape->number("User.IN100"));
        auto point = Glue::connectionPointOnPage(*shape.get(), static_cast<int16_t>(inner - 1));
        ASSERT_TRUE(point);
        EXPECT_EQ(relation(*speck(*point).get(), *shape.get()), visio::visSpatialContainedIn);
        EXPECT_EQ(shape->formula("User.LO100"), "\"N\"");
    }
}

TEST_F(StencilSpatialTest, ConnectorsGluedBetweenMastersTouchExactlyThem) {
    StencilOptions left, right;
    left.pin = {1, 1};
    right.pin = {4, 1};
    // A block diagram connection from a passive element to an active one.
    auto passive = stencil::dropBlockPassive(*page, left);
    auto active = stencil::dropBlockActive(*page, right);
    auto connection = stencil::dropBlockConnection(*page, StencilOptions());
    glue(*connection.get(), visio::visBegin, *passive.get(), 1);
    glue(*connection.get(), visio::visEnd, *active.get(), 3);
    EXPECT_EQ(neighbours(*connection.get()), (std::vector<int32_t>{passive->id(), active->id()}));
    EXPECT_EQ(neighbours(*passive.get()), std::vector<int32_t>{connection->id()});

    // An ER connection from a box to an ellipse, below.
    left.pin = {1, 4};
    right.pin = {4, 4.5};
    auto entity = stencil::dropERActive(*page, left);
    auto relationship = stencil::dropERPassive(*page, right);
    auto link = stencil::dropERConnection(*page, StencilOptions());
    glue(*link.get(), visio::visBegin, *entity.get(), 1);
    glue(*link.get(), visio::visEnd, *relationship.get(), 3);
    EXPECT_EQ(neighbours(*link.get()), (std::vector<int32_t>{entity->id(), relationship->id()}));

    // A Petri net arc, drawn to the length its glue gives it: its weight and name boxes
    // stay clear of the elements.
    left.pin = {1, 8};
    right.pin = {4, 8};
    auto place = stencil::dropPlace(*page, left);
    auto transition = stencil::dropTransition(*page, right);
    StencilOptions along;
    along.begin = {1.5, 8};
    along.end = {3.5, 8};
    auto arc = stencil::dropArc(*page, along);
    glue(*arc.get(), visio::visBegin, *place.get(), 1);
    glue(*arc.get(), visio::visEnd, *transition.get(), 3);
    EXPECT_EQ(neighbours(*arc.get()), (std::vector<int32_t>{place->id(), transition->id()}));
    EXPECT_EQ(neighbours(*transition.get()), std::vector<int32_t>{arc->id()});
}

}  // namespace
}  // namespace simhost
