// The six picture formats of Visio's page export, each written from the example drawing
// with two pages in front of a background page and read back with its own library: the
// page's shapes and the background page's are found in every one.
#include <cstdlib>
#include <cstring>
#include <map>

#include "simhost/file/DrawingFile.h"
#include "simhost/host/Document.h"
#include "simhost/host/Page.h"
#include "simhost/render/ColourQuantiser.h"
#include "simhost/render/Pixels.h"
#include "tests/simhost/RenderTestFixture.h"

#ifdef QAV_HAVE_JPEG
#include <cstdio>

#include <jpeglib.h>
#endif
#ifdef QAV_HAVE_GIF
#include <gif_lib.h>
#endif
#ifdef QAV_HAVE_UEMF
#include <uemf_safe.h>
#include <uwmf.h>
#endif

namespace simhost::testing {
namespace {

using render::Pixels;

// A line of text found in a metafile, where the player sets it (inches from the top left).
struct PlacedText {
    std::string text;
    double x = 0;
    double y = 0;
};

// What a picture file turned out to hold: its pixels, or the texts of its records.
struct ReadBack {
    std::string problem;  // empty when the file is sound
    Pixels pixels;
    std::vector<PlacedText> texts;
};

using Reader = ReadBack (*)(const std::string& bytes);

[[maybe_unused]] ReadBack problem(const std::string& why) {
    ReadBack back;
    back.problem = why;
    return back;
}

#ifdef QAV_HAVE_CAIRO
ReadBack readPng(const std::string& bytes) {
    if (bytes.rfind("\x89PNG\r\n\x1a\n", 0) != 0) return problem("no PNG signature");
    ReadBack back;
    std::string file = (std::filesystem::temp_directory_path() / "qav-read-back.png").string();
    std::ofstream(file, std::ios::binary) << bytes;
    Picture picture(file);
    std::filesystem::remove(file);
    if (!picture.valid()) return problem("cairo cannot read it");
    back.pixels.width = picture.width();
    back.pixels.height = picture.height();
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            render::Rgb p = picture.pixel(x, y);
            back.pixels.rgb.insert(back.pixels.rgb.end(), {p.red, p.green, p.blue});
        }
    }
    return back;
}

ReadBack readEps(const std::string& bytes) {
    if (bytes.rfind("%!PS-Adobe-3.0 EPSF-3.0", 0) != 0) return problem("no EPSF header");
    if (bytes.find("%%BoundingBox: 0 0 612 792") == std::string::npos) {
        return problem("no bounding box of the letter page");
    }
    if (bytes.find("%%EOF") == std::string::npos) return problem("no end");
    return ReadBack{};
}
#endif

#ifdef QAV_HAVE_JPEG
ReadBack readJpeg(const std::string& bytes) {
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    ReadBack back;
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return problem("no JPEG header");
    EXPECT_EQ(info.density_unit, 1);
    EXPECT_EQ(info.X_density, 96);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    back.pixels.width = static_cast<int>(info.output_width);
    back.pixels.height = static_cast<int>(info.output_height);
    back.pixels.rgb.resize(static_cast<size_t>(back.pixels.width) * back.pixels.height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = back.pixels.rgb.data() +
                       static_cast<size_t>(info.output_scanline) * back.pixels.width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return back;
}
#endif

#ifdef QAV_HAVE_GIF
struct GifSource {
    const std::string& bytes;
    size_t at = 0;
};

int readGifBytes(GifFileType* gif, GifByteType* into, int length) {
    auto* source = static_cast<GifSource*>(gif->UserData);
    size_t count = std::min(static_cast<size_t>(length), source->bytes.size() - source->at);
    std::memcpy(into, source->bytes.data() + source->at, count);
    source->at += count;
    return static_cast<int>(count);
}

ReadBack readGif(const std::string& bytes) {
    GifSource source{bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&source, readGifBytes, &error);
    if (!gif) return problem("giflib cannot open it");
    ReadBack back;
    if (DGifSlurp(gif) != GIF_OK || gif->ImageCount != 1) {
        back = problem("giflib cannot read one image");
    } else {
        const SavedImage& image = gif->SavedImages[0];
        const ColorMapObject* map =
            image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        EXPECT_LE(map->ColorCount, 256);
        back.pixels.width = image.ImageDesc.Width;
        back.pixels.height = image.ImageDesc.Height;
        for (int i = 0; i < back.pixels.width * back.pixels.height; ++i) {
            const GifColorType& c = map->Colors[image.RasterBits[i]];
            back.pixels.rgb.insert(back.pixels.rgb.end(), {c.Red, c.Green, c.Blue});
        }
    }
    DGifCloseFile(gif, &error);
    return back;
}
#endif

#ifdef QAV_HAVE_UEMF
std::string utf8Of(const uint16_t* text, size_t length) {
    char* converted = U_Utf16leToUtf8(text, length, nullptr);
    std::string result = converted ? converted : "";
    std::free(converted);
    return result;
}

// Record by record: each one whole inside the file, the header's count and size true,
// the end record last.
ReadBack readEmf(const std::string& bytes) {
    const char* at = bytes.data();
    const char* end = bytes.data() + bytes.size();
    ReadBack back;
    uint32_t records = 0, type = 0, size = 0;
    U_EMRHEADER header;
    std::memcpy(&header, at, std::min(sizeof(header), bytes.size()));
    if (header.emr.iType != U_EMR_HEADER) return problem("no EMF header record");
    while (at + sizeof(U_EMR) <= end) {
        U_EMR record;
        std::memcpy(&record, at, sizeof(record));
        type = record.iType;
        size = record.nSize;
        if (size < sizeof(U_EMR) || size % 4 != 0 || size > static_cast<size_t>(end - at) ||
            !U_emf_record_safe(at)) {
            return problem("record " + std::to_string(records) + " is broken");
        }
        ++records;
        if (type == U_EMR_EXTTEXTOUTW) {
            U_EMREXTTEXTOUTW text;
            std::memcpy(&text, at, sizeof(text));
            std::vector<uint16_t> units(text.emrtext.nChars);
            std::memcpy(units.data(), at + text.emrtext.offString, units.size() * 2);
            back.texts.push_back({utf8Of(units.data(), units.size()),
                                  text.emrtext.ptlReference.x / 1440.0,
                                  text.emrtext.ptlReference.y / 1440.0});
        }
        at += size;
        if (type == U_EMR_EOF) break;
    }
    if (type != U_EMR_EOF || at != end) return problem("the end record is not last");
    if (header.nBytes != bytes.size() || header.nRecords != records) {
        return problem("the header's size or record count is wrong");
    }
    return back;
}

ReadBack readWmf(const std::string& bytes) {
    const char* at = bytes.data();
    const char* end = bytes.data() + bytes.size();
    U_WMRPLACEABLE placeable;
    U_WMRHEADER header;
    int headers = wmfheader_get(at, end, &placeable, &header);
    if (headers <= 0 || placeable.Key != 0x9AC6CDD7) return problem("no placeable WMF header");
    uint32_t words;
    std::memcpy(&words, header.Sizew, sizeof(words));
    if (words * 2 + U_SIZE_WMRPLACEABLE != bytes.size()) return problem("the size is wrong");
    double unitsPerInch = placeable.Inch;
    ReadBack back;
    at += headers;
    int type = -1;
    while (at < end) {
        size_t size = U_WMRRECSAFE_get(at, end);
        if (size == 0) return problem("a record is broken");
        type = U_WMRTYPE(at);
        if (type == U_WMR_EXTTEXTOUT) {
            U_POINT16 where;
            int16_t length;
            uint16_t options;
            const char* text;
            const int16_t* advances;
            U_RECT16 clip;
            U_WMREXTTEXTOUT_get(at, &where, &length, &options, &text, &advances, &clip);
            back.texts.push_back({std::string(text, static_cast<size_t>(length)),
                                  where.x / unitsPerInch, where.y / unitsPerInch});
        }
        at += size;
        if (type == U_WMR_EOF) break;
    }
    if (type != U_WMR_EOF || at != end) return problem("the end record is not last");
    return back;
}
#endif

// The example drawing's first page and where its shapes lie (inches, y up): the place
// p1 and, on the background page, the frame around the sheet and the title under it.
constexpr double kP1X = 1.5, kP1Y = 7, kP1HalfWidth = 0.5;
constexpr double kFrameLeft = 0.25, kTitleX = 4.25, kTitleY = 0.6, kPageHeight = 11;

class RenderFormatsTest : public RenderTest, public ::testing::WithParamInterface<const char*> {
protected:
    visio::ComRef<Document> openPages() {
        std::filesystem::path source = std::filesystem::path(__FILE__).parent_path() / "../..";
        std::string error;
        auto pages =
            DrawingFile::open(host, (source / "examples/drawings/pages.json").string(), &error);
        EXPECT_TRUE(pages) << error;
        return pages;
    }
    static double darkness(render::Rgb p) { return 255.0 - (p.red + p.green + p.blue) / 3.0; }
    // The darkest pixel along the row through y from x0 to x1 (inches).
    static double darkestAlongRow(const Pixels& pixels, double y, double x0, double x1) {
        double darkest = 0;
        int row = static_cast<int>((kPageHeight - y) * 96);
        for (int x = static_cast<int>(x0 * 96); x <= static_cast<int>(x1 * 96); ++x) {
            darkest = std::max(darkest, darkness(pixels.at(x, row)));
        }
        return darkest;
    }
};

TEST_P(RenderFormatsTest, EachFormatHoldsThePageInFrontOfItsBackground) {
    std::string extension = GetParam();
    static const std::map<std::string, Reader> readers = {
#ifdef QAV_HAVE_CAIRO
        {"png", readPng},  {"eps", readEps},
#endif
#ifdef QAV_HAVE_JPEG
        {"jpg", readJpeg},
#endif
#ifdef QAV_HAVE_GIF
        {"gif", readGif},
#endif
#ifdef QAV_HAVE_UEMF
        {"emf", readEmf},  {"wmf", readWmf},
#endif
    };
    std::string lower = extension;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    auto reader = readers.find(lower);
    if (reader == readers.end()) GTEST_SKIP() << "this host does not draw ." << lower;

    auto pages = openPages();
    ASSERT_TRUE(pages);
    std::string name = file("Page-1." + extension);
    pages->pageNamed("Page-1")->Export(name);
    ASSERT_TRUE(host.application().log().exportFailures.empty())
        << host.application().log().exportFailures.front();
    ReadBack back = reader->second(contentOf(name));
    ASSERT_EQ(back.problem, "") << name;

    if (!back.pixels.rgb.empty()) {
        ASSERT_EQ(back.pixels.width, 816);
        ASSERT_EQ(back.pixels.height, 1056);
        // The background's frame (2 pt) and the place's outline are dark; inside the
        // place and on the empty page it is white.
        EXPECT_GT(darkestAlongRow(back.pixels, 5.5, kFrameLeft - 0.05, kFrameLeft + 0.05), 200);
        double edge = kP1X - kP1HalfWidth;
        EXPECT_GT(darkestAlongRow(back.pixels, kP1Y, edge - 0.05, edge + 0.05), 100);
        EXPECT_LT(darkestAlongRow(back.pixels, kP1Y, kP1X - 0.35, kP1X - 0.25), 30);
        EXPECT_LT(darkestAlongRow(back.pixels, 3, 6.5, 7.5), 30);
    }
    if (lower == "emf" || lower == "wmf") {
        auto found = [&](const std::string& text) {
            return std::find_if(back.texts.begin(), back.texts.end(),
                                [&](const PlacedText& t) { return t.text == text; });
        };
        auto title = found("A Petri net on two pages"), p1 = found("p1");
        ASSERT_NE(title, back.texts.end());
        ASSERT_NE(p1, back.texts.end());
        EXPECT_NE(found("t1"), back.texts.end());
        EXPECT_LT(title - back.texts.begin(), p1 - back.texts.begin());  // behind the page's
        EXPECT_NEAR(p1->x, kP1X, 0.01);
        EXPECT_NEAR(p1->y, kPageHeight - kP1Y, 0.1);  // the baseline, a little below
        EXPECT_NEAR(title->x, kTitleX, 0.01);
        EXPECT_NEAR(title->y, kPageHeight - kTitleY, 0.15);
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
