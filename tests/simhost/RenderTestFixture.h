// What the page export tests share: a host whose page exports draw pictures, a small
// page, a folder of the test's own for the files, and (where the host draws PNG) the
// exported PNG read back pixel by pixel in page coordinates.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <utility>

#include "simhost/host/Host.h"
#include "simhost/render/PageExport.h"
#include "simhost/render/PictureFormat.h"
#include "simhost/render/Scene.h"
#include "tests/support/PictureReaders.h"

namespace simhost::testing {

// An exported PNG, read back with the build's PNG reader; pixels addressed by page
// inches (y up) at 96 per inch. Where the host draws no PNG the picture is empty (and
// the tests skip).
class Picture {
public:
    explicit Picture(const std::string& bytes) {
        if (testsupport::PictureReader reader = testsupport::pictureReader("png")) {
            back_ = reader(bytes);
        }
    }

    bool valid() const { return back_.problem.empty() && !back_.pixels.rgb.empty(); }
    int width() const { return back_.pixels.width; }
    int height() const { return back_.pixels.height; }
    render::Rgb pixel(int column, int row) const {
        if (!valid()) return {255, 255, 255};
        if (column < 0 || row < 0 || column >= width() || row >= height()) return {};
        return back_.pixels.at(column, row);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    int column(double x) const { return static_cast<int>(x * 96); }
    int row(double y) const { return static_cast<int>(height() - y * 96); }
    render::Rgb at(double x, double y) const { return pixel(column(x), row(y)); }

    // How much of the pixel the colour covers over white, 0 to 1 (read on the channel
    // in which the colour differs most from white).
    static double coverage(render::Rgb pixel, render::Rgb colour) {
        uint8_t c = colour.red, p = pixel.red;
        if (colour.green < c) c = colour.green, p = pixel.green;
        if (colour.blue < c) c = colour.blue, p = pixel.blue;
        if (c == 255) return 0;
        return std::clamp((255.0 - p) / (255.0 - c), 0.0, 1.0);
    }
    // The colour's coverage summed along the row through y, from x0 to x1 (inches):
    // a line crossed there shows its width in pixels.
    double inkAlongRow(double y, double x0, double x1, render::Rgb colour) const {
        double ink = 0;
        for (int c = column(x0); c <= column(x1); ++c) ink += coverage(pixel(c, row(y)), colour);
        return ink;
    }
    double inkAlongColumn(double x, double y0, double y1, render::Rgb colour) const {
        double ink = 0;
        for (int r = row(y1); r <= row(y0); ++r) ink += coverage(pixel(column(x), r), colour);
        return ink;
    }
    // How many pixels of the box (inches) are not white.
    int inkedPixels(double left, double bottom, double right, double top) const {
        int count = 0;
        for (int r = row(top); r <= row(bottom); ++r)
            for (int c = column(left); c <= column(right); ++c)
                if (!(pixel(c, r) == render::Rgb{255, 255, 255})) ++count;
        return count;
    }

    // The middle of the ink in the box (inches), each pixel weighed by its darkness.
    Point2 inkCentre(double left, double bottom, double right, double top) const {
        double weight = 0, x = 0, y = 0;
        for (int r = row(top); r <= row(bottom); ++r) {
            for (int c = column(left); c <= column(right); ++c) {
                render::Rgb p = pixel(c, r);
                double w = 3 * 255.0 - p.red - p.green - p.blue;
                weight += w;
                x += w * (c + 0.5) / 96;
                y += w * (height() - r - 0.5) / 96;
            }
        }
        return weight > 0 ? Point2{x / weight, y / weight} : Point2{};
    }

private:
    testsupport::ReadBack back_;
};

class RenderTest : public ::testing::Test {
protected:
    static constexpr render::Rgb kWhite{255, 255, 255};
    static constexpr render::Rgb kRed{255, 0, 0};
    static constexpr render::Rgb kBlue{0, 0, 255};
    static constexpr render::Rgb kOrange{255, 153, 0};
    static constexpr render::Rgb kGrey19{128, 128, 128};

    void SetUp() override {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() /
                  ("qav-render-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(folder_);
        render::PageExport::attach(host.application());
        document = host.newDocument();
        page = document->page(1);
        host.setFormula(*page->pageSheet(), "PageWidth", "4 in");
        host.setFormula(*page->pageSheet(), "PageHeight", "3 in");
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::string file(const std::string& name) const { return (folder_ / name).string(); }
    static bool exists(const std::string& file) { return std::filesystem::exists(file); }
    static std::string contentOf(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    visio::ComRef<Shape> add(const ShapeSpec& spec) { return host.addShape(*page, spec); }
    void set(Shape& shape, const std::string& cell, const std::string& formula) {
        std::string error;
        ASSERT_TRUE(host.setFormula(shape, cell, formula, &error)) << cell << ": " << error;
    }

    // The bytes of a picture file of the format (its extension) that a user imports: 2 in
    // by 1 in, red on its left half and blue on its right, drawn by the host's export.
    std::string twoColourPicture(const std::string& extension) {
        auto source = host.addPage(*document, "Picture source");
        host.setFormula(*source->pageSheet(), "PageWidth", "2 in");
        host.setFormula(*source->pageSheet(), "PageHeight", "1 in");
        for (const auto& [x, colour] : {std::pair{0.5, "2"}, std::pair{1.5, "4"}}) {
            auto half = host.addShape(*source, ShapeSpec::box(x, 0.5, 1, 1));
            set(*half, "FillForegnd", colour);
            set(*half, "LinePattern", "0");
        }
        const std::string name = file("source." + extension);
        source->Export(name);
        document->deletePage(*source);
        return contentOf(name);
    }
    // An imported picture 2 in by 1 in with its pin at x, y.
    visio::ComRef<Shape> addPicture(double x, double y, const std::string& bytes) {
        return add(ShapeSpec::picture(x, y, 2, 1).image(bytes));
    }

    // Draws the page through the host's IVPage::Export, as the add-on does.
    std::unique_ptr<Picture> exported() {
        std::string name = file("page.png");
        page->Export(name);
        auto picture = std::make_unique<Picture>(contentOf(name));
        EXPECT_TRUE(picture->valid());
        return picture;
    }

    Host host;
    visio::ComRef<Document> document;
    Page* page = nullptr;

private:
    std::filesystem::path folder_;
};

// Tests skip where the host does not draw the format they look at.
#define QAV_NEEDS_FORMAT(format)                                          \
    if (!render::PictureFormats::drawable(render::PictureFormat::format)) \
    GTEST_SKIP() << "this host does not draw " #format " pictures"
#define QAV_NEEDS_PICTURES() QAV_NEEDS_FORMAT(Png)

}  // namespace simhost::testing
