#include "simhost/render/SceneRecorder.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "simhost/render/Pixels.h"

namespace simhost::render {
namespace {

// A line of text takes this much of its font's size, and its baseline lies this much
// of the size below the middle of the line (a sans-serif font's ascent less its descent,
// halved).
constexpr double kLineSpacing = 1.2;
constexpr double kBaselineBelowMiddle = 0.35;
constexpr double kRadiansToTenthsOfDegree = 1800 / 3.14159265358979323846;

int32_t whole(double value) {
    return static_cast<int32_t>(std::lround(value));
}

}  // namespace

SceneRecorder::SceneRecorder(const Scene& scene, MetafileCanvas& canvas)
    : canvas_(canvas), scale_(canvas.unitsPerInch()), pageHeight_(scene.height) {}

int32_t SceneRecorder::extent(double inches, double unitsPerInch) {
    return std::max<int32_t>(1, whole(inches * unitsPerInch));
}

DevicePoint SceneRecorder::device(Point2 p) const {
    return {whole(p.x * scale_), whole((pageHeight_ - p.y) * scale_)};
}

DevicePolygon SceneRecorder::device(const ScenePath& path) const {
    DevicePolygon polygon;
    for (const Point2& p : path.points) polygon.push_back(device(p));
    return polygon;
}

void SceneRecorder::record(const Scene& scene, MetafileCanvas& canvas) {
    SceneRecorder recorder(scene, canvas);
    int32_t width = extent(scene.width, recorder.scale_);
    int32_t height = extent(scene.height, recorder.scale_);
    canvas.fill({{{0, 0}, {width, 0}, {width, height}, {0, height}}}, Rgb{255, 255, 255});
    for (const SceneShape& shape : scene.shapes) recorder.recordShape(shape);
}

void SceneRecorder::recordShape(const SceneShape& shape) {
    std::vector<DevicePolygon> filled;
    for (const ScenePath& path : shape.paths) {
        if (!shape.fill.filled || !path.closed || !path.fill) continue;
        filled.push_back(device(path));
    }
    if (!filled.empty()) canvas_.fill(filled, shape.fill.colour);
    if (shape.image) recordImage(*shape.image);
    if (shape.line.pattern != LinePattern::None) {
        int32_t width = whole(shape.line.drawnWeight() * scale_);
        for (const ScenePath& path : shape.paths) {
            if (!path.line) continue;
            DevicePolygon line = device(path);
            if (path.closed) line.push_back(line.front());
            canvas_.stroke(line, shape.line, std::max<int32_t>(width, 1));
        }
        for (const Arrowhead& arrow : shape.arrows) recordArrow(arrow, shape.line.colour);
    }
    if (shape.text) recordText(*shape.text);
}

void SceneRecorder::recordImage(const SceneImage& image) {
    const Point2 topRight{image.topLeft.x + image.across.x, image.topLeft.y + image.across.y};
    const Point2 bottomLeft{image.topLeft.x + image.down.x, image.topLeft.y + image.down.y};
    canvas_.image(*image.pixels, {device(image.topLeft), device(topRight), device(bottomLeft)});
}

void SceneRecorder::recordArrow(const Arrowhead& arrow, Rgb colour) {
    DevicePolygon triangle;
    for (const Point2& corner : arrow.corners()) triangle.push_back(device(corner));
    canvas_.fill({std::move(triangle)}, colour);
}

// Each line's baseline, stacked around the block's middle as the painter stacks them,
// turned with the block.
void SceneRecorder::recordText(const SceneText& text) {
    const TextLook& look = text.look;
    DeviceFont font;
    font.height = std::max<int32_t>(1, whole(look.size * scale_));
    double tenths = std::fmod(text.angle * kRadiansToTenthsOfDegree, 3600.0);
    font.escapement = whole(tenths < 0 ? tenths + 3600 : tenths) % 3600;
    font.bold = look.bold;
    font.italic = look.italic;
    font.underline = look.underline;
    double lineHeight = look.size * kLineSpacing;
    double top = -lineHeight * static_cast<double>(text.lines.size()) / 2;
    double cs = std::cos(text.angle), sn = std::sin(text.angle);
    for (size_t i = 0; i < text.lines.size(); ++i) {
        if (text.lines[i].empty()) continue;
        // Down the block from its middle, in inches; the block's down is -y turned.
        double down =
            top + lineHeight * (static_cast<double>(i) + 0.5) + look.size * kBaselineBelowMiddle;
        Point2 baseline{text.centre.x + sn * down, text.centre.y - cs * down};
        canvas_.text(text.lines[i], device(baseline), font, look.colour);
    }
}

}  // namespace simhost::render
