// What the stand-in does for the title block component: page deletion that renumbers
// default page names, and picture files sized from their pixels (SETF formulas that act
// and shapes found by name are played with the logo's tests and sessions).
#include <gtest/gtest.h>

#include "simhost/host/Document.h"
#include "simhost/host/ImageSize.h"
#include "tests/support/HostFixture.h"

namespace {

using simhost::ImageSizes;

std::string bigEndian(uint32_t value, int bytes) {
    std::string text;
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        text += static_cast<char>(value >> shift & 0xFF);
    return text;
}

TEST(ImageSizes, PicturesAreSizedFromTheirPixelsAndResolution) {
    // PNG files are played in the session titleblock-logo.qav.
    // JPEG with a JFIF segment at 72 dots per inch and a baseline frame of 144 by 72.
    std::string jpeg = std::string("\xFF\xD8\xFF\xE0", 4) + bigEndian(16, 2) +
                       std::string("JFIF\0\x01\x01\x01", 8) + bigEndian(72, 2) + bigEndian(72, 2) +
                       std::string(2, '\0') + "\xFF\xC0" + bigEndian(11, 2) +
                       std::string(1, '\x08') + bigEndian(72, 2) + bigEndian(144, 2) + "\x03";
    auto size = ImageSizes::read(jpeg);
    ASSERT_TRUE(size);
    EXPECT_DOUBLE_EQ(size->width, 2);
    EXPECT_DOUBLE_EQ(size->height, 1);

    // GIF carries no resolution: 96 dots per inch.
    size = ImageSizes::read(std::string("GIF89a\xC0\x00\x60\x00", 10));
    ASSERT_TRUE(size);
    EXPECT_DOUBLE_EQ(size->width, 2);
    EXPECT_DOUBLE_EQ(size->height, 1);

    EXPECT_FALSE(ImageSizes::read("not a picture"));
    EXPECT_FALSE(ImageSizes::read(std::string("\xFF\xD8\xFF\xE0\x00", 5)));
}

class HostPages : public HostFixture {};

TEST_F(HostPages, DeletingAPageRenumbersTheDefaultNamesWhenAsked) {
    host_.addPage(document());  // Page-2
    host_.addPage(document());  // Page-3
    host_.addPage(document(), "Custom");
    auto back = host_.addPage(document(), "Background-3");
    back->setBackgroundQuietly(true);
    document().page(2)->Delete(0);
    EXPECT_EQ(document().page(2)->name(), "Page-3");
    document().page(1)->Delete(1);
    std::vector<std::string> names;
    for (auto* page : document().pageList()) names.push_back(page->name());
    EXPECT_EQ(names, (std::vector<std::string>{"Page-1", "Custom", "Background-1"}));
}

}  // namespace
