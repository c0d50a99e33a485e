// The logo picture, as far as the session titleblock-logo.qav does not play it: a picture
// as proportioned as its area (the file's bytes kept in it), the menus of two logos (one
// in a moved frame), and an import without a logo area.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "simhost/host/Document.h"
#include "simhost/host/Shapes.h"
#include "tests/shapetools/TitleBlockTestHost.h"

namespace titleblocktest {
namespace {

using simhost::Shape;

// The first bytes of a PNG file: enough for its size, at 96 dots per inch.
std::string pngOfPixels(uint32_t width, uint32_t height) {
    std::string bytes("\x89PNG\r\n\x1a\n", 8);
    auto be32 = [&](uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>(v >> shift & 0xFF);
    };
    be32(13);
    bytes += "IHDR";
    be32(width);
    be32(height);
    bytes += std::string("\x08\x02\x00\x00\x00", 5);
    be32(0);  // the checksum, which the size does not need
    return bytes;
}

constexpr double kMmPerInch = 25.4;
// The stand-in title block's logo area is 1.2 in wide, its box 0.5 mm thick.
constexpr double kAreaWidth = 1.2 * kMmPerInch;
constexpr double kLine = 0.5;
constexpr double kTolerance = 1e-6;

class TitleBlockLogo : public ::testing::Test {
protected:
    TitleBlockLogo() {
        auto block = env.dropTitleBlock();
        env.run("SINK=TITLEB Sheet." + std::to_string(block->id()));
        env.show("Background");
        area = part(*env.shownPage().findShapeByName("title block"), 15);
    }

    // The user picks "Insert Picture" of the area and chooses a picture of that many
    // pixels.
    Shape* import(Shape& logoArea, uint32_t width, uint32_t height) {
        const std::string path = "/pictures/logo" + std::to_string(++files) + ".png";
        env.system.makeFolders("/pictures");
        env.system.writeFile(path, pngOfPixels(width, height));
        env.host.answerPictureImport(simhost::PictureChoice{0, 0, "", path});
        env.pick(logoArea, 1);
        return picture(logoArea);
    }
    static Shape* picture(Shape& logoArea) { return part(logoArea, 2); }

    TitleBlockTestHost env;
    Shape* area = nullptr;
    int files = 0;
};

TEST_F(TitleBlockLogo, AsProportionedAsTheAreaItFitsTheWidth) {
    // 120 by 140 pixels: exactly the area's proportions.
    Shape* first = import(*area, 120, 140);
    ASSERT_NE(first, nullptr);
    // The picture keeps the file's bytes, which the page's pictures draw.
    EXPECT_EQ(first->imageBytes(), pngOfPixels(120, 140));
    EXPECT_NEAR(millimetres(*first, "Width"), kAreaWidth - kLine, kTolerance);
    EXPECT_NEAR(millimetres(*first, "Height"), (kAreaWidth - kLine) * 140 / 120, kTolerance);
    visio::ComRef<Shape> keep(first);
    Shape* second = import(*area, 300, 100);
    EXPECT_TRUE(keep->isDeleted());
    EXPECT_EQ(picture(*area), second);
    EXPECT_EQ(area->memberList().size(), 2u);
}

// The limits that keep the picture inside its area read the area's own size, whatever
// the area's formula names: a formula relative to the area's width limits the picture by
// the area's width, not by its own.
TEST_F(TitleBlockLogo, ThePictureKeepsToTheAreasOwnSize) {
    env.host.setFormula(*area, "Height", "Width*7/6");
    Shape* picture = import(*area, 100, 200);
    ASSERT_NE(picture, nullptr);
    const double room = millimetres(*area, "Height") - kLine;
    EXPECT_NEAR(millimetres(*picture, "Height"), room, kTolerance);
    EXPECT_NEAR(millimetres(*picture, "Width"), room / 2, kTolerance);
}

// However thin the picture, the fitted logo keeps a positive size inside the area, and
// Make Proportional after Stretch gives it back.
TEST_F(TitleBlockLogo, AVeryThinPictureKeepsAPositiveSizeAndItsProportions) {
    for (auto [width, height] : {std::pair<uint32_t, uint32_t>{2, 3000}, {3000, 2}}) {
        SCOPED_TRACE(std::to_string(width) + " by " + std::to_string(height));
        Shape* picture = import(*area, width, height);
        ASSERT_NE(picture, nullptr);
        const double fittedWidth = millimetres(*picture, "Width");
        const double fittedHeight = millimetres(*picture, "Height");
        EXPECT_GT(fittedWidth, 0);
        EXPECT_GT(fittedHeight, 0);
        EXPECT_LE(fittedWidth, millimetres(*area, "Width"));
        EXPECT_LE(fittedHeight, millimetres(*area, "Height"));
        env.pick(*picture, 4);  // "Stretch"
        EXPECT_NEAR(millimetres(*picture, "Width"), kAreaWidth - kLine, kTolerance);
        env.pick(*picture, 3);  // "_Make Proportional"
        EXPECT_NEAR(millimetres(*picture, "Width"), fittedWidth, kTolerance);
        EXPECT_NEAR(millimetres(*picture, "Height"), fittedHeight, kTolerance);
    }
    // A box line thicker than the area: stretched, the picture keeps a positive size.
    Shape* picture = TitleBlockLogo::picture(*area);
    env.host.setFormula(*part(*area, 1), "LineWeight", "50 mm");
    env.pick(*picture, 4);
    EXPECT_GT(millimetres(*picture, "Width"), 0);
    EXPECT_GT(millimetres(*picture, "Height"), 0);
}

// Visio names the parts of a second block on the page "title block.N" and "Logo.N": its
// logo is centred in its own area all the same.
TEST_F(TitleBlockLogo, TheLogoOfASecondBlockIsCentredInItsArea) {
    env.show("Page-1");
    auto second = env.dropTitleBlock();
    env.run("SINK=TITLEB Sheet." + std::to_string(second->id()));
    env.show("Background");
    Shape* block = nullptr;
    for (Shape* shape : env.shownPage().allShapes())
        if (shape->localName().rfind("title block.", 0) == 0) block = shape;
    ASSERT_NE(block, nullptr);
    Shape* secondArea = part(*block, 15);
    ASSERT_NE(part(*secondArea, 1)->localName(), "Logo");
    Shape* picture = import(*secondArea, 100, 100);
    ASSERT_NE(picture, nullptr);
    EXPECT_NEAR(millimetres(*picture, "PinX"), millimetres(*secondArea, "Width") / 2, kTolerance);
    EXPECT_NEAR(millimetres(*picture, "PinY"), millimetres(*secondArea, "Height") / 2, kTolerance);
}

// Each picture's rows, and its area's, act on that picture, whichever was imported last.
TEST_F(TitleBlockLogo, EachLogosRowsActOnItsOwnPicture) {
    Shape* older = import(*area, 300, 100);
    visio::ComRef<Shape> keepOlder(older);
    // A second title block in a frame, whose logo takes the next picture.
    env.show("Page-1");
    auto frame = env.dropFrame();
    env.run("SINK=FBLOCK Sheet." + std::to_string(frame->id()));
    env.show("Background");
    Shape* moved = env.shownPage().findShapeByName("frame & title block");
    Shape* frameArea = part(*part(*moved, 4), 15);
    // Moved on the page, the frame carries its logo area along: the picture still lands
    // in the middle of the area.
    env.host.setFormula(*moved, "PinX", "1.5 in");
    env.host.setFormula(*moved, "PinY", "0.5 in");
    Shape* latest = import(*frameArea, 100, 100);
    ASSERT_NE(latest, nullptr);
    EXPECT_NEAR(millimetres(*latest, "PinX"), millimetres(*frameArea, "Width") / 2, kTolerance);
    EXPECT_NEAR(millimetres(*latest, "PinY"), millimetres(*frameArea, "Height") / 2, kTolerance);
    visio::ComRef<Shape> keepLatest(latest);
    const double latestWidth = millimetres(*latest, "Width");

    env.pick(*older, 4);  // the older picture's "Stretch"
    EXPECT_NEAR(millimetres(*older, "Height"), millimetres(*area, "Height") - kLine, kTolerance);
    EXPECT_NEAR(millimetres(*latest, "Width"), latestWidth, kTolerance);
    env.pick(*area, 3);  // the older area's "_Make Proportional"
    EXPECT_NEAR(millimetres(*older, "Width") / millimetres(*older, "Height"), 3, kTolerance);

    env.pick(*older, 2);  // the older picture's "Delete Picture"
    EXPECT_TRUE(keepOlder->isDeleted());
    EXPECT_FALSE(keepLatest->isDeleted());
    EXPECT_EQ(area->number("Actions.Disabled[2]"), 1);
    EXPECT_EQ(frameArea->number("Actions.Disabled[2]"), 0);
}

TEST_F(TitleBlockLogo, WithoutALogoAreaThePictureStaysAsImported) {
    env.system.makeFolders("/pictures");
    env.system.writeFile("/pictures/lost.png", pngOfPixels(96, 48));
    env.host.answerPictureImport(simhost::PictureChoice{0, 0, "", "/pictures/lost.png"});
    ASSERT_TRUE(env.run("SINK=LOGOIn Sheet.999"));
    Shape* imported = env.shownPage().shapeCollection().list().back().get();
    EXPECT_DOUBLE_EQ(imported->number("Width"), 1);
    EXPECT_EQ(imported->formula("Scratch.X1"), "");
    // The commands that follow compute nothing from an area that is not there.
    env.run("SINK=LOGOMS Sheet." + std::to_string(imported->id()));
    env.run("SINK=LOGOPS");
    EXPECT_DOUBLE_EQ(imported->number("Width"), 1);
}

}  // namespace
}  // namespace titleblocktest
