// Pages exported as PNG and read back: the looks the checker and the simulator paint
// (colours by index and by RGB, line weights and patterns, character colour and style),
// fills in z-order, text, arrowheads, shapes placed through rotation and groups, and
// imported pictures in their shapes.
#include "tests/simhost/RenderTestFixture.h"

namespace simhost::testing {
namespace {

using render::Rgb;

bool near(Rgb pixel, Rgb colour, int tolerance = 8) {
    return std::abs(pixel.red - colour.red) <= tolerance &&
           std::abs(pixel.green - colour.green) <= tolerance &&
           std::abs(pixel.blue - colour.blue) <= tolerance;
}

std::string text(Rgb c) {
    return "(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," +
           std::to_string(c.blue) + ")";
}

// The ink across a line is its width; where the painter does not smooth (GDI+ under
// Wine) the width comes out in whole pixels, up to half a pixel off.
#ifdef _WIN32
constexpr double kWidthTolerance = 0.5;
#else
constexpr double kWidthTolerance = 0.3;
#endif

#define EXPECT_COLOUR(pixel, colour) \
    EXPECT_TRUE(near(pixel, colour)) << text(pixel) << " is not " << text(colour)

using RenderPictureTest = RenderTest;

TEST_F(RenderPictureTest, CheckerLooksShowTheirColoursAndWeights) {
    QAV_NEEDS_PICTURES();
    auto finding = add(ShapeSpec::box(1, 1.5, 1, 1));  // left edge at x = 0.5
    set(*finding, "LineColor", "GUARD(2)");
    set(*finding, "LineWeight", "GUARD(2 pt)");
    auto hint = add(ShapeSpec::box(2.5, 1.5, 1, 1));  // top edge at y = 2
    set(*hint, "LineColor", "GUARD(RGB(255,153,0))");
    set(*hint, "LineWeight", "GUARD(2 pt)");
    auto ignored = add(ShapeSpec::box(3.5, 1.5, 0.6, 1));  // left edge at x = 3.2
    set(*ignored, "LineColor", "GUARD(19)");
    set(*ignored, "LineWeight", "GUARD(1.4 pt)");

    auto picture = exported();
    ASSERT_EQ(picture->width(), 384);
    ASSERT_EQ(picture->height(), 288);
    EXPECT_COLOUR(picture->at(0.5, 1.5), kRed);
    EXPECT_COLOUR(picture->at(2.5, 2.0), kOrange);
    EXPECT_COLOUR(picture->at(3.2, 1.5), kGrey19);
    // The ink across an edge is the line's width: 2 pt and 1.4 pt at 96 pixels per inch.
    EXPECT_NEAR(picture->inkAlongRow(1.5, 0.3, 0.7, kRed), 2.0 / 72 * 96, kWidthTolerance);
    EXPECT_NEAR(picture->inkAlongColumn(2.5, 1.8, 2.2, kOrange), 2.0 / 72 * 96, kWidthTolerance);
    EXPECT_NEAR(picture->inkAlongRow(1.5, 3.0, 3.4, kGrey19), 1.4 / 72 * 96, kWidthTolerance);
    // Inside the boxes the default fill is white.
    EXPECT_COLOUR(picture->at(1, 1.5), kWhite);
}

TEST_F(RenderPictureTest, SimulatorColoursAndDefaultLines) {
    QAV_NEEDS_PICTURES();
    auto enabled = add(ShapeSpec::box(1, 1.5, 1, 1));
    set(*enabled, "LineColor", "RGB(0,0,255)");
    set(*enabled, "LineWeight", "3 pt");
    add(ShapeSpec::box(2.5, 1.5, 1, 1));

    auto picture = exported();
    EXPECT_COLOUR(picture->at(0.5, 1.5), kBlue);
    EXPECT_NEAR(picture->inkAlongRow(1.5, 0.3, 0.7, kBlue), 3.0 / 72 * 96, kWidthTolerance);
    // Visio's default line: black, 0.01 in, drawn at least a pixel wide.
    EXPECT_NEAR(picture->inkAlongRow(1.5, 1.8, 2.2, Rgb{0, 0, 0}), 1.0, kWidthTolerance);
}

TEST_F(RenderPictureTest, FillsFollowTheCellsAndTheZOrder) {
    QAV_NEEDS_PICTURES();
    auto first = add(ShapeSpec::box(1, 1.5, 1.2, 1.2));
    set(*first, "FillForegnd", "4");
    auto second = add(ShapeSpec::box(1.8, 1.5, 1.2, 1.2));  // over the first's right part
    set(*second, "FillForegnd", "RGB(255,153,0)");
    auto unfilled = add(ShapeSpec::box(3.2, 1.5, 0.8, 0.8));
    set(*unfilled, "FillForegnd", "2");
    set(*unfilled, "FillPattern", "0");

    auto picture = exported();
    EXPECT_COLOUR(picture->at(0.8, 1.5), kBlue);
    EXPECT_COLOUR(picture->at(1.4, 1.5), kOrange);
    EXPECT_COLOUR(picture->at(2.2, 1.5), kOrange);
    EXPECT_COLOUR(picture->at(3.2, 1.5), kWhite);
    EXPECT_COLOUR(picture->at(3.2, 0.5), kWhite);  // below every shape: the page
}

TEST_F(RenderPictureTest, TextIsDrawnInTheLookOfTheFirstCharacterRow) {
    QAV_NEEDS_PICTURES();
    // Four boxes in a row, each 0.9 in wide; the text lies inside their middles.
    auto named = [&](double x, const std::string& words, const std::string& style,
                     const std::string& size) {
        auto shape = add(ShapeSpec::box(x, 1.5, 0.95, 1).text(words));
        set(*shape, "LinePattern", "0");
        set(*shape, "Char.Color", "GUARD(RGB(255,153,0))");
        set(*shape, "Char.Style", style);
        set(*shape, "Char.Size", size);
    };
    named(0.5, "OHO", "GUARD(0)", "12 pt");
    named(1.5, "OHO", "GUARD(1)", "12 pt");
    named(2.5, "OHO", "0", "6 pt");
    named(3.5, "", "0", "12 pt");

    auto picture = exported();
    auto ink = [&](double x) {
        double sum = 0;
        for (double y = 1.2; y <= 1.8; y += 1.0 / 96)
            sum += picture->inkAlongRow(y, x - 0.4, x + 0.4, kOrange);
        return sum;
    };
    double regular = ink(0.5), bold = ink(1.5), small = ink(2.5);
    EXPECT_GT(regular, 20);
    EXPECT_GT(bold, regular * 1.15);
    EXPECT_LT(small, regular * 0.6);
    EXPECT_EQ(picture->inkedPixels(3.1, 1.1, 3.9, 1.9), 0);
    // Centred on the box's middle (0.5, 1.5), and nowhere near its sides.
    Point2 middle = picture->inkCentre(0.05, 1.05, 0.95, 1.95);
    EXPECT_NEAR(middle.x, 0.5, 0.03);
    EXPECT_NEAR(middle.y, 1.5, 0.03);
    EXPECT_EQ(picture->inkedPixels(0.05, 1.05, 0.1, 1.95), 0);
    // The ink is the character colour.
    int orange = 0;
    for (int r = picture->row(1.8); r <= picture->row(1.2); ++r)
        for (int c = picture->column(0.1); c <= picture->column(0.9); ++c)
            if (near(picture->pixel(c, r), kOrange, 4)) ++orange;
    EXPECT_GT(orange, 5);
}

TEST_F(RenderPictureTest, TextTurnsWithItsShape) {
    QAV_NEEDS_PICTURES();
    // Turned a quarter to the left, the text reads upwards: its one letter, trailed by spaces,
    // lies below the middle.
    auto turned = add(ShapeSpec::box(2, 1.5, 2, 0.6).text("W      "));
    set(*turned, "Angle", "90 deg");
    set(*turned, "LinePattern", "0");
    set(*turned, "Char.Size", "24 pt");
    auto picture = exported();
    Point2 ink = picture->inkCentre(1.6, 0.4, 2.4, 2.6);
    EXPECT_NEAR(ink.x, 2, 0.05);
    EXPECT_LT(ink.y, 1.35);
    EXPECT_GT(picture->inkedPixels(1.9, 1.0, 2.1, 2.0), 0);
    EXPECT_EQ(picture->inkedPixels(1.0, 1.4, 1.6, 1.6), 0);
}

TEST_F(RenderPictureTest, ArrowheadsAtTheEndsThatAskForThem) {
    QAV_NEEDS_PICTURES();
    auto arc = add(ShapeSpec::line(1, 1, 3, 1));
    set(*arc, "EndArrow", "4");
    set(*arc, "LineColor", "2");
    auto first = exported();
    // Beside the line, a tenth of an inch from each end.
    EXPECT_COLOUR(first->at(2.9, 1.02), kRed);
    EXPECT_COLOUR(first->at(1.1, 1.02), kWhite);
    EXPECT_COLOUR(first->at(2, 1.02), kWhite);

    set(*arc, "BeginArrow", "1");
    auto second = exported();
    EXPECT_COLOUR(second->at(1.1, 1.02), kRed);
    EXPECT_COLOUR(second->at(1.1, 0.98), kRed);
}

TEST_F(RenderPictureTest, LinePatterns) {
    QAV_NEEDS_PICTURES();
    const std::string patterns[] = {"1", "2", "3", "0"};
    for (int i = 0; i < 4; ++i) {
        double y = 0.5 + 0.5 * i;
        auto line = add(ShapeSpec::line(0.5, y, 3.5, y));
        set(*line, "LineWeight", "2 pt");
        set(*line, "LinePattern", patterns[i]);
    }
    auto picture = exported();
    auto inked = [&](double y) {
        int columns = 0, inked = 0;
        for (int c = picture->column(0.7); c <= picture->column(3.3); ++c, ++columns)
            if (Picture::coverage(picture->pixel(c, picture->row(y)), Rgb{0, 0, 0}) > 0.5) ++inked;
        return static_cast<double>(inked) / columns;
    };
    double solid = inked(0.5), dashed = inked(1), dotted = inked(1.5), none = inked(2);
    EXPECT_GT(solid, 0.99);
    EXPECT_GT(dashed, 0.4);
    EXPECT_LT(dashed, 0.9);
    EXPECT_GT(dotted, 0.1);
    EXPECT_LT(dotted, dashed);
    EXPECT_EQ(none, 0);
}

TEST_F(RenderPictureTest, RotatedShapeAndShapeInARotatedGroup) {
    QAV_NEEDS_PICTURES();
    // 2 in wide and 1 in high, turned upright: x 0.5 to 1.5, y 0.5 to 2.5.
    auto turned = add(ShapeSpec::box(1, 1.5, 2, 1));
    set(*turned, "Angle", "90 deg");
    set(*turned, "FillForegnd", "4");
    // A group at x 2 to 4, y 0.5 to 2.5, its member in its lower left quarter; turned
    // a quarter about its pin, the member comes to the lower right.
    auto group = add(ShapeSpec::group(3, 1.5, 2, 2)
                         .member(ShapeSpec::box(0.5, 0.5, 0.6, 0.6).cell("FillForegnd", "2")));
    set(*group, "Angle", "90 deg");

    auto picture = exported();
    EXPECT_COLOUR(picture->at(1, 2.3), kBlue);
    EXPECT_COLOUR(picture->at(1, 0.7), kBlue);
    EXPECT_COLOUR(picture->at(1.8, 1.5), kWhite);  // inside where it was before turning
    EXPECT_COLOUR(picture->at(3.5, 1.0), kRed);
    EXPECT_COLOUR(picture->at(2.5, 1.0), kWhite);  // where the unturned group holds it
}

TEST_F(RenderPictureTest, BackgroundPageIsDrawnBehind) {
    QAV_NEEDS_PICTURES();
    auto back = host.addPage(*document, "Back");
    back->SetBackground(true);
    page->SetBackPage("Back");
    auto frame = host.addShape(*back, ShapeSpec::box(1, 1.5, 1, 1));
    set(*frame, "FillForegnd", "4");
    auto front = add(ShapeSpec::box(1.5, 1.5, 1, 1));
    set(*front, "FillForegnd", "2");

    auto picture = exported();
    EXPECT_COLOUR(picture->at(0.7, 1.5), kBlue);
    EXPECT_COLOUR(picture->at(1.3, 1.5), kRed);
}

// A title block's logo is an imported picture: the file's pixels are drawn stretched
// over the box its image cells give it, cropped to the shape, turned with it, and not at
// all while its image has no width (the hidden title block's logo).
class RenderImportedPictureTest : public RenderTest,
                                  public ::testing::WithParamInterface<const char*> {};

TEST_P(RenderImportedPictureTest, ThePictureFillsItsShapeAsTheImageCellsSay) {
    QAV_NEEDS_PICTURES();
    if (!render::PictureFormats::drawable(
            render::PictureFormats::ofPath(std::string("x.") + GetParam())))
        GTEST_SKIP() << "this host does not draw " << GetParam() << " pictures";
    const std::string bytes = twoColourPicture(GetParam());
    ASSERT_FALSE(bytes.empty());
    auto logo = addPicture(2, 1.5, bytes);  // x 1 to 3, y 1 to 2
    auto picture = exported();
    EXPECT_COLOUR(picture->at(1.3, 1.5), kRed);
    EXPECT_COLOUR(picture->at(2.7, 1.5), kBlue);
    EXPECT_COLOUR(picture->at(0.8, 1.5), kWhite);
    EXPECT_COLOUR(picture->at(2, 2.2), kWhite);

    // An image twice as wide as the shape shows its left half over the whole shape.
    set(*logo, "ImgWidth", "Width*2");
    picture = exported();
    EXPECT_COLOUR(picture->at(1.3, 1.5), kRed);
    EXPECT_COLOUR(picture->at(2.7, 1.5), kRed);
    EXPECT_COLOUR(picture->at(3.2, 1.5), kWhite);

    // Turned a quarter to the left, its left half comes to the bottom.
    set(*logo, "ImgWidth", "Width*1");
    set(*logo, "Angle", "90 deg");
    picture = exported();
    EXPECT_COLOUR(picture->at(2, 0.7), kRed);
    EXPECT_COLOUR(picture->at(2, 2.3), kBlue);

    set(*logo, "ImgWidth", "0 in");
    picture = exported();
    EXPECT_EQ(picture->inkedPixels(1, 0.5, 3, 2.5), 0);
}

INSTANTIATE_TEST_SUITE_P(EachImportedKind, RenderImportedPictureTest,
                         ::testing::Values("png", "jpg", "gif"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

}  // namespace
}  // namespace simhost::testing
