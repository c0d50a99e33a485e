// The spatial neighbours of a shape: which shapes a query returns (mask, tolerance,
// result root, hidden geometry), in order of shape ID, the same as comparing the shape
// with every other one would give, and following the drawing as it changes.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "platform/visio/VisioConstants.h"
#include "simhost/geometry/OutlineReader.h"
#include "simhost/geometry/OutlineRelation.h"
#include "simhost/geometry/OutlineSpecs.h"
#include "simhost/host/Host.h"
#include "simhost/stencil/StencilGeometry.h"

namespace simhost {
namespace {

using visio::ComRef;
using visio::Variant;

class SpatialNeighborsTest : public ::testing::Test {
protected:
    ComRef<Shape> add(const ShapeSpec& spec) {
        auto shape = host.addShape(*page, spec);
        stencil::finishEllipses(*shape.get());
        return shape;
    }
    // The box with its lower left corner at (x, y).
    ComRef<Shape> box(double x, double y, double w, double h) {
        return add(ShapeSpec::box(x + w / 2, y + h / 2, w, h));
    }

    static std::vector<int32_t> ids(const ComRef<visio::IVSelection>& selection) {
        std::vector<int32_t> result;
        for (int32_t i = 1; i <= selection->Count(); ++i)
            result.push_back(selection->Item(i)->ID());
        return result;
    }
    static std::vector<int32_t> neighbours(const ComRef<Shape>& shape, int16_t mask = 15,
                                           double tolerance = 0.015, int16_t flags = 0,
                                           const Variant& root = Variant()) {
        return ids(shape->SpatialNeighbors(mask, tolerance, flags, root));
    }

    Host host;
    ComRef<Document> document = host.newDocument();
    Page* page = document->page(1);
};

TEST_F(SpatialNeighborsTest, MaskToleranceAndOrder) {
    auto centre = box(0, 0, 4, 4);
    auto inside = box(1, 1, 1, 1);          // contained in centre
    auto across = box(3, 1, 2, 1);          // overlaps it
    auto touching = box(4.01, 3, 1, 1);     // 0.01 beside it
    auto apart = box(4.02, 0, 1, 1);        // 0.02 beside it
    auto corner = box(4.012, 4.012, 1, 1);  // 0.017 from its corner
    auto around = box(-1, -1, 6, 6);        // contains it
    EXPECT_EQ(neighbours(centre),
              (std::vector<int32_t>{inside->id(), across->id(), touching->id(), around->id()}));
    EXPECT_EQ(neighbours(centre, visio::visSpatialContain), std::vector<int32_t>{inside->id()});
    EXPECT_EQ(neighbours(centre, visio::visSpatialContainedIn), std::vector<int32_t>{around->id()});
    EXPECT_EQ(neighbours(centre, visio::visSpatialOverlap | visio::visSpatialTouching),
              (std::vector<int32_t>{across->id(), touching->id()}));
    // A wider tolerance takes in the farther boxes.
    EXPECT_EQ(neighbours(centre, visio::visSpatialTouching, 0.02),
              (std::vector<int32_t>{touching->id(), apart->id(), corner->id()}));
}

TEST_F(SpatialNeighborsTest, TheResultRootChoosesTheCandidates) {
    auto group = add(ShapeSpec::group(3, 3, 2, 2)
                         .member(ShapeSpec::box(0.5, 1, 1, 2))
                         .member(ShapeSpec::box(1.5, 1, 1, 2)));
    auto left = group->memberList()[0];
    auto right = group->memberList()[1];
    auto probe = box(2.5, 2.5, 1, 1);  // over both members
    // Unrooted, the page's shapes are searched: the group, not its members.
    EXPECT_EQ(neighbours(probe), std::vector<int32_t>{group->id()});
    // Rooted at the group, its members; rooted at the page, its shapes.
    Variant atGroup{visio::ObjectRef(group.get())};
    EXPECT_EQ(neighbours(probe, 15, 0.015, 0, atGroup),
              (std::vector<int32_t>{left->id(), right->id()}));
    Variant atPage{visio::ObjectRef(page)};
    EXPECT_EQ(neighbours(probe, 15, 0.015, 0, atPage), std::vector<int32_t>{group->id()});
    // A shape is never its own neighbour, nor a neighbour of its group or members.
    EXPECT_TRUE(neighbours(ComRef<Shape>(left), 15, 0.015, 0, atGroup) ==
                std::vector<int32_t>{right->id()});
    EXPECT_EQ(neighbours(group), std::vector<int32_t>{probe->id()});
    // Members in another order than their IDs still come in ID order.
    auto early = box(3.2, 2.2, 0.2, 0.2);
    auto late = add(ShapeSpec::group(4, 4, 4, 4));
    auto lateMember = host.addShapeToGroup(*late.get(), ShapeSpec::box(0.5, 0.5, 1, 1));
    page->moveIntoGroup(*early.get(), *late.get());
    Variant atLate{visio::ObjectRef(late.get())};
    auto big = box(2, 2, 4, 4);
    EXPECT_EQ(neighbours(big, 15, 0.015, 0, atLate),
              (std::vector<int32_t>{early->id(), lateMember->id()}));
}

TEST_F(SpatialNeighborsTest, HiddenGeometryIsFoundOnlyWhenAsked) {
    auto hidden = add(ShapeSpec::box(1, 1, 1, 1).cell("Geometry1.NoShow", "TRUE"));
    auto probe = box(0, 0, 3, 3);
    EXPECT_TRUE(neighbours(probe).empty());
    EXPECT_EQ(neighbours(probe, 15, 0.015, 0x10), std::vector<int32_t>{hidden->id()});
    EXPECT_TRUE(neighbours(hidden).empty());
    EXPECT_TRUE(ids(page->pageSheet()->SpatialNeighbors(15, 0.015, 0, Variant())).empty());
}

TEST_F(SpatialNeighborsTest, AnswersFollowTheDrawing) {
    auto a = box(0, 0, 1, 1);
    auto b = box(1.01, 0, 1, 1);
    EXPECT_EQ(neighbours(a), std::vector<int32_t>{b->id()});
    host.setFormula(*b.get(), "PinX", "5 in");  // moved away
    EXPECT_TRUE(neighbours(a).empty());
    auto c = box(0.5, 0.5, 0.2, 0.2);  // added
    EXPECT_EQ(neighbours(a), std::vector<int32_t>{c->id()});
    host.setFormula(*a.get(), "Width", "10 in");  // grown over b
    EXPECT_EQ(neighbours(a), (std::vector<int32_t>{b->id(), c->id()}));
    host.deleteShape(*c.get());
    EXPECT_EQ(neighbours(a), std::vector<int32_t>{b->id()});
    // A shape that depends on another moves with it: the line follows b's pin.
    auto line = add(ShapeSpec::line(9, 9, 10, 10)
                        .cell("EndX", "Sheet." + std::to_string(b->id()) + "!PinX")
                        .cell("EndY", "Sheet." + std::to_string(b->id()) + "!PinY"));
    EXPECT_EQ(neighbours(b), (std::vector<int32_t>{a->id(), line->id()}));
    host.setFormula(*b.get(), "PinX", "20 in");
    EXPECT_EQ(neighbours(line), std::vector<int32_t>{b->id()});
    EXPECT_EQ(neighbours(b), std::vector<int32_t>{line->id()});
}

// A page of scattered boxes, ellipses, turned boxes and lines: the grid must answer
// what comparing each shape with every other one answers.
TEST_F(SpatialNeighborsTest, TheGridMissesNothing) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> position(0, 30), size(0.2, 2), turn(0, 180);
    std::uniform_int_distribution<int> kind(0, 3);
    std::vector<ComRef<Shape>> shapes;
    for (int i = 0; i < 400; ++i) {
        double x = position(random), y = position(random), w = size(random), h = size(random);
        switch (kind(random)) {
            case 0:
                shapes.push_back(add(ShapeSpec::box(x, y, w, h)));
                break;
            case 1:
                shapes.push_back(add(stencil::memberEllipse(x, y, w, h)));
                break;
            case 2:
                shapes.push_back(add(ShapeSpec::box(x, y, w, h)
                                         .cell("Angle", std::to_string(turn(random)) + " deg")));
                break;
            default:
                shapes.push_back(add(ShapeSpec::line(x, y, x + w * 2, y + h - 1)));
                break;
        }
    }
    shapes.push_back(box(-1, -1, 40, 0.5));  // one long shape across the page
    std::vector<geometry::Outline> outlines;
    for (const auto& shape : shapes)
        outlines.push_back(geometry::OutlineReader::onPage(*shape.get(), false));
    size_t related = 0;
    for (size_t i = 0; i < shapes.size(); ++i) {
        std::vector<int32_t> expected;
        for (size_t j = 0; j < shapes.size(); ++j) {
            if (i != j && geometry::OutlineRelation::of(outlines[i], outlines[j], 0.015) != 0)
                expected.push_back(shapes[j]->id());
        }
        related += expected.size();
        ASSERT_EQ(neighbours(shapes[i]), expected) << "shape " << shapes[i]->id();
    }
    EXPECT_GT(related, 400u);  // the page is crowded enough to mean something
}

}  // namespace
}  // namespace simhost
