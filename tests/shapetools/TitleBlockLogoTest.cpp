// The logo picture: imported into the logo area of a title block on the background page,
// fitted inside the area less its line weight, kept inside by its Scratch formulas,
// replaced, deleted, made proportional again and stretched.
#include <gtest/gtest.h>

#include <cmath>

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
// The stand-in title block's logo area: 1.2 in by 1.4 in, its box 0.5 mm thick.
constexpr double kAreaWidth = 1.2 * kMmPerInch;
constexpr double kAreaHeight = 1.4 * kMmPerInch;
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
    // pixels (nothing: cancels).
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

TEST_F(TitleBlockLogo, AnImportFitsThePictureIntoTheEmptyArea) {
    ASSERT_EQ(area->memberList().size(), 1u);
    // Taller than the area in proportion (1:2 against 1.2:1.4): fitted to the height.
    Shape* logo = import(*area, 100, 200);
    ASSERT_NE(logo, nullptr);
    const double height = kAreaHeight - kLine;
    EXPECT_NEAR(millimetres(*logo, "Height"), height, kTolerance);
    EXPECT_NEAR(millimetres(*logo, "Width"), height / 2 - kLine, kTolerance);
    EXPECT_NEAR(millimetres(*logo, "PinX"), kAreaWidth / 2, kTolerance);
    EXPECT_NEAR(millimetres(*logo, "PinY"), kAreaHeight / 2, kTolerance);
    EXPECT_EQ(env.component().logoPicture().ID(), logo->id());
    EXPECT_NEAR(env.component().logoHeight(), height, kTolerance);

    EXPECT_EQ(logo->formula("Scratch.X1"), "SETF(\"Height\",MIN(Height,1.4 in))");
    EXPECT_EQ(logo->formula("Scratch.X4"),
              "SETF(\"PinX\",IF((PinX+Width/2)>1.2 in,1.2 in-Width/2,PinX))");
    EXPECT_EQ(logo->formula("ImgWidth"), "Width*Not(Sheet.17!Geometry1.NoShow)");
    EXPECT_NE(logo->number("LockDelete"), 0);
    EXPECT_EQ(logo->formula("Actions.Action[3]"),
              "RUNADDONWARGS(\"QAVSupportTools\",\"SINK=LOGOPS\")");
    EXPECT_EQ(logo->formula("Actions.Menu[2]"), "\"Delete Picture\"");
    for (const char* cell : {"Actions.Disabled[2]", "Actions.Disabled[3]", "Actions.Disabled[4]"})
        EXPECT_EQ(area->number(cell), 0) << cell;

    // Hiding the title block hides the image too.
    env.pick(*env.shownPage().pageSheet(), 1);
    EXPECT_EQ(logo->number("ImgWidth"), 0);
}

TEST_F(TitleBlockLogo, AsProportionedAsTheAreaItFitsTheWidthAndASecondImportReplacesIt) {
    // 120 by 140 pixels: exactly the area's proportions.
    Shape* first = import(*area, 120, 140);
    ASSERT_NE(first, nullptr);
    EXPECT_NEAR(millimetres(*first, "Width"), kAreaWidth - kLine, kTolerance);
    EXPECT_NEAR(millimetres(*first, "Height"), (kAreaWidth - kLine) * 140 / 120 - kLine,
                kTolerance);
    visio::ComRef<Shape> keep(first);
    Shape* second = import(*area, 300, 100);
    EXPECT_TRUE(keep->isDeleted());
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(area->memberList().size(), 2u);

    // A cancelled import changes nothing.
    env.host.answerPictureImport(std::nullopt);
    env.pick(*area, 1);
    EXPECT_EQ(picture(*area), second);
    EXPECT_EQ(env.component().logoPicture().ID(), second->id());
}

TEST_F(TitleBlockLogo, StretchingFillsTheAreaAndProportionalComesBackToTheLastFit) {
    Shape* logo = import(*area, 100, 200);
    const double fittedWidth = env.component().logoWidth();
    const double fittedHeight = env.component().logoHeight();
    env.pick(*logo, 4);  // "Stretch"
    EXPECT_NEAR(millimetres(*logo, "Width"), kAreaWidth - kLine, kTolerance);
    EXPECT_NEAR(millimetres(*logo, "Height"), kAreaHeight - kLine, kTolerance);
    EXPECT_EQ(logo->formula("LocPinX"), "Width/2");
    EXPECT_EQ(env.component().logoWidth(), fittedWidth);

    env.pick(*logo, 3);  // "_Make Proportional": the second side loses the line again
    const double ratio = fittedWidth / fittedHeight;
    EXPECT_NEAR(millimetres(*logo, "Height"), kAreaHeight - kLine, kTolerance);
    EXPECT_NEAR(millimetres(*logo, "Width"), ratio * (kAreaHeight - kLine) - kLine, kTolerance);
    EXPECT_NEAR(millimetres(*logo, "PinX"), kAreaWidth / 2, kTolerance);
}

TEST_F(TitleBlockLogo, TheScratchFormulasKeepThePictureInsideTheArea) {
    Shape* logo = import(*area, 100, 200);
    const double width = millimetres(*logo, "Width");
    // Moved partly out to the left and above: pushed back to the edges.
    env.host.setFormula(*logo, "PinX", "-3 mm");
    env.host.setFormula(*logo, "PinY", "100 mm");
    EXPECT_NEAR(millimetres(*logo, "PinX"), width / 2, kTolerance);
    EXPECT_NEAR(millimetres(*logo, "PinY"), kAreaHeight - millimetres(*logo, "Height") / 2,
                kTolerance);
    // Made wider than the area: shrunk back to its width, and then inside it.
    env.host.setFormula(*logo, "Width", "80 mm");
    EXPECT_NEAR(millimetres(*logo, "Width"), kAreaWidth, kTolerance);
    EXPECT_NEAR(millimetres(*logo, "PinX"), kAreaWidth / 2, kTolerance);
}

TEST_F(TitleBlockLogo, DeletePictureFromAnOlderLogoDeletesTheLatest) {
    Shape* older = import(*area, 100, 100);
    visio::ComRef<Shape> keepOlder(older);
    // A second title block in a frame, whose logo takes the next picture.
    env.show("Page-1");
    auto frame = env.dropFrame();
    env.run("SINK=FBLOCK Sheet." + std::to_string(frame->id()));
    env.show("Background");
    Shape* moved = env.shownPage().findShapeByName("frame & title block");
    Shape* frameArea = part(*part(*moved, 4), 15);
    Shape* latest = import(*frameArea, 100, 100);
    ASSERT_NE(latest, nullptr);
    EXPECT_NEAR(millimetres(*latest, "PinX"), millimetres(*frameArea, "Width") / 2, kTolerance);
    visio::ComRef<Shape> keepLatest(latest);

    env.pick(*older, 2);  // the older picture's "Delete Picture"
    EXPECT_TRUE(keepLatest->isDeleted());
    EXPECT_FALSE(keepOlder->isDeleted());
    EXPECT_EQ(frameArea->number("Actions.Disabled[2]"), 1);
    EXPECT_EQ(area->number("Actions.Disabled[2]"), 0);
}

TEST_F(TitleBlockLogo, WithoutALogoAreaThePictureStaysAsImported) {
    env.system.makeFolders("/pictures");
    env.system.writeFile("/pictures/lost.png", pngOfPixels(96, 48));
    env.host.answerPictureImport(simhost::PictureChoice{0, 0, "", "/pictures/lost.png"});
    ASSERT_TRUE(env.run("SINK=LOGOIn Sheet.999"));
    Shape* imported = env.shownPage().shapeCollection().list().back().get();
    EXPECT_DOUBLE_EQ(imported->number("Width"), 1);
    EXPECT_EQ(imported->formula("Scratch.X1"), "");
    EXPECT_EQ(env.component().logoPicture().ID(), imported->id());
    // The commands that follow compute nothing from an area that is not there.
    env.run("SINK=LOGOMS");
    env.run("SINK=LOGOPS");
    EXPECT_DOUBLE_EQ(imported->number("Width"), 1);
}

}  // namespace
}  // namespace titleblocktest
