#include "tests/support/PictureReaders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

#ifdef QAV_HAVE_CAIRO
#include <cairo.h>
#endif
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
#ifdef QAV_HAVE_WINDOWS_GRAPHICS
#include <windows.h>
// GDI+ needs the COM stream declared before it.
#include <objidl.h>

#include <gdiplus.h>
#endif

#include "simhost/render/MemorySource.h"

namespace testsupport {
namespace {

using simhost::render::Pixels;
using simhost::render::Rgb;

[[maybe_unused]] ReadBack problem(const std::string& why) {
    ReadBack back;
    back.problem = why;
    return back;
}

#ifdef QAV_HAVE_CAIRO
ReadBack readPng(const std::string& bytes) {
    if (bytes.rfind("\x89PNG\r\n\x1a\n", 0) != 0) return problem("no PNG signature");
    simhost::render::MemorySource source{bytes};
    cairo_surface_t* surface =
        cairo_image_surface_create_from_png_stream(simhost::render::readPngPiece, &source);
    ReadBack back;
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        back = problem("cairo cannot read it");
    } else {
        cairo_surface_flush(surface);
        back.pixels.width = cairo_image_surface_get_width(surface);
        back.pixels.height = cairo_image_surface_get_height(surface);
        const unsigned char* data = cairo_image_surface_get_data(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        for (int y = 0; y < back.pixels.height; ++y) {
            for (int x = 0; x < back.pixels.width; ++x) {
                uint32_t value;
                std::memcpy(&value, data + y * stride + x * 4, sizeof(value));
                back.pixels.rgb.insert(back.pixels.rgb.end(), {static_cast<uint8_t>(value >> 16),
                                                               static_cast<uint8_t>(value >> 8),
                                                               static_cast<uint8_t>(value)});
            }
        }
    }
    cairo_surface_destroy(surface);
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
ReadBack readGif(const std::string& bytes) {
    simhost::render::MemorySource source{bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&source, simhost::render::readGifPiece, &error);
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

#ifdef QAV_HAVE_WINDOWS_GRAPHICS
// PNG, JPG and GIF decoded by GDI+, the platform's own reader of them.
struct ReleaseStream {
    void operator()(IStream* stream) const { stream->Release(); }
};

ReadBack decodeWithGdiplus(const std::string& bytes) {
    IStream* opened = nullptr;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &opened))) return problem("no stream");
    std::unique_ptr<IStream, ReleaseStream> stream(opened);
    const LARGE_INTEGER start{};
    stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr);
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    Gdiplus::Bitmap bitmap(stream.get());
    if (bitmap.GetLastStatus() != Gdiplus::Ok) return problem("GDI+ cannot read it");
    GUID format{};
    bitmap.GetRawFormat(&format);
    if (!IsEqualGUID(format, Gdiplus::ImageFormatGIF)) {
        EXPECT_NEAR(bitmap.GetHorizontalResolution(), 96, 0.1);  // PNG keeps it per metre
    }
    Gdiplus::Rect all(0, 0, static_cast<INT>(bitmap.GetWidth()),
                      static_cast<INT>(bitmap.GetHeight()));
    Gdiplus::BitmapData data{};
    if (bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat24bppRGB, &data) !=
        Gdiplus::Ok) {
        return problem("GDI+ cannot hand out its pixels");
    }
    ReadBack back;
    back.pixels.width = all.Width;
    back.pixels.height = all.Height;
    for (int y = 0; y < all.Height; ++y) {
        const BYTE* row = static_cast<const BYTE*>(data.Scan0) + y * data.Stride;
        for (int x = 0; x < all.Width; ++x) {
            back.pixels.rgb.insert(back.pixels.rgb.end(),
                                   {row[3 * x + 2], row[3 * x + 1], row[3 * x]});
        }
    }
    bitmap.UnlockBits(&data);
    return back;
}

ReadBack readWithGdiplus(const std::string& bytes) {
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) {
        return problem("GDI+ does not start");
    }
    ReadBack back = decodeWithGdiplus(bytes);
    Gdiplus::GdiplusShutdown(token);
    return back;
}
#endif

#if defined(QAV_HAVE_UEMF) || defined(QAV_HAVE_WINDOWS_GRAPHICS)
// Metafiles are walked record by record from their bytes, whoever wrote them (libUEMF
// or GDI); where libUEMF is built in, it checks each record's inside too.
constexpr uint32_t kEmrHeader = 1, kEmrEof = 14, kEmrExtTextOutW = 84, kEmrStretchDiBits = 81;
constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kPlaceableSize = 22;
constexpr uint16_t kMetaEof = 0, kMetaExtTextOut = 0x0A32, kMetaStretchDib = 0x0F43;
constexpr uint16_t kTextOpaqueOrClipped = 0x0006;
constexpr double kEmfUnitsPerInch = 1440;

uint32_t little(const std::string& bytes, size_t at, size_t n) {
    uint32_t value = 0;
    for (size_t i = n; i > 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[at + i - 1]);
    return value;
}

int16_t signed16(const std::string& bytes, size_t at) {
    return static_cast<int16_t>(little(bytes, at, 2));
}

// The example's texts are ASCII; any other code unit reads as "?".
std::string asciiOf(const std::string& bytes, size_t at, size_t units) {
    std::string text;
    for (size_t i = 0; i < units; ++i) {
        const uint32_t c = little(bytes, at + 2 * i, 2);
        text += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return text;
}

// The middle pixel of a device-independent bitmap of 24 or 32 bits (its header at
// header, its rows at bits, within the record that ends at end); none when it is no such
// bitmap or lies outside.
std::optional<Rgb> middleOfDib(const std::string& bytes, size_t header, size_t bits, size_t end) {
    if (header + 16 > end) return std::nullopt;
    const auto width = static_cast<int32_t>(little(bytes, header + 4, 4));
    const auto height = static_cast<int32_t>(little(bytes, header + 8, 4));
    const uint32_t bitCount = little(bytes, header + 14, 2);
    if (width <= 0 || height == 0 || (bitCount != 24 && bitCount != 32)) return std::nullopt;
    const size_t rows = static_cast<size_t>(height < 0 ? -height : height);
    const size_t stride = (static_cast<size_t>(width) * bitCount / 8 + 3) & ~size_t{3};
    const size_t down = rows / 2;
    const size_t row = height > 0 ? rows - 1 - down : down;
    const size_t at = bits + row * stride + static_cast<size_t>(width / 2) * bitCount / 8;
    if (at + 3 > end) return std::nullopt;
    return Rgb{static_cast<uint8_t>(bytes[at + 2]), static_cast<uint8_t>(bytes[at + 1]),
               static_cast<uint8_t>(bytes[at])};
}

bool emfRecordSafe([[maybe_unused]] const char* record) {
#ifdef QAV_HAVE_UEMF
    return U_emf_record_safe(record);
#else
    return true;
#endif
}

// Record by record: each one whole inside the file, the header's count and size true,
// the end record last.
ReadBack readEmf(const std::string& bytes) {
    if (bytes.size() < 88 || little(bytes, 0, 4) != kEmrHeader) {
        return problem("no EMF header record");
    }
    ReadBack back;
    size_t at = 0;
    uint32_t records = 0, type = 0;
    while (at + 8 <= bytes.size()) {
        type = little(bytes, at, 4);
        const uint32_t size = little(bytes, at + 4, 4);
        if (size < 8 || size % 4 != 0 || size > bytes.size() - at ||
            !emfRecordSafe(bytes.data() + at)) {
            return problem("record " + std::to_string(records) + " is broken");
        }
        ++records;
        if (type == kEmrExtTextOutW) {
            const uint32_t units = little(bytes, at + 44, 4), text = little(bytes, at + 48, 4);
            if (size < 52 || text > size || units > (size - text) / 2) {
                return problem("a text record is broken");
            }
            back.texts.push_back(
                {asciiOf(bytes, at + text, units),
                 static_cast<int32_t>(little(bytes, at + 36, 4)) / kEmfUnitsPerInch,
                 static_cast<int32_t>(little(bytes, at + 40, 4)) / kEmfUnitsPerInch});
        }
        if (type == kEmrStretchDiBits) {
            const size_t end = at + size;
            const std::optional<Rgb> middle =
                size < 80 ? std::nullopt
                          : middleOfDib(bytes, at + little(bytes, at + 48, 4),
                                        at + little(bytes, at + 56, 4), end);
            if (!middle) return problem("a picture record is broken");
            back.pictures.push_back(
                {static_cast<int32_t>(little(bytes, at + 24, 4)) / kEmfUnitsPerInch,
                 static_cast<int32_t>(little(bytes, at + 28, 4)) / kEmfUnitsPerInch,
                 static_cast<int32_t>(little(bytes, at + 72, 4)) / kEmfUnitsPerInch,
                 static_cast<int32_t>(little(bytes, at + 76, 4)) / kEmfUnitsPerInch, *middle});
        }
        at += size;
        if (type == kEmrEof) break;
    }
    if (type != kEmrEof || at != bytes.size()) return problem("the end record is not last");
    if (little(bytes, 48, 4) != bytes.size() || little(bytes, 52, 4) != records) {
        return problem("the header's size or record count is wrong");
    }
    return back;
}

bool wmfRecordSafe([[maybe_unused]] const std::string& bytes, [[maybe_unused]] size_t at) {
#ifdef QAV_HAVE_UEMF
    return U_WMRRECSAFE_get(bytes.data() + at, bytes.data() + bytes.size()) != 0;
#else
    return true;
#endif
}

ReadBack readWmf(const std::string& bytes) {
    constexpr size_t kHeaderSize = 18;
    if (bytes.size() < kPlaceableSize + kHeaderSize || little(bytes, 0, 4) != kPlaceableKey) {
        return problem("no placeable WMF header");
    }
    const double unitsPerInch = little(bytes, 14, 2);
    if (little(bytes, kPlaceableSize + 6, 4) * 2 + kPlaceableSize != bytes.size()) {
        return problem("the size is wrong");
    }
    ReadBack back;
    size_t at = kPlaceableSize + little(bytes, kPlaceableSize + 2, 2) * 2;
    uint32_t type = ~0u;
    while (at + 6 <= bytes.size()) {
        const size_t size = static_cast<size_t>(little(bytes, at, 4)) * 2;
        if (size < 6 || size > bytes.size() - at || !wmfRecordSafe(bytes, at)) {
            return problem("a record is broken");
        }
        type = little(bytes, at + 4, 2);
        if (type == kMetaExtTextOut) {
            const auto length = static_cast<size_t>(std::max<int16_t>(signed16(bytes, at + 10), 0));
            const size_t text =
                at + 14 + ((little(bytes, at + 12, 2) & kTextOpaqueOrClipped) ? 8 : 0);
            if (text + length > at + size) return problem("a text record is broken");
            back.texts.push_back({bytes.substr(text, length),
                                  signed16(bytes, at + 8) / unitsPerInch,
                                  signed16(bytes, at + 6) / unitsPerInch});
        }
        if (type == kMetaStretchDib) {
            const size_t dib = at + 28;
            const std::optional<Rgb> middle =
                size < 28 + 40 ? std::nullopt
                               : middleOfDib(bytes, dib, dib + little(bytes, dib, 4), at + size);
            if (!middle) return problem("a picture record is broken");
            back.pictures.push_back({signed16(bytes, at + 26) / unitsPerInch,
                                     signed16(bytes, at + 24) / unitsPerInch,
                                     signed16(bytes, at + 22) / unitsPerInch,
                                     signed16(bytes, at + 20) / unitsPerInch, *middle});
        }
        at += size;
        if (type == kMetaEof) break;
    }
    if (type != kMetaEof || at != bytes.size()) return problem("the end record is not last");
    return back;
}
#endif

// Where the example's shapes lie (inches, y up): the first place of each foreground
// page and, on the background page, the frame around the sheet and the title under it.
constexpr double kPlaceX = 1.5, kPlaceY = 7, kPlaceHalfWidth = 0.5;
constexpr double kFrameLeft = 0.25, kTitleX = 4.25, kTitleY = 0.6, kPageHeight = 11;
constexpr char kTitle[] = "A Petri net on two pages";

double darkness(Rgb p) {
    return 255.0 - (p.red + p.green + p.blue) / 3.0;
}

// The darkest pixel along the row through y from x0 to x1 (inches).
double darkestAlongRow(const Pixels& pixels, double y, double x0, double x1) {
    double darkest = 0;
    int row = static_cast<int>((kPageHeight - y) * 96);
    for (int x = static_cast<int>(x0 * 96); x <= static_cast<int>(x1 * 96); ++x) {
        darkest = std::max(darkest, darkness(pixels.at(x, row)));
    }
    return darkest;
}

}  // namespace

PictureReader pictureReader(const std::string& extension) {
    static const std::map<std::string, PictureReader> readers = {
#ifdef QAV_HAVE_CAIRO
        {"png", readPng},
        {"eps", readEps},
#endif
#ifdef QAV_HAVE_JPEG
        {"jpg", readJpeg},
#endif
#ifdef QAV_HAVE_GIF
        {"gif", readGif},
#endif
#ifdef QAV_HAVE_WINDOWS_GRAPHICS
        {"png", readWithGdiplus},
        {"jpg", readWithGdiplus},
        {"gif", readWithGdiplus},
#endif
#if defined(QAV_HAVE_UEMF) || defined(QAV_HAVE_WINDOWS_GRAPHICS)
        {"emf", readEmf},
        {"wmf", readWmf},
#endif
    };
    std::string lower = extension;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    auto reader = readers.find(lower);
    return reader == readers.end() ? nullptr : reader->second;
}

std::string pagesExamplePath() {
    return (std::filesystem::path(__FILE__).parent_path() / "../../examples/drawings/pages.json")
        .lexically_normal()
        .string();
}

void expectPagesExamplePage(const ReadBack& back, const std::string& extension,
                            const std::string& placeText, const std::string& transitionText) {
    ASSERT_EQ(back.problem, "") << extension;
    if (!back.pixels.rgb.empty()) {
        ASSERT_EQ(back.pixels.width, 816);
        ASSERT_EQ(back.pixels.height, 1056);
        // The background's frame (2 pt) and the place's outline are dark; inside the
        // place and on the empty page it is white.
        EXPECT_GT(darkestAlongRow(back.pixels, 5.5, kFrameLeft - 0.05, kFrameLeft + 0.05), 200);
        double edge = kPlaceX - kPlaceHalfWidth;
        EXPECT_GT(darkestAlongRow(back.pixels, kPlaceY, edge - 0.05, edge + 0.05), 100);
        EXPECT_LT(darkestAlongRow(back.pixels, kPlaceY, kPlaceX - 0.35, kPlaceX - 0.25), 30);
        EXPECT_LT(darkestAlongRow(back.pixels, 3, 6.5, 7.5), 30);
    }
    std::string lower = extension;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower != "emf" && lower != "wmf") return;
    auto found = [&](const std::string& text) {
        return std::find_if(back.texts.begin(), back.texts.end(),
                            [&](const PlacedText& t) { return t.text == text; });
    };
    auto title = found(kTitle), place = found(placeText);
    ASSERT_NE(title, back.texts.end());
    ASSERT_NE(place, back.texts.end());
    EXPECT_NE(found(transitionText), back.texts.end());
    EXPECT_LT(title - back.texts.begin(), place - back.texts.begin());  // behind the page's
    EXPECT_NEAR(place->x, kPlaceX, 0.01);
    EXPECT_NEAR(place->y, kPageHeight - kPlaceY, 0.1);  // the baseline, a little below
    EXPECT_NEAR(title->x, kTitleX, 0.01);
    EXPECT_NEAR(title->y, kPageHeight - kTitleY, 0.15);
}

}  // namespace testsupport
