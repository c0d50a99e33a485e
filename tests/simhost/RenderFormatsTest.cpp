// The six picture formats of Visio's page export, each written from the example drawing
// with two pages in front of a background page and read back with its own library: the
// page's shapes and the background page's are found in every one.
#include "simhost/file/DrawingFile.h"
#include "simhost/host/Document.h"
#include "simhost/host/ImageSize.h"
#include "simhost/host/Page.h"
#include "simhost/render/ColourQuantiser.h"
#include "simhost/render/Pixels.h"
#include "tests/simhost/RenderTestFixture.h"
#include "tests/support/PictureReaders.h"

namespace simhost::testing {
namespace {

using render::Pixels;

class RenderFormatsTest : public RenderTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(RenderFormatsTest, EachFormatHoldsThePageInFrontOfItsBackground) {
    std::string extension = GetParam();
    testsupport::PictureReader reader = testsupport::pictureReader(extension);
    if (!reader) GTEST_SKIP() << "this host does not draw ." << extension;

    std::string error;
    auto pages = DrawingFile::open(host, testsupport::pagesExamplePath(), &error);
    ASSERT_TRUE(pages) << error;
    std::string name = file("Page-1." + extension);
    pages->pageNamed("Page-1")->Export(name);
    ASSERT_TRUE(host.application().log().exportFailures.empty())
        << host.application().log().exportFailures.front();
    const std::string bytes = contentOf(name);
    const testsupport::ReadBack back = reader(bytes);
    testsupport::expectPagesExamplePage(back, extension, "p1", "t1");
    // The host's picture import (a title block's logo) reads the size of a picture of
    // pixels from its bytes: the page's.
    const std::optional<ImageSize> size = ImageSizes::read(bytes);
    ASSERT_EQ(size.has_value(), !back.pixels.rgb.empty());
    if (size) {
        EXPECT_NEAR(size->width, 8.5, 0.01);
        EXPECT_NEAR(size->height, 11, 0.01);
    }
}

// An imported picture (a title block's logo) is drawn in every format: in the pictures
// of pixels its colours lie where its shape is, the metafiles stretch it over the shape's
// box, and the EPS paints an image.
TEST_P(RenderFormatsTest, EachFormatDrawsAnImportedPicture) {
    std::string extension = GetParam();
    testsupport::PictureReader reader = testsupport::pictureReader(extension);
    if (!reader || !render::PictureFormats::drawable(render::PictureFormat::Png))
        GTEST_SKIP() << "this host does not draw ." << extension;
    addPicture(2, 1.5, twoColourPicture("png"));  // x 1 to 3, y 1 to 2 on a 4 by 3 in page
    const std::string name = file("picture." + extension);
    page->Export(name);
    const std::string bytes = contentOf(name);
    const testsupport::ReadBack back = reader(bytes);
    auto near = [](render::Rgb c, render::Rgb expected) {
        return std::abs(c.red - expected.red) + std::abs(c.green - expected.green) +
                   std::abs(c.blue - expected.blue) <
               40;
    };
    const render::PictureFormat format = render::PictureFormats::ofPath(name);
    if (format == render::PictureFormat::Eps) {
        EXPECT_NE(bytes.find("/ImageType"), std::string::npos);
        return;  // the reader knows the example's letter page only
    }
    ASSERT_EQ(back.problem, "");
    if (format == render::PictureFormat::Emf || format == render::PictureFormat::Wmf) {
        ASSERT_EQ(back.pictures.size(), 1u);
        const testsupport::PlacedPicture& logo = back.pictures.front();
        EXPECT_NEAR(logo.left, 1, 0.02);
        EXPECT_NEAR(logo.top, 1, 0.02);  // 3 in high, 2 in at the top
        EXPECT_NEAR(logo.width, 2, 0.02);
        EXPECT_NEAR(logo.height, 1, 0.02);
        EXPECT_TRUE(near(logo.middle, kRed) || near(logo.middle, kBlue));
    } else {
        EXPECT_TRUE(near(back.pixels.at(130, 144), kRed));  // x 1.35 in, y 1.5 in
        EXPECT_TRUE(near(back.pixels.at(250, 144), kBlue));
    }
}

INSTANTIATE_TEST_SUITE_P(SixFormats, RenderFormatsTest,
                         ::testing::Values("emf", "WMF", "eps", "Jpg", "png", "GIF"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

// The GIF's palette over generated pictures: few colours stay exact, many are reduced to
// 256 with every pixel near its own colour.
TEST(RenderPaletteTest, FewColoursStayExactAndManyComeNear) {
    std::mt19937 random(7);
    for (int colours : {1, 2, 200, 256, 257, 5000, 40000}) {
        std::uniform_int_distribution<int> channel(0, 255);
        std::vector<render::Rgb> used;
        for (int i = 0; i < colours; ++i) {
            used.push_back({static_cast<uint8_t>(channel(random)),
                            static_cast<uint8_t>(channel(random)),
                            static_cast<uint8_t>(channel(random))});
        }
        Pixels pixels;
        pixels.width = 300;
        pixels.height = 200;
        std::uniform_int_distribution<size_t> pick(0, used.size() - 1);
        for (int i = 0; i < pixels.width * pixels.height; ++i) {
            render::Rgb c = used[i < colours ? static_cast<size_t>(i) : pick(random)];
            pixels.rgb.insert(pixels.rgb.end(), {c.red, c.green, c.blue});
        }
        render::PalettePicture reduced = render::ColourQuantiser::quantise(pixels);
        ASSERT_LE(reduced.palette.size(), 256u);
        ASSERT_EQ(reduced.indices.size(), static_cast<size_t>(pixels.width * pixels.height));
        int worst = 0;
        for (int i = 0; i < pixels.width * pixels.height; ++i) {
            render::Rgb was = pixels.at(i % pixels.width, i / pixels.width);
            render::Rgb now = reduced.palette.at(reduced.indices[i]);
            worst = std::max({worst, std::abs(was.red - now.red), std::abs(was.green - now.green),
                              std::abs(was.blue - now.blue)});
        }
        EXPECT_EQ(worst == 0, colours <= 256) << colours << " colours, worst " << worst;
        EXPECT_LE(worst, 80) << colours << " colours";
    }
}

}  // namespace
}  // namespace simhost::testing
