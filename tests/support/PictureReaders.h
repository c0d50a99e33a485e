// Picture files read back with each format's own library (cairo for PNG, libjpeg,
// giflib; on Windows GDI+ for all three), metafiles record by record from their bytes
// (with libUEMF's checks where it is built in), EPS by its structure; and the check that
// a picture of a page of the example drawing examples/drawings/pages.json shows that
// page in front of its background page.
#pragma once

#include <string>
#include <vector>

#include "simhost/render/Pixels.h"

namespace testsupport {

// A line of text found in a metafile, where the player sets it (inches from the top left).
struct PlacedText {
    std::string text;
    double x = 0;
    double y = 0;
};

// A picture a metafile stretches over a box (inches from the top left), and the colour of
// the picture's middle pixel.
struct PlacedPicture {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    simhost::render::Rgb middle;
};

// What a picture file turned out to hold: its pixels, or the texts and pictures of its
// records.
struct ReadBack {
    std::string problem;  // empty when the file is sound
    simhost::render::Pixels pixels;
    std::vector<PlacedText> texts;
    std::vector<PlacedPicture> pictures;
};

using PictureReader = ReadBack (*)(const std::string& bytes);

// The reader of the format of the extension ("png", in any case) where this build has
// its library; null otherwise.
PictureReader pictureReader(const std::string& extension);

// The example drawing with the foreground pages Page-1 and Page-2 and a background page.
std::string pagesExamplePath();
// A picture of a page of that drawing, read back: the letter page, with the background's
// frame and title behind the page's first place (text placeText, at 1.5 in, 7 in) and
// its transition (transitionText). Failures are reported to the running test.
void expectPagesExamplePage(const ReadBack& back, const std::string& extension,
                            const std::string& placeText, const std::string& transitionText);

}  // namespace testsupport
