#include "simhost/render/GdiplusRaster.h"

#ifdef QAV_HAVE_WINDOWS_GRAPHICS

#include <windows.h>
// GDI+ needs the COM stream declared before it.
#include <objidl.h>

#include <gdiplus.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>
#include <vector>

#include "simhost/render/ColourQuantiser.h"
#include "simhost/render/GdiHandles.h"
#include "simhost/render/MetafileCanvas.h"
#include "simhost/render/PictureEncoder.h"
#include "simhost/render/Pixels.h"
#include "simhost/render/RasterCodecs.h"
#include "simhost/render/SceneRecorder.h"
#include "simhost/render/WideText.h"

namespace simhost::render {
namespace {

namespace gp = Gdiplus;

const wchar_t kFontFace[] = L"Arial";

bool fail(std::string* error, const std::string& why) {
    if (error) *error = why;
    return false;
}

bool succeeded(gp::Status status, std::string* error) {
    if (status == gp::Ok) return true;
    return fail(error, "cannot draw the page: GDI+ answered status " +
                           std::to_string(static_cast<int>(status)));
}

// GDI+ runs for as long as this lives; every GDI+ object of an export lives inside it.
class GdiplusSession {
public:
    GdiplusSession() {
        gp::GdiplusStartupInput input;
        status_ = gp::GdiplusStartup(&token_, &input, nullptr);
    }
    ~GdiplusSession() {
        if (status_ == gp::Ok) gp::GdiplusShutdown(token_);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    gp::Status status() const { return status_; }

private:
    ULONG_PTR token_ = 0;
    gp::Status status_ = gp::GenericError;
};

struct ReleaseStream {
    void operator()(IStream* stream) const { stream->Release(); }
};

gp::Color colourOf(Rgb colour) {
    return gp::Color(255, colour.red, colour.green, colour.blue);
}

std::vector<gp::Point> pointsOf(const DevicePolygon& polygon) {
    std::vector<gp::Point> points;
    points.reserve(polygon.size());
    for (const DevicePoint& p : polygon) points.emplace_back(p.x, p.y);
    return points;
}

gp::DashStyle dashStyleOf(LinePattern pattern) {
    switch (pattern) {
        case LinePattern::Dashed:
            return gp::DashStyleDash;
        case LinePattern::Dotted:
            return gp::DashStyleDot;
        case LinePattern::DashDot:
            return gp::DashStyleDashDot;
        case LinePattern::None:
        case LinePattern::Solid:
            break;
    }
    return gp::DashStyleSolid;
}

// The face GDI draws Arial with on this machine: Arial itself, or where it is missing
// the face GDI's font mapper puts in its place (the metafiles' players do the same).
std::wstring sansSerifFace() {
    LOGFONTW look{};
    look.lfHeight = -12;
    look.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    std::copy(std::begin(kFontFace), std::end(kFontFace), look.lfFaceName);
    GdiObject font(CreateFontIndirectW(&look));
    MemoryDc dc(CreateCompatibleDC(nullptr));
    WCHAR face[LF_FACESIZE] = {};
    if (font && dc) {
        HGDIOBJ before = SelectObject(dc.get(), font.get());
        GetTextFaceW(dc.get(), LF_FACESIZE, face);
        SelectObject(dc.get(), before);
    }
    return face;
}

// None when GDI+ knows no such face either: the text is left out.
std::unique_ptr<gp::FontFamily> sansSerif() {
    auto family = std::make_unique<gp::FontFamily>(sansSerifFace().c_str());
    return family->IsAvailable() ? std::move(family) : nullptr;
}

// The scene as SceneRecorder lays it out, in units of a sixteenth of a pixel (y down),
// painted smoothly; the first failure of a fill or a line is kept.
class GdiplusCanvas final : public MetafileCanvas {
public:
    static constexpr int kUnitsPerPixel = 16;

    explicit GdiplusCanvas(gp::Graphics& graphics)
        : graphics_(graphics), family_(sansSerif()), format_(gp::StringFormatFlagsNoWrap) {
        graphics_.SetSmoothingMode(gp::SmoothingModeAntiAlias);
        // A pixel's centre lies half a pixel in, as in cairo.
        graphics_.SetPixelOffsetMode(gp::PixelOffsetModeHalf);
        graphics_.SetTextRenderingHint(gp::TextRenderingHintAntiAlias);
        graphics_.SetPageUnit(gp::UnitPixel);
        graphics_.ScaleTransform(1.0f / kUnitsPerPixel, 1.0f / kUnitsPerPixel);
        format_.SetAlignment(gp::StringAlignmentCenter);
        note(graphics_.GetLastStatus());
    }

    gp::Status status() const { return status_; }
    double unitsPerInch() const override { return PictureEncoder::kPixelsPerInch * kUnitsPerPixel; }

    void fill(const std::vector<DevicePolygon>& polygons, Rgb colour) override {
        gp::GraphicsPath path(gp::FillModeAlternate);
        bool any = false;
        for (const DevicePolygon& polygon : polygons) {
            if (polygon.size() < 3) continue;
            std::vector<gp::Point> points = pointsOf(polygon);
            path.StartFigure();
            path.AddPolygon(points.data(), static_cast<INT>(points.size()));
            any = true;
        }
        if (!any) return;
        gp::SolidBrush brush(colourOf(colour));
        note(graphics_.FillPath(&brush, &path));
    }

    void stroke(const DevicePolygon& line, const LineLook& look, int32_t width) override {
        if (line.size() < 2) return;
        gp::Pen pen(colourOf(look.colour), static_cast<gp::REAL>(width));
        pen.SetLineJoin(gp::LineJoinRound);
        const bool solid = look.pattern == LinePattern::Solid;
        const gp::LineCap ends = solid ? gp::LineCapRound : gp::LineCapFlat;
        pen.SetLineCap(ends, ends, gp::DashCapFlat);
        pen.SetDashStyle(dashStyleOf(look.pattern));
        std::vector<gp::Point> points = pointsOf(line);
        note(graphics_.DrawLines(&pen, points.data(), static_cast<INT>(points.size())));
    }

    // Stretched over the parallelogram, turned with its shape. The rows as a bitmap keeps
    // them, bottom row first: GDI+ walks them from the top with a stride that goes back.
    void image(const Pixels& pixels, const DevicePlacement& placement) override {
        std::vector<uint8_t> rows = pixels.dibRows();
        const INT stride = static_cast<INT>(pixels.dibStride());
        gp::Bitmap bitmap(pixels.width, pixels.height, -stride, PixelFormat24bppRGB,
                          rows.data() + static_cast<size_t>(stride) * (pixels.height - 1));
        note(bitmap.GetLastStatus());
        const gp::Point corners[3] = {{placement.topLeft.x, placement.topLeft.y},
                                      {placement.topRight.x, placement.topRight.y},
                                      {placement.bottomLeft.x, placement.bottomLeft.y}};
        note(graphics_.DrawImage(&bitmap, corners, 3, 0, 0, pixels.width, pixels.height,
                                 gp::UnitPixel));
    }

    // Centred on the reference point, on its baseline, turned about it.
    void text(const std::string& utf8, DevicePoint reference, const DeviceFont& font,
              Rgb colour) override {
        const std::wstring text = wideOfUtf8(utf8);
        if (text.empty() || !family_) return;
        const INT style = (font.bold ? gp::FontStyleBold : 0) |
                          (font.italic ? gp::FontStyleItalic : 0) |
                          (font.underline ? gp::FontStyleUnderline : 0);
        const UINT16 em = family_->GetEmHeight(style);
        if (em == 0) return;
        gp::Font face(family_.get(), static_cast<gp::REAL>(font.height), style, gp::UnitWorld);
        const gp::REAL ascent =
            static_cast<gp::REAL>(font.height) * family_->GetCellAscent(style) / em;
        gp::SolidBrush brush(colourOf(colour));
        const gp::GraphicsState state = graphics_.Save();
        graphics_.TranslateTransform(static_cast<gp::REAL>(reference.x),
                                     static_cast<gp::REAL>(reference.y));
        graphics_.RotateTransform(-static_cast<gp::REAL>(font.escapement) / 10);
        // A font the machine cannot make draws nothing; the picture is still made.
        graphics_.DrawString(text.c_str(), static_cast<INT>(text.size()), &face,
                             gp::PointF(0, -ascent), &format_, &brush);
        graphics_.Restore(state);
    }

private:
    void note(gp::Status status) {
        if (status_ == gp::Ok) status_ = status;
    }

    gp::Graphics& graphics_;
    std::unique_ptr<gp::FontFamily> family_;
    gp::StringFormat format_;
    gp::Status status_ = gp::Ok;
};

std::optional<CLSID> encoderOf(const GUID& format) {
    UINT count = 0, size = 0;
    if (gp::GetImageEncodersSize(&count, &size) != gp::Ok || size == 0) return std::nullopt;
    std::vector<gp::ImageCodecInfo> codecs(size / sizeof(gp::ImageCodecInfo) + 1);
    if (gp::GetImageEncoders(count, size, codecs.data()) != gp::Ok) return std::nullopt;
    for (UINT i = 0; i < count; ++i) {
        if (IsEqualGUID(codecs[i].FormatID, format)) return codecs[i].Clsid;
    }
    return std::nullopt;
}

// The image through GDI+'s encoder of the format, into *bytes.
bool save(gp::Image& image, const GUID& format, const gp::EncoderParameters* parameters,
          std::string* bytes, std::string* error) {
    const std::optional<CLSID> encoder = encoderOf(format);
    if (!encoder) return fail(error, "GDI+ has no encoder for the format");
    IStream* opened = nullptr;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &opened))) {
        return fail(error, "no memory for the picture");
    }
    std::unique_ptr<IStream, ReleaseStream> stream(opened);
    if (!succeeded(image.Save(stream.get(), &*encoder, parameters), error)) return false;
    STATSTG facts{};
    const LARGE_INTEGER start{};
    ULONG read = 0;
    if (FAILED(stream->Stat(&facts, STATFLAG_NONAME)) ||
        FAILED(stream->Seek(start, STREAM_SEEK_SET, nullptr))) {
        return fail(error, "cannot read the encoded picture back");
    }
    bytes->resize(static_cast<size_t>(facts.cbSize.QuadPart));
    if (FAILED(stream->Read(bytes->data(), static_cast<ULONG>(bytes->size()), &read)) ||
        read != bytes->size()) {
        return fail(error, "cannot read the encoded picture back");
    }
    return true;
}

bool saveJpeg(gp::Bitmap& bitmap, std::string* bytes, std::string* error) {
    ULONG quality = RasterCodecs::kJpegQuality;
    gp::EncoderParameters parameters;
    parameters.Count = 1;
    parameters.Parameter[0].Guid = gp::EncoderQuality;
    parameters.Parameter[0].Type = gp::EncoderParameterValueTypeLong;
    parameters.Parameter[0].NumberOfValues = 1;
    parameters.Parameter[0].Value = &quality;
    return save(bitmap, gp::ImageFormatJPEG, &parameters, bytes, error);
}

// The bitmap's pixels over white: a painted page is opaque, an imported picture may be
// clear in parts.
Pixels pixelsOf(gp::Bitmap& bitmap) {
    Pixels pixels;
    gp::Rect all(0, 0, static_cast<INT>(bitmap.GetWidth()), static_cast<INT>(bitmap.GetHeight()));
    gp::BitmapData data{};
    if (bitmap.LockBits(&all, gp::ImageLockModeRead, PixelFormat32bppPARGB, &data) != gp::Ok) {
        return pixels;
    }
    pixels.width = all.Width;
    pixels.height = all.Height;
    pixels.rgb.reserve(static_cast<size_t>(all.Width) * all.Height * 3);
    for (int y = 0; y < all.Height; ++y) {
        // GDI+ keeps a pixel's bytes as blue, green, red and alpha, the colours multiplied
        // by the alpha.
        const BYTE* row =
            static_cast<const BYTE*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride;
        for (int x = 0; x < all.Width; ++x) {
            const BYTE* p = row + 4 * x;
            pixels.rgb.insert(pixels.rgb.end(), {overWhite(p[2], p[3]), overWhite(p[1], p[3]),
                                                 overWhite(p[0], p[3])});
        }
    }
    bitmap.UnlockBits(&data);
    return pixels;
}

// GDI+ would reduce the colours to its fixed halftone palette; the painted page keeps
// its own colours in a palette made for it instead.
bool saveGif(gp::Bitmap& painted, std::string* bytes, std::string* error) {
    const Pixels pixels = pixelsOf(painted);
    if (pixels.rgb.empty()) return fail(error, "cannot read the painted page");
    const PalettePicture reduced = ColourQuantiser::quantise(pixels);
    const int stride = (pixels.width + 3) & ~3;
    std::vector<BYTE> rows(static_cast<size_t>(stride) * pixels.height);
    for (int y = 0; y < pixels.height; ++y) {
        std::copy_n(reduced.indices.begin() + static_cast<ptrdiff_t>(y) * pixels.width,
                    pixels.width, rows.begin() + static_cast<ptrdiff_t>(y) * stride);
    }
    gp::Bitmap indexed(pixels.width, pixels.height, stride, PixelFormat8bppIndexed, rows.data());
    // ColorPalette ends in an array of one entry that holds as many as the count says.
    std::vector<UINT> block(2 + reduced.palette.size());
    auto* palette = reinterpret_cast<gp::ColorPalette*>(block.data());
    palette->Flags = 0;
    palette->Count = static_cast<UINT>(reduced.palette.size());
    for (size_t i = 0; i < reduced.palette.size(); ++i) {
        const Rgb c = reduced.palette[i];
        palette->Entries[i] = gp::Color::MakeARGB(255, c.red, c.green, c.blue);
    }
    if (!succeeded(indexed.SetPalette(palette), error)) return false;
    return save(indexed, gp::ImageFormatGIF, nullptr, bytes, error);
}

// The bytes in a stream of their own, read from the start.
std::unique_ptr<IStream, ReleaseStream> streamOf(const std::string& bytes) {
    IStream* opened = nullptr;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &opened))) return nullptr;
    std::unique_ptr<IStream, ReleaseStream> stream(opened);
    ULONG written = 0;
    const LARGE_INTEGER start{};
    if (FAILED(stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written)) ||
        written != bytes.size() || FAILED(stream->Seek(start, STREAM_SEEK_SET, nullptr))) {
        return nullptr;
    }
    return stream;
}

bool paint(const Scene& scene, gp::Bitmap& bitmap, std::string* error) {
    gp::Graphics graphics(&bitmap);
    if (!succeeded(graphics.GetLastStatus(), error)) return false;
    GdiplusCanvas canvas(graphics);
    SceneRecorder::record(scene, canvas);
    return succeeded(canvas.status(), error);
}

}  // namespace

bool GdiplusRaster::encode(const Scene& scene, PictureFormat format, std::string* bytes,
                           std::string* error) {
    GdiplusSession session;
    if (!succeeded(session.status(), error)) return false;
    gp::Bitmap bitmap(PictureEncoder::pixelsAcross(scene.width),
                      PictureEncoder::pixelsAcross(scene.height), PixelFormat24bppRGB);
    if (!succeeded(bitmap.GetLastStatus(), error)) return false;
    const auto dotsPerInch = static_cast<gp::REAL>(PictureEncoder::kPixelsPerInch);
    bitmap.SetResolution(dotsPerInch, dotsPerInch);
    if (!paint(scene, bitmap, error)) return false;
    switch (format) {
        case PictureFormat::Png:
            return save(bitmap, gp::ImageFormatPNG, nullptr, bytes, error);
        case PictureFormat::Jpg:
            return saveJpeg(bitmap, bytes, error);
        case PictureFormat::Gif:
            return saveGif(bitmap, bytes, error);
        default:
            return fail(error, "format not supported by this host");
    }
}

std::optional<Pixels> GdiplusRaster::decode(const std::string& bytes) {
    GdiplusSession session;
    if (session.status() != gp::Ok) return std::nullopt;
    std::unique_ptr<IStream, ReleaseStream> stream = streamOf(bytes);
    if (!stream) return std::nullopt;
    // The bitmap goes before the session ends.
    Pixels pixels;
    {
        gp::Bitmap bitmap(stream.get());
        if (bitmap.GetLastStatus() != gp::Ok) return std::nullopt;
        pixels = pixelsOf(bitmap);
    }
    if (pixels.rgb.empty()) return std::nullopt;
    return pixels;
}

}  // namespace simhost::render

#endif
