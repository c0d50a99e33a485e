// A check colours a notation shape through the line and character cells of the shape
// itself, which for most masters is a group that draws nothing of its own: the masters'
// visible parts take their group's looks, so that the finding shows in the page picture.
#include <functional>
#include <string>
#include <vector>

#include "simhost/stencil/BlockStencil.h"
#include "simhost/stencil/ERStencil.h"
#include "simhost/stencil/PetriStencil.h"
#include "tests/simhost/RenderTestFixture.h"

namespace simhost::testing {
namespace {

using namespace stencil;

struct GroupMaster {
    const char* name;
    std::function<visio::ComRef<Shape>(Page&, StencilOptions&)> drop;
    bool showsText;
};

const std::vector<GroupMaster>& groupMasters() {
    static const std::vector<GroupMaster> all = {
        {"PlaceWithTextBoxes",
         [](Page& page, StencilOptions& o) {
             o.markingIn = o.capacityIn = ValueIn::TextBox;
             o.marking = "1";
             o.capacity = "3";
             return dropPlace(page, o);
         },
         true},
        {"Arc",
         [](Page& page, StencilOptions& o) {
             o.weight = "2";
             return dropArc(page, o);
         },
         true},
        {"StartEndPlace", [](Page& page, StencilOptions& o) { return dropStartEndPlace(page, o); },
         true},
        {"ConnectionPlace",
         [](Page& page, StencilOptions& o) { return dropConnectionPlace(page, o); }, true},
        {"StackPlace",
         [](Page& page, StencilOptions& o) {
             o.capacity = "2";
             return dropStackPlace(page, o);
         },
         true},
        {"BlockActive", [](Page& page, StencilOptions& o) { return dropBlockActive(page, o); },
         true},
        {"Channel", [](Page& page, StencilOptions& o) { return dropChannel(page, o); }, true},
        {"Dots",
         [](Page& page, StencilOptions& o) {
             o.miscType = "dots";
             return dropMisc(page, o);
         },
         false},
        {"BinaryRelationship",
         [](Page& page, StencilOptions& o) { return dropBinaryRelationship(page, o); }, true},
    };
    return all;
}

bool near(render::Rgb pixel, render::Rgb colour) {
    return std::abs(pixel.red - colour.red) <= 24 && std::abs(pixel.green - colour.green) <= 24 &&
           std::abs(pixel.blue - colour.blue) <= 24;
}

int pixelsOf(const Picture& picture, render::Rgb colour, double left, double bottom, double right,
             double top) {
    int count = 0;
    for (int r = picture.row(top); r <= picture.row(bottom); ++r)
        for (int c = picture.column(left); c <= picture.column(right); ++c)
            if (near(picture.pixel(c, r), colour)) ++count;
    return count;
}

using StencilLooksTest = RenderTest;

TEST_F(StencilLooksTest, FindingsPaintedOnAGroupShowOnItsParts) {
    QAV_NEEDS_PICTURES();
    constexpr double kCell = 2.5;  // each master in a square of its own
    host.setFormula(*page->pageSheet(), "PageWidth", std::to_string(kCell * 3) + " in");
    host.setFormula(*page->pageSheet(), "PageHeight", std::to_string(kCell * 3) + " in");
    const auto& masters = groupMasters();
    for (size_t i = 0; i < masters.size(); ++i) {
        const double x = kCell * (i % 3 + 0.5), y = kCell * (i / 3 + 0.5);
        StencilOptions options;
        options.pin = {x, y};
        options.begin = {x - 0.8, y};
        options.end = {x + 0.8, y};
        options.width = 1.6;
        options.text = "Name";
        auto shape = masters[i].drop(*page, options);
        ASSERT_TRUE(shape) << masters[i].name;
        // The checker's finding looks: a syntax error's line, a name clash's text.
        set(*shape, "LineColor", "GUARD(2)");
        set(*shape, "LineWeight", "GUARD(2 pt)");
        set(*shape, "Char.Color", "GUARD(RGB(255,153,0))");
        set(*shape, "Char.Style", "GUARD(1)");
    }
    auto picture = exported();
    for (size_t i = 0; i < masters.size(); ++i) {
        const double left = kCell * (i % 3), bottom = kCell * (i / 3);
        const double right = left + kCell, top = bottom + kCell;
        EXPECT_GT(pixelsOf(*picture, kRed, left, bottom, right, top), 40) << masters[i].name;
        EXPECT_EQ(pixelsOf(*picture, kOrange, left, bottom, right, top) > 10, masters[i].showsText)
            << masters[i].name;
    }
}

}  // namespace
}  // namespace simhost::testing
