#include "simhost/render/EmfWriter.h"

#ifdef QAV_HAVE_UEMF

#include <uemf.h>
#include <uemf_utf.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "simhost/render/MetafileRecords.h"
#include "simhost/render/Pixels.h"
#include "simhost/render/RecordingCanvas.h"
#include "simhost/render/SceneRecorder.h"

namespace simhost::render {
namespace {

// The reference device the header names: 1440 pixels to the inch, so that a logical
// unit (MM_TEXT) is a twentieth of a point.
constexpr int32_t kDeviceMillimetres = 254;
constexpr int32_t kDevicePixels = 14400;
constexpr double kHundredthsOfMillimetrePerInch = 2540;
const char* const kFontFace = "Arial";

U_COLORREF colourOf(Rgb colour) {
    return colorref3_set(colour.red, colour.green, colour.blue);
}

U_POINTL pointOf(DevicePoint p) {
    return point32_set(p.x, p.y);
}

std::vector<U_POINTL> pointsOf(const DevicePolygon& polygon) {
    std::vector<U_POINTL> points;
    for (const DevicePoint& p : polygon) points.push_back(pointOf(p));
    return points;
}

U_RECTL boundsOf(const std::vector<U_POINTL>& points) {
    U_RECTL bounds{0, 0, -1, -1};
    for (size_t i = 0; i < points.size(); ++i) {
        const U_POINTL& p = points[i];
        if (i == 0) bounds = {p.x, p.y, p.x, p.y};
        bounds.left = std::min(bounds.left, p.x);
        bounds.top = std::min(bounds.top, p.y);
        bounds.right = std::max(bounds.right, p.x);
        bounds.bottom = std::max(bounds.bottom, p.y);
    }
    return bounds;
}

uint32_t penStyleOf(LinePattern pattern) {
    switch (pattern) {
        case LinePattern::None:
            return U_PS_NULL;
        case LinePattern::Dashed:
            return U_PS_DASH | U_PS_ENDCAP_FLAT;
        case LinePattern::Dotted:
            return U_PS_DOT | U_PS_ENDCAP_FLAT;
        case LinePattern::DashDot:
            return U_PS_DASHDOT | U_PS_ENDCAP_FLAT;
        case LinePattern::Solid:
            break;
    }
    return U_PS_SOLID | U_PS_ENDCAP_ROUND;
}

class EmfCanvas final : public RecordingCanvas {
public:
    EmfCanvas() { emf_htable_create(128, 128, &handles_); }
    ~EmfCanvas() override {
        if (handles_) emf_htable_free(&handles_);
    }
    EmfCanvas(const EmfCanvas&) = delete;
    EmfCanvas& operator=(const EmfCanvas&) = delete;

    double unitsPerInch() const override { return EmfWriter::kUnitsPerInch; }
    bool failed() const override { return !handles_ || records_.failed(); }
    std::string& bytes() override { return records_.bytes(); }

    void begin(const Scene& scene) override {
        int32_t width = SceneRecorder::extent(scene.width, EmfWriter::kUnitsPerInch);
        int32_t height = SceneRecorder::extent(scene.height, EmfWriter::kUnitsPerInch);
        auto frame = [](double inches) {
            return static_cast<int32_t>(std::lround(inches * kHundredthsOfMillimetrePerInch));
        };
        U_RECTL bounds{0, 0, width - 1, height - 1};
        U_RECTL frameRect{0, 0, frame(scene.width) - 1, frame(scene.height) - 1};
        add(U_EMRHEADER_set(bounds, frameRect, nullptr, 0, nullptr,
                            sizel_set(kDevicePixels, kDevicePixels),
                            sizel_set(kDeviceMillimetres, kDeviceMillimetres), 0));
        add(U_EMRSETMAPMODE_set(U_MM_TEXT));
        add(U_EMRSETBKMODE_set(U_TRANSPARENT));
        add(U_EMRSETPOLYFILLMODE_set(U_ALTERNATE));
        add(U_EMRSETTEXTALIGN_set(U_TA_CENTER | U_TA_BASELINE));
    }

    // The objects go, the end record closes the file, and the header learns its size.
    void end() override {
        removeObjects();
        EMFTRACK track{};
        add(U_EMREOF_set(0, nullptr, &track));
        if (failed()) return;
        records_.patch(offsetof(U_EMRHEADER, nBytes),
                       static_cast<uint32_t>(records_.bytes().size()), 4);
        records_.patch(offsetof(U_EMRHEADER, nRecords), records_.count(), 4);
        records_.patch(offsetof(U_EMRHEADER, nHandles), handles_->peak + 1, 2);
    }

protected:
    uint32_t createPen(const PenLook& pen) override {
        uint32_t style = U_PS_GEOMETRIC | U_PS_JOIN_ROUND | penStyleOf(pen.pattern);
        Malloced<U_EXTLOGPEN> look(extlogpen_set(style, static_cast<uint32_t>(pen.width),
                                                 U_BS_SOLID, colourOf(pen.colour), 0, 0, nullptr));
        uint32_t handle = 0;
        if (!look) return fail();
        add(extcreatepen_set(&handle, handles_, nullptr, 0, nullptr, look.get()));
        return handle;
    }
    uint32_t createBrush(std::optional<Rgb> colour) override {
        uint32_t handle = 0;
        U_LOGBRUSH brush =
            logbrush_set(colour ? U_BS_SOLID : U_BS_NULL, colourOf(colour.value_or(Rgb{})), 0);
        add(createbrushindirect_set(&handle, handles_, brush));
        return handle;
    }
    uint32_t createFont(const DeviceFont& font) override {
        Malloced<uint16_t> face(U_Utf8ToUtf16le(kFontFace, 0, nullptr));
        if (!face) return fail();
        U_LOGFONT look = logfont_set(
            -font.height, 0, font.escapement, font.escapement, font.bold ? U_FW_BOLD : U_FW_NORMAL,
            font.italic, font.underline, 0, U_DEFAULT_CHARSET, U_OUT_DEFAULT_PRECIS,
            U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY, U_DEFAULT_PITCH | U_FF_SWISS, face.get());
        uint32_t handle = 0;
        add(extcreatefontindirectw_set(&handle, handles_, nullptr,
                                       reinterpret_cast<const char*>(&look)));
        return handle;
    }
    void select(uint32_t handle) override { add(selectobject_set(handle, handles_)); }
    void remove(uint32_t handle) override { add(deleteobject_set(&handle, handles_)); }

    void polyPolygon(const DevicePolygon& polygons, const std::vector<uint16_t>& counts) override {
        std::vector<U_POINTL> points = pointsOf(polygons);
        std::vector<uint32_t> wide(counts.begin(), counts.end());
        add(U_EMRPOLYPOLYGON_set(boundsOf(points), static_cast<uint32_t>(wide.size()), wide.data(),
                                 static_cast<uint32_t>(points.size()), points.data()));
    }
    void polyline(const DevicePolygon& line) override {
        std::vector<U_POINTL> points = pointsOf(line);
        add(U_EMRPOLYLINE_set(boundsOf(points), static_cast<uint32_t>(points.size()),
                              points.data()));
    }
    void setTextColour(Rgb colour) override { add(U_EMRSETTEXTCOLOR_set(colourOf(colour))); }
    // The picture record stretches over an upright box: a turned picture fills the box
    // around it, upright.
    void image(const Pixels& pixels, const DevicePlacement& placement) override {
        const DevicePoint topLeft = placement.boxTopLeft(), size = placement.boxSize();
        std::vector<uint8_t> rows = pixels.dibRows();
        U_BITMAPINFO info{};
        info.bmiHeader = dibHeaderOf(pixels, rows.size());
        const U_RECTL bounds{topLeft.x, topLeft.y, topLeft.x + size.x - 1, topLeft.y + size.y - 1};
        add(U_EMRSTRETCHDIBITS_set(
            bounds, pointOf(topLeft), point32_set(size.x, size.y), point32_set(0, 0),
            point32_set(pixels.width, pixels.height), U_DIB_RGB_COLORS, U_SRCCOPY, &info,
            static_cast<uint32_t>(rows.size()), reinterpret_cast<char*>(rows.data())));
    }
    void textOut(const std::string& utf8, DevicePoint reference, const DeviceFont& font) override {
        size_t length = 0;
        Malloced<uint16_t> text(U_Utf8ToUtf16le(utf8.c_str(), 0, &length));
        if (!text || length == 0) return (void)fail();
        // The player sets the text; the advances are the usual estimate for the font size.
        Malloced<uint32_t> advances(dx_set(font.height, font.bold ? U_FW_BOLD : U_FW_NORMAL,
                                           static_cast<uint32_t>(length)));
        if (!advances) return (void)fail();
        U_RECTL none{0, 0, -1, -1};
        Malloced<char> part(emrtext_set(pointOf(reference), static_cast<uint32_t>(length), 2,
                                        text.get(), U_ETO_NONE, none, advances.get()));
        if (!part) return (void)fail();
        int32_t across = font.height * static_cast<int32_t>(length);
        U_RECTL bounds{reference.x - across / 2, reference.y - font.height,
                       reference.x + across / 2, reference.y + font.height / 2};
        add(U_EMREXTTEXTOUTW_set(bounds, U_GM_COMPATIBLE, 1, 1,
                                 reinterpret_cast<PU_EMRTEXT>(part.get())));
    }

private:
    void add(char* record) {
        uint32_t size = 0;
        if (record) std::memcpy(&size, record + offsetof(U_EMR, nSize), sizeof(size));
        records_.add(record, size);
    }
    uint32_t fail() {
        records_.add(nullptr, 0);
        return 0;
    }

    EMFHANDLES* handles_ = nullptr;
    MetafileRecords records_;
};

}  // namespace

bool EmfWriter::encode(const Scene& scene, std::string* bytes, std::string* error) {
    EmfCanvas canvas;
    return canvas.recordScene(scene, "EMF", bytes, error);
}

}  // namespace simhost::render

#else

namespace simhost::render {

bool EmfWriter::encode(const Scene&, std::string*, std::string* error) {
    if (error) *error = "format not supported by this host";
    return false;
}

}  // namespace simhost::render

#endif
