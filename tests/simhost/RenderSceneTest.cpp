// What a page export draws before any pixel: colours from cell values, looks from cells,
// text lines, and the scene's order and places (these run on every build).
#include "simhost/geometry/Bounds.h"
#include "simhost/geometry/OutlineSpecs.h"
#include "simhost/render/ColourTable.h"
#include "simhost/render/SceneBuilder.h"
#include "simhost/render/ShapeLooks.h"
#include "simhost/render/ShapeText.h"
#include "tests/simhost/RenderTestFixture.h"

namespace simhost::testing {
namespace {

using formula::Dimension;
using formula::Value;
using render::ColourTable;
using render::Rgb;
using render::Scene;
using render::SceneBuilder;

using RenderSceneTest = RenderTest;

Scene sceneOf(Page& page) {
    std::string error;
    auto scene = SceneBuilder::build(page, &error);
    EXPECT_TRUE(scene) << error;
    return scene ? *scene : Scene();
}

TEST(RenderColourTest, IndexesAndRgbValues) {
    EXPECT_EQ(ColourTable::byIndex(0), (Rgb{0, 0, 0}));
    EXPECT_EQ(ColourTable::byIndex(1), (Rgb{255, 255, 255}));
    EXPECT_EQ(ColourTable::byIndex(2), (Rgb{255, 0, 0}));
    EXPECT_EQ(ColourTable::byIndex(3), (Rgb{0, 255, 0}));
    EXPECT_EQ(ColourTable::byIndex(4), (Rgb{0, 0, 255}));
    EXPECT_EQ(ColourTable::byIndex(8), (Rgb{128, 0, 0}));
    EXPECT_EQ(ColourTable::byIndex(19), (Rgb{128, 128, 128}));
    EXPECT_EQ(ColourTable::byIndex(24), (Rgb{0, 0, 0}));

    const Rgb fallback{1, 2, 3};
    // RGB(255,153,0): red in the low byte.
    EXPECT_EQ(ColourTable::fromValue(Value::numberOf(255 + 153 * 256, Dimension::Colour), fallback),
              (Rgb{255, 153, 0}));
    // The same number without the colour dimension is an index (none: black).
    EXPECT_EQ(ColourTable::fromValue(Value::numberOf(2), fallback), (Rgb{255, 0, 0}));
    EXPECT_EQ(ColourTable::fromValue(Value::numberOf(2, Dimension::Colour), fallback),
              (Rgb{2, 0, 0}));
    EXPECT_EQ(ColourTable::fromValue(Value::numberOf(1.6), fallback), (Rgb{255, 0, 0}));
    EXPECT_EQ(ColourTable::fromValue(Value::numberOf(-1), fallback), fallback);
    EXPECT_EQ(ColourTable::fromValue(Value::numberOf(2, Dimension::Length), fallback), fallback);
    EXPECT_EQ(ColourTable::fromValue(Value::string("red"), fallback), fallback);
    EXPECT_EQ(ColourTable::fromValue(Value::error("#REF!"), fallback), fallback);
}

TEST(RenderTextTest, LinesAndEncoding) {
    using render::ShapeText;
    EXPECT_EQ(ShapeText::lines("one"), (std::vector<std::string>{"one"}));
    EXPECT_EQ(ShapeText::lines("a\r\nb\nc\rd\xE2\x80\xA8"
                               "e"),
              (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(ShapeText::lines("a\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(ShapeText::validUtf8("Gr\xC3\xB6\xC3\x9F"
                                   "e"),
              "Gr\xC3\xB6\xC3\x9F"
              "e");
    EXPECT_EQ(ShapeText::validUtf8("Gr\xF6\xDF"
                                   "e"),
              "Gr\xC3\xB6\xC3\x9F"
              "e");
    EXPECT_EQ(ShapeText::validUtf8("\xE2\x82"), "\xC3\xA2\xC2\x82");              // cut short
    EXPECT_EQ(ShapeText::validUtf8("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xC2\x80");  // surrogate
}

TEST_F(RenderSceneTest, LooksComeFromTheCells) {
    using render::LinePattern;
    using render::ShapeLooks;
    auto shape = add(ShapeSpec::box(1, 1, 1, 1));
    set(*shape, "LinePattern", "GUARD(4)");
    set(*shape, "LineWeight", "GUARD(1.4 pt)");
    set(*shape, "Char.Style", "7");
    set(*shape, "Char.Size", "12 pt");
    set(*shape, "FillPattern", "0");
    EXPECT_EQ(ShapeLooks::line(*shape).pattern, LinePattern::DashDot);
    EXPECT_NEAR(ShapeLooks::line(*shape).weight, 1.4 / 72, 1e-9);
    render::TextLook text = ShapeLooks::text(*shape);
    EXPECT_TRUE(text.bold && text.italic && text.underline);
    EXPECT_NEAR(text.size, 12.0 / 72, 1e-9);
    EXPECT_FALSE(ShapeLooks::fill(*shape).filled);
    EXPECT_EQ(ShapeLooks::patternOf(0), LinePattern::None);
    EXPECT_EQ(ShapeLooks::patternOf(2), LinePattern::Dashed);
    EXPECT_EQ(ShapeLooks::patternOf(3), LinePattern::Dotted);
    EXPECT_EQ(ShapeLooks::patternOf(17), LinePattern::Dashed);
    // A value that is no number keeps Visio's default.
    set(*shape, "LineWeight", "\"thick\"");
    EXPECT_NEAR(ShapeLooks::line(*shape).weight, 0.01, 1e-9);
}

// A rectangle as the shape's own geometry (groups have none by default).
ShapeSpec withRectangle(ShapeSpec spec) {
    const char* xs[] = {"Width*0", "Width*1", "Width*1", "Width*0", "Width*0"};
    const char* ys[] = {"Height*0", "Height*0", "Height*1", "Height*1", "Height*0"};
    for (int i = 0; i < 5; ++i) {
        std::string n = std::to_string(i + 1);
        spec.cell("Geometry1.X" + n, xs[i]).cell("Geometry1.Y" + n, ys[i]);
    }
    return spec;
}

TEST_F(RenderSceneTest, GroupFigureFollowsDisplayModeAndTextComesLast) {
    auto group = add(withRectangle(ShapeSpec::group(2, 1.5, 2, 2))
                         .text("G")
                         .cell("FillForegnd", "2")
                         .member(ShapeSpec::box(1, 1, 1, 1).cell("FillForegnd", "4")));
    auto order = [&]() {
        std::string drawn;
        for (const auto& s : sceneOf(*page).shapes) {
            drawn += s.text ? "T" : s.fill.colour == Rgb{255, 0, 0} ? "G" : "M";
        }
        return drawn;
    };
    EXPECT_EQ(order(), "MGT");  // Visio's default: the group in front of its members
    set(*group, "DisplayMode", "1");
    EXPECT_EQ(order(), "GMT");
    set(*group, "DisplayMode", "0");
    EXPECT_EQ(order(), "MT");
}

TEST_F(RenderSceneTest, ShapesAreAnsweredInPageCoordinates) {
    auto group = add(ShapeSpec::group(3, 1.5, 2, 2).member(ShapeSpec::box(0.5, 0.5, 0.6, 0.6)));
    set(*group, "Angle", "90 deg");
    Scene scene = sceneOf(*page);
    ASSERT_EQ(scene.shapes.size(), 1u);
    ASSERT_EQ(scene.shapes[0].paths.size(), 1u);
    geometry::Bounds bounds;
    for (Point2 p : scene.shapes[0].paths[0].points) bounds.add(p);
    EXPECT_NEAR(bounds.left, 3.2, 1e-9);
    EXPECT_NEAR(bounds.right, 3.8, 1e-9);
    EXPECT_NEAR(bounds.bottom, 0.7, 1e-9);
    EXPECT_NEAR(bounds.top, 1.3, 1e-9);
    EXPECT_DOUBLE_EQ(scene.width, 4);
    EXPECT_DOUBLE_EQ(scene.height, 3);
}

TEST_F(RenderSceneTest, ArrowheadsFollowThePathAtEachEnd) {
    // A polyline right, then up: the begin arrow points left, the end arrow up.
    auto bent = add(geometry::OutlineSpecs::polyline({{1, 1}, {2, 1}, {2, 2}}));
    set(*bent, "BeginArrow", "4");
    set(*bent, "EndArrow", "4");
    set(*bent, "EndArrowSize", "5");
    Scene scene = sceneOf(*page);
    ASSERT_EQ(scene.shapes.size(), 1u);
    const auto& arrows = scene.shapes[0].arrows;
    ASSERT_EQ(arrows.size(), 2u);
    EXPECT_NEAR(arrows[0].tip.x, 1, 1e-9);
    EXPECT_NEAR(arrows[0].tip.y, 1, 1e-9);
    EXPECT_NEAR(arrows[0].direction.x, -1, 1e-9);
    EXPECT_NEAR(arrows[1].tip.x, 2, 1e-9);
    EXPECT_NEAR(arrows[1].tip.y, 2, 1e-9);
    EXPECT_NEAR(arrows[1].direction.y, 1, 1e-9);
    EXPECT_GT(arrows[1].length, arrows[0].length);  // size 5 against the default 2

    // A 2-D shape takes no arrowheads.
    auto box = add(ShapeSpec::box(3, 2, 1, 1));
    set(*box, "EndArrow", "4");
    EXPECT_TRUE(sceneOf(*page).shapes[1].arrows.empty());
}

TEST_F(RenderSceneTest, TextTurnsWithTheShapeButIsNeverMirrored) {
    auto shape = add(ShapeSpec::box(2, 1.5, 1, 0.5).text("T"));
    auto angleOf = [&]() {
        Scene scene = sceneOf(*page);
        EXPECT_TRUE(scene.shapes.at(0).text);
        return scene.shapes.at(0).text->angle;
    };
    const double quarter = std::acos(0.0);
    EXPECT_NEAR(angleOf(), 0, 1e-9);
    set(*shape, "Angle", "90 deg");
    EXPECT_NEAR(angleOf(), quarter, 1e-9);
    set(*shape, "Angle", "0 deg");
    set(*shape, "FlipX", "TRUE");
    EXPECT_NEAR(angleOf(), 0, 1e-9);  // still reads left to right
    set(*shape, "FlipX", "FALSE");
    set(*shape, "FlipY", "TRUE");
    EXPECT_NEAR(std::fabs(angleOf()), 2 * quarter, 1e-9);  // upside down, as in Visio
    // The text block's middle, wherever the block is put.
    set(*shape, "FlipY", "FALSE");
    // The block's bottom at 0.75 in above the shape's bottom (1.25): its middle lies
    // half its height (0.5 in) higher.
    set(*shape, "TxtPinY", "Height*1.5");
    set(*shape, "TxtLocPinY", "TxtHeight*0");
    auto text = sceneOf(*page).shapes.at(0).text;
    EXPECT_NEAR(text->centre.x, 2, 1e-9);
    EXPECT_NEAR(text->centre.y, 2.25, 1e-9);

    set(*shape, "HideText", "TRUE");
    EXPECT_FALSE(sceneOf(*page).shapes.at(0).text);
}

}  // namespace
}  // namespace simhost::testing
