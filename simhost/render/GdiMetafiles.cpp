#include "simhost/render/GdiMetafiles.h"

#ifdef QAV_HAVE_WINDOWS_GRAPHICS

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "simhost/render/EmfWriter.h"
#include "simhost/render/GdiHandles.h"
#include "simhost/render/Pixels.h"
#include "simhost/render/RecordingCanvas.h"
#include "simhost/render/SceneRecorder.h"
#include "simhost/render/WideText.h"
#include "simhost/render/WmfWriter.h"

namespace simhost::render {
namespace {

constexpr double kHundredthsOfMillimetrePerInch = 2540;
constexpr double kMillimetresPerInch = 25.4;
constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kPlaceableSize = 22;
const wchar_t kFontFace[] = L"Arial";

// A recording DC closed without taking its metafile throws the recording away.
struct DiscardEmf {
    void operator()(HDC dc) const { DeleteEnhMetaFile(CloseEnhMetaFile(dc)); }
};
struct DeleteEmf {
    void operator()(HENHMETAFILE metafile) const { DeleteEnhMetaFile(metafile); }
};
struct DiscardWmf {
    void operator()(HDC dc) const { DeleteMetaFile(CloseMetaFile(dc)); }
};
struct DeleteWmf {
    void operator()(HMETAFILE metafile) const { DeleteMetaFile(metafile); }
};

COLORREF colourOf(Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

std::vector<POINT> pointsOf(const DevicePolygon& polygon) {
    std::vector<POINT> points;
    points.reserve(polygon.size());
    for (const DevicePoint& p : polygon) points.push_back({p.x, p.y});
    return points;
}

DWORD penStyleOf(LinePattern pattern) {
    switch (pattern) {
        case LinePattern::None:
            return PS_NULL;
        case LinePattern::Dashed:
            return PS_DASH;
        case LinePattern::Dotted:
            return PS_DOT;
        case LinePattern::DashDot:
            return PS_DASHDOT;
        case LinePattern::Solid:
            break;
    }
    return PS_SOLID;
}

// What a WMF file begins with so that a player knows its size: the key, the bounds in
// the file's units, how many of them make an inch, and a checksum of the words before.
std::string placeableHeader(int32_t width, int32_t height, int unitsPerInch) {
    const uint16_t words[10] = {static_cast<uint16_t>(kPlaceableKey & 0xFFFF),
                                static_cast<uint16_t>(kPlaceableKey >> 16),
                                0,
                                0,
                                0,
                                static_cast<uint16_t>(width),
                                static_cast<uint16_t>(height),
                                static_cast<uint16_t>(unitsPerInch),
                                0,
                                0};
    std::string header;
    uint16_t checksum = 0;
    auto append = [&header](uint16_t word) {
        header += static_cast<char>(word & 0xFF);
        header += static_cast<char>(word >> 8);
    };
    for (uint16_t word : words) {
        append(word);
        checksum ^= word;
    }
    append(checksum);
    return header;
}

// GDI's own way of drawing with selected objects, on a metafile DC that records it. The
// objects belong to the canvas; a handle is an object's place in its list, from 1.
class GdiCanvas : public RecordingCanvas {
public:
    bool failed() const override { return failed_; }
    std::string& bytes() override { return bytes_; }

protected:
    // An EMF's pens are geometric, with round joins and round ends (flat where dashed),
    // as the libUEMF writer makes them; a WMF knows only the older kind.
    GdiCanvas(bool geometricPens, BYTE charset)
        : geometricPens_(geometricPens), charset_(charset) {}

    virtual HDC dc() const = 0;

    // The drawing's modes, as the libUEMF writers set them.
    void setDrawingModes() {
        SetBkMode(dc(), TRANSPARENT);
        SetPolyFillMode(dc(), ALTERNATE);
        SetTextAlign(dc(), TA_CENTER | TA_BASELINE);
    }
    // The stock objects go back into the DC, so that none of the canvas's is selected
    // when it is deleted.
    void releaseObjects() {
        SelectObject(dc(), GetStockObject(NULL_PEN));
        SelectObject(dc(), GetStockObject(NULL_BRUSH));
        SelectObject(dc(), GetStockObject(SYSTEM_FONT));
        removeObjects();
    }
    void check(bool done) {
        if (!done) failed_ = true;
    }

    uint32_t createPen(const PenLook& pen) override {
        const DWORD style = penStyleOf(pen.pattern);
        if (pen.pattern == LinePattern::None) return keep(CreatePen(PS_NULL, 0, 0));
        if (!geometricPens_) {
            return keep(CreatePen(static_cast<int>(style),
                                  std::clamp<int32_t>(pen.width, 1, 0x7FFF), colourOf(pen.colour)));
        }
        const DWORD ends = pen.pattern == LinePattern::Solid ? PS_ENDCAP_ROUND : PS_ENDCAP_FLAT;
        LOGBRUSH brush{BS_SOLID, colourOf(pen.colour), 0};
        return keep(ExtCreatePen(PS_GEOMETRIC | PS_JOIN_ROUND | ends | style,
                                 static_cast<DWORD>(pen.width), &brush, 0, nullptr));
    }
    uint32_t createBrush(std::optional<Rgb> colour) override {
        LOGBRUSH brush{static_cast<UINT>(colour ? BS_SOLID : BS_NULL),
                       colourOf(colour.value_or(Rgb{})), 0};
        return keep(CreateBrushIndirect(&brush));
    }
    uint32_t createFont(const DeviceFont& font) override {
        LOGFONTW look{};
        look.lfHeight = -font.height;
        look.lfEscapement = look.lfOrientation = font.escapement;
        look.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
        look.lfItalic = font.italic;
        look.lfUnderline = font.underline;
        look.lfCharSet = charset_;
        look.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
        std::copy(std::begin(kFontFace), std::end(kFontFace), look.lfFaceName);
        return keep(CreateFontIndirectW(&look));
    }
    void select(uint32_t handle) override {
        if (handle > 0 && handle <= objects_.size()) SelectObject(dc(), objects_[handle - 1].get());
    }
    void remove(uint32_t handle) override {
        if (handle > 0 && handle <= objects_.size()) objects_[handle - 1].reset();
    }

    void polyPolygon(const DevicePolygon& polygons, const std::vector<uint16_t>& counts) override {
        std::vector<POINT> points = pointsOf(polygons);
        std::vector<INT> sizes(counts.begin(), counts.end());
        check(PolyPolygon(dc(), points.data(), sizes.data(), static_cast<int>(sizes.size())));
    }
    void polyline(const DevicePolygon& line) override {
        std::vector<POINT> points = pointsOf(line);
        check(Polyline(dc(), points.data(), static_cast<int>(points.size())));
    }
    void setTextColour(Rgb colour) override { SetTextColor(dc(), colourOf(colour)); }
    // As libUEMF's metafiles record it: over the upright box around the picture.
    void image(const Pixels& pixels, const DevicePlacement& placement) override {
        const DevicePoint topLeft = placement.boxTopLeft(), size = placement.boxSize();
        const std::vector<uint8_t> rows = pixels.dibRows();
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = pixels.width;
        info.bmiHeader.biHeight = pixels.height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        info.bmiHeader.biSizeImage = static_cast<DWORD>(rows.size());
        check(StretchDIBits(dc(), topLeft.x, topLeft.y, size.x, size.y, 0, 0, pixels.width,
                            pixels.height, rows.data(), &info, DIB_RGB_COLORS, SRCCOPY) != 0);
    }
    // The player sets the text; a WMF's DC turns it into the font's code page itself.
    void textOut(const std::string& utf8, DevicePoint reference, const DeviceFont&) override {
        std::wstring text = wideOfUtf8(utf8);
        if (text.empty()) return;
        check(ExtTextOutW(dc(), reference.x, reference.y, 0, nullptr, text.data(),
                          static_cast<UINT>(text.size()), nullptr));
    }

    std::string bytes_;

private:
    uint32_t keep(HGDIOBJ object) {
        if (!object) {
            failed_ = true;
            return 0;
        }
        objects_.emplace_back(object);
        return static_cast<uint32_t>(objects_.size());
    }

    // A subclass's DC closes before these are deleted: its members go first.
    std::vector<GdiObject> objects_;
    bool geometricPens_;
    BYTE charset_;
    bool failed_ = false;
};

class EmfCanvas final : public GdiCanvas {
public:
    EmfCanvas() : GdiCanvas(true, DEFAULT_CHARSET) {}
    double unitsPerInch() const override { return EmfWriter::kUnitsPerInch; }

    // The frame in hundredths of a millimetre; logical units of 1440 to the inch laid
    // over the reference device's pixels.
    void begin(const Scene& scene) override {
        auto hundredths = [](double inches) {
            return static_cast<LONG>(std::lround(inches * kHundredthsOfMillimetrePerInch));
        };
        RECT frame{0, 0, hundredths(scene.width), hundredths(scene.height)};
        dc_.reset(CreateEnhMetaFileW(nullptr, nullptr, &frame, nullptr));
        check(dc_ != nullptr);
        SetMapMode(dc(), MM_ANISOTROPIC);
        SetWindowExtEx(dc(), SceneRecorder::extent(scene.width, unitsPerInch()),
                       SceneRecorder::extent(scene.height, unitsPerInch()), nullptr);
        SetViewportExtEx(dc(), devicePixels(scene.width, HORZRES, HORZSIZE),
                         devicePixels(scene.height, VERTRES, VERTSIZE), nullptr);
        setDrawingModes();
    }
    void end() override {
        releaseObjects();
        if (!dc_) return;
        std::unique_ptr<HENHMETAFILE__, DeleteEmf> metafile(CloseEnhMetaFile(dc_.release()));
        const UINT size = metafile ? GetEnhMetaFileBits(metafile.get(), 0, nullptr) : 0;
        bytes_.resize(size);
        check(size > 0 && GetEnhMetaFileBits(metafile.get(), size,
                                             reinterpret_cast<BYTE*>(bytes_.data())) == size);
    }

protected:
    HDC dc() const override { return dc_.get(); }

private:
    int devicePixels(double inches, int pixelsIndex, int millimetresIndex) const {
        const double millimetres = GetDeviceCaps(dc(), millimetresIndex);
        const double perMillimetre =
            millimetres > 0 ? GetDeviceCaps(dc(), pixelsIndex) / millimetres : 1;
        return std::max(
            1, static_cast<int>(std::lround(inches * kMillimetresPerInch * perMillimetre)));
    }

    std::unique_ptr<HDC__, DiscardEmf> dc_;
};

class WmfCanvas final : public GdiCanvas {
public:
    explicit WmfCanvas(int unitsPerInch)
        : GdiCanvas(false, ANSI_CHARSET), unitsPerInch_(unitsPerInch) {}
    double unitsPerInch() const override { return unitsPerInch_; }

    void begin(const Scene& scene) override {
        width_ = SceneRecorder::extent(scene.width, unitsPerInch_);
        height_ = SceneRecorder::extent(scene.height, unitsPerInch_);
        dc_.reset(CreateMetaFileW(nullptr));
        check(dc_ != nullptr);
        SetMapMode(dc(), MM_ANISOTROPIC);
        SetWindowOrgEx(dc(), 0, 0, nullptr);
        SetWindowExtEx(dc(), width_, height_, nullptr);
        setDrawingModes();
    }
    void end() override {
        releaseObjects();
        if (!dc_) return;
        std::unique_ptr<HMETAFILE__, DeleteWmf> metafile(CloseMetaFile(dc_.release()));
        const UINT size = metafile ? GetMetaFileBitsEx(metafile.get(), 0, nullptr) : 0;
        bytes_ = placeableHeader(width_, height_, unitsPerInch_);
        bytes_.resize(kPlaceableSize + size);
        check(size > 0 &&
              GetMetaFileBitsEx(metafile.get(), size, bytes_.data() + kPlaceableSize) == size);
    }

protected:
    HDC dc() const override { return dc_.get(); }

private:
    int unitsPerInch_;
    int32_t width_ = 1;
    int32_t height_ = 1;
    std::unique_ptr<HDC__, DiscardWmf> dc_;
};

}  // namespace

bool GdiMetafiles::encodeEmf(const Scene& scene, std::string* bytes, std::string* error) {
    EmfCanvas canvas;
    return canvas.recordScene(scene, "EMF", bytes, error);
}

bool GdiMetafiles::encodeWmf(const Scene& scene, std::string* bytes, std::string* error) {
    const int units = WmfWriter::unitsPerInch(scene);
    if (units < 1) {
        if (error) *error = "the page is too large for a WMF picture";
        return false;
    }
    WmfCanvas canvas(units);
    return canvas.recordScene(scene, "WMF", bytes, error);
}

}  // namespace simhost::render

#endif
