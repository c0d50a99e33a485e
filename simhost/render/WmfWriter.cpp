#include "simhost/render/WmfWriter.h"

#include <algorithm>
#include <cmath>

#ifdef QAV_HAVE_UEMF

#include <uwmf.h>

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <vector>

#include "simhost/render/MetafileRecords.h"
#include "simhost/render/Pixels.h"
#include "simhost/render/RecordingCanvas.h"
#include "simhost/render/SceneRecorder.h"

#endif

namespace simhost::render {

int WmfWriter::unitsPerInch(const Scene& scene) {
    constexpr double kLargestCoordinate = 32767;
    double side = std::max(scene.width, scene.height);
    if (!(side > 0)) return kMostUnitsPerInch;
    return static_cast<int>(
        std::min<double>(kMostUnitsPerInch, std::floor(kLargestCoordinate / side)));
}

#ifdef QAV_HAVE_UEMF

namespace {

char kFontFace[] = "Arial";

U_COLORREF colourOf(Rgb colour) {
    return colorref3_set(colour.red, colour.green, colour.blue);
}

U_POINT16 pointOf(DevicePoint p) {
    return point16_set(static_cast<int16_t>(p.x), static_cast<int16_t>(p.y));
}

std::vector<U_POINT16> pointsOf(const DevicePolygon& polygon) {
    std::vector<U_POINT16> points;
    for (const DevicePoint& p : polygon) points.push_back(pointOf(p));
    return points;
}

uint16_t penStyleOf(LinePattern pattern) {
    switch (pattern) {
        case LinePattern::None:
            return U_PS_NULL;
        case LinePattern::Dashed:
            return U_PS_DASH;
        case LinePattern::Dotted:
            return U_PS_DOT;
        case LinePattern::DashDot:
            return U_PS_DASHDOT;
        case LinePattern::Solid:
            break;
    }
    return U_PS_SOLID;
}

// A WMF holds text in the ANSI code page: what Latin-1 has stays, the rest becomes "?".
std::string latin1Of(const std::string& utf8) {
    std::string text;
    for (size_t i = 0; i < utf8.size();) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (length == 2 && i + 1 < utf8.size() && lead < 0xC4) {
            text += static_cast<char>(((lead & 0x1F) << 6) | (utf8[i + 1] & 0x3F));
        } else {
            text += length == 1 ? static_cast<char>(lead) : '?';
        }
        i += length;
    }
    return text;
}

class WmfCanvas final : public RecordingCanvas {
public:
    explicit WmfCanvas(int unitsPerInch) : unitsPerInch_(unitsPerInch) {
        wmf_htable_create(128, 128, &handles_);
    }
    ~WmfCanvas() override {
        if (handles_) wmf_htable_free(&handles_);
    }
    WmfCanvas(const WmfCanvas&) = delete;
    WmfCanvas& operator=(const WmfCanvas&) = delete;

    double unitsPerInch() const override { return unitsPerInch_; }
    bool failed() const override { return !handles_ || records_.failed(); }
    std::string& bytes() override { return records_.bytes(); }

    void begin(const Scene& scene) override {
        U_PAIRF size{static_cast<float>(scene.width), static_cast<float>(scene.height)};
        records_.addHeader(U_WMRHEADER_set(&size, static_cast<unsigned int>(unitsPerInch_)),
                           U_SIZE_WMRPLACEABLE + U_SIZE_WMRHEADER);
        int32_t width = SceneRecorder::extent(scene.width, unitsPerInch_);
        int32_t height = SceneRecorder::extent(scene.height, unitsPerInch_);
        add(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC));
        add(U_WMRSETWINDOWORG_set(point16_set(0, 0)));
        add(U_WMRSETWINDOWEXT_set(pointOf({width, height})));
        add(U_WMRSETBKMODE_set(U_TRANSPARENT));
        add(U_WMRSETPOLYFILLMODE_set(U_ALTERNATE));
        add(U_WMRSETTEXTALIGN_set(U_TA_CENTER | U_TA_BASELINE));
    }

    // The objects go, the end record closes the file, and the header learns the size of
    // the metafile (the placeable header not counted), its largest record and how many
    // objects it holds at most at once.
    void end() override {
        removeObjects();
        add(U_WMREOF_set());
        if (failed()) return;
        std::string& bytes = records_.bytes();
        records_.patch(U_SIZE_WMRPLACEABLE + offsetof(U_WMRHEADER, Sizew),
                       static_cast<uint32_t>((bytes.size() - U_SIZE_WMRPLACEABLE) / 2), 4);
        size_t largest = std::max<size_t>(records_.largest(), U_SIZE_WMRHEADER);
        records_.patch(U_SIZE_WMRPLACEABLE + offsetof(U_WMRHEADER, maxSize),
                       static_cast<uint32_t>(largest / 2), 4);
        records_.patch(U_SIZE_WMRPLACEABLE + offsetof(U_WMRHEADER, nObjects), handles_->peak, 2);
    }

protected:
    uint32_t createPen(const PenLook& pen) override {
        uint32_t handle = 0;
        uint16_t width = static_cast<uint16_t>(std::clamp<int32_t>(pen.width, 1, 0x7FFF));
        add(wcreatepenindirect_set(
            &handle, handles_, U_PEN_set(penStyleOf(pen.pattern), width, colourOf(pen.colour))));
        return handle;
    }
    uint32_t createBrush(std::optional<Rgb> colour) override {
        uint32_t handle = 0;
        add(wcreatebrushindirect_set(
            &handle, handles_,
            U_WLOGBRUSH_set(colour ? U_BS_SOLID : U_BS_NULL, colourOf(colour.value_or(Rgb{})), 0)));
        return handle;
    }
    uint32_t createFont(const DeviceFont& font) override {
        auto sixteen = [](int32_t value) {
            return static_cast<int16_t>(std::clamp<int32_t>(value, -0x7FFF, 0x7FFF));
        };
        Malloced<U_FONT> look(
            U_FONT_set(sixteen(-font.height), 0, sixteen(font.escapement), sixteen(font.escapement),
                       font.bold ? U_FW_BOLD : U_FW_NORMAL, font.italic, font.underline, 0,
                       U_ANSI_CHARSET, U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS,
                       U_DEFAULT_QUALITY, U_DEFAULT_PITCH | U_FF_SWISS, kFontFace));
        uint32_t handle = 0;
        if (!look) return fail();
        add(wcreatefontindirect_set(&handle, handles_, look.get()));
        return handle;
    }
    void select(uint32_t handle) override { add(wselectobject_set(handle, handles_)); }
    void remove(uint32_t handle) override { add(wdeleteobject_set(&handle, handles_)); }

    void polyPolygon(const DevicePolygon& polygons, const std::vector<uint16_t>& counts) override {
        std::vector<U_POINT16> points = pointsOf(polygons);
        add(U_WMRPOLYPOLYGON_set(static_cast<uint16_t>(counts.size()), counts.data(),
                                 points.data()));
    }
    void polyline(const DevicePolygon& line) override {
        std::vector<U_POINT16> points = pointsOf(line);
        add(U_WMRPOLYLINE_set(static_cast<uint16_t>(points.size()), points.data()));
    }
    void setTextColour(Rgb colour) override { add(U_WMRSETTEXTCOLOR_set(colourOf(colour))); }
    // As in the EMF: over the upright box around the picture.
    void image(const Pixels& pixels, const DevicePlacement& placement) override {
        const DevicePoint topLeft = placement.boxTopLeft(), size = placement.boxSize();
        std::vector<uint8_t> rows = pixels.dibRows();
        U_BITMAPINFO info{};
        info.bmiHeader = dibHeaderOf(pixels, rows.size());
        add(U_WMRSTRETCHDIB_set(pointOf(topLeft), pointOf(size), point16_set(0, 0),
                                pointOf({pixels.width, pixels.height}), U_DIB_RGB_COLORS, U_SRCCOPY,
                                &info, static_cast<uint32_t>(rows.size()),
                                reinterpret_cast<const char*>(rows.data())));
    }
    // Without advances the player spaces the characters as its font does.
    void textOut(const std::string& utf8, DevicePoint reference, const DeviceFont&) override {
        std::string text = latin1Of(utf8);
        if (text.empty()) return;
        auto length = static_cast<int16_t>(std::min<size_t>(text.size(), 0x7FFF));
        U_RECT16 none{0, 0, 0, 0};
        add(U_WMREXTTEXTOUT_set(pointOf(reference), length, 0, text.c_str(), nullptr, none));
    }

private:
    void add(char* record) {
        records_.add(record, record ? U_wmr_size(reinterpret_cast<U_METARECORD*>(record)) : 0);
    }
    uint32_t fail() {
        records_.add(nullptr, 0);
        return 0;
    }

    int unitsPerInch_;
    WMFHANDLES* handles_ = nullptr;
    MetafileRecords records_;
};

}  // namespace

bool WmfWriter::encode(const Scene& scene, std::string* bytes, std::string* error) {
    int units = unitsPerInch(scene);
    if (units < 1) {
        if (error) *error = "the page is too large for a WMF picture";
        return false;
    }
    WmfCanvas canvas(units);
    return canvas.recordScene(scene, "WMF", bytes, error);
}

#else

bool WmfWriter::encode(const Scene&, std::string*, std::string* error) {
    if (error) *error = "format not supported by this host";
    return false;
}

#endif

}  // namespace simhost::render
