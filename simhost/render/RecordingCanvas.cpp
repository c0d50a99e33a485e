#include "simhost/render/RecordingCanvas.h"

#include "simhost/render/SceneRecorder.h"

namespace simhost::render {
bool RecordingCanvas::recordScene(const Scene& scene, const std::string& format, std::string* bytes,
                                  std::string* error) {
    begin(scene);
    SceneRecorder::record(scene, *this);
    end();
    if (failed()) {
        if (error) *error = "cannot record the " + format + " picture (a record could not be made)";
        return false;
    }
    *bytes = std::move(this->bytes());
    return true;
}

template <typename Look, typename Create>
void RecordingCanvas::use(Selected<Look>& selected, const Look& look, Create create) {
    if (selected.look && *selected.look == look) return;
    uint32_t handle = create();
    select(handle);
    if (selected.look) remove(selected.handle);
    selected.look = look;
    selected.handle = handle;
}

void RecordingCanvas::fill(const std::vector<DevicePolygon>& polygons, Rgb colour) {
    PenLook invisible{Rgb{}, LinePattern::None, 1};
    use(pen_, invisible, [&] { return createPen(invisible); });
    std::optional<Rgb> solid = colour;
    use(brush_, solid, [&] { return createBrush(solid); });
    DevicePolygon points;
    std::vector<uint16_t> counts;
    for (const DevicePolygon& polygon : polygons) {
        counts.push_back(static_cast<uint16_t>(polygon.size()));
        points.insert(points.end(), polygon.begin(), polygon.end());
    }
    polyPolygon(points, counts);
}

void RecordingCanvas::stroke(const DevicePolygon& line, const LineLook& look, int32_t width) {
    PenLook pen{look.colour, look.pattern, width};
    use(pen_, pen, [&] { return createPen(pen); });
    std::optional<Rgb> hollow;
    use(brush_, hollow, [&] { return createBrush(hollow); });
    polyline(line);
}

void RecordingCanvas::text(const std::string& utf8, DevicePoint reference, const DeviceFont& font,
                           Rgb colour) {
    use(font_, font, [&] { return createFont(font); });
    if (!textColour_ || !(*textColour_ == colour)) {
        setTextColour(colour);
        textColour_ = colour;
    }
    textOut(utf8, reference, font);
}

void RecordingCanvas::removeObjects() {
    if (pen_.look) remove(pen_.handle);
    if (brush_.look) remove(brush_.handle);
    if (font_.look) remove(font_.handle);
    pen_ = {};
    brush_ = {};
    font_ = {};
}

}  // namespace simhost::render
