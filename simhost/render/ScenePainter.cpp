#include "simhost/render/ScenePainter.h"

#ifdef QAV_HAVE_CAIRO

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "simhost/render/Pixels.h"

namespace simhost::render {
namespace {

// Dash patterns in units of the line's weight (at least a point).
constexpr double kDashUnitAtLeast = 1.0 / 72;
const std::vector<double> kDashed = {6, 3};
const std::vector<double> kDotted = {1, 2};
const std::vector<double> kDashDot = {6, 2, 1, 2};
const char* const kFontFamily = "sans-serif";

}  // namespace

ScenePainter::ScenePainter(cairo_t* context, double unitsPerInch, double pageHeight)
    : context_(context), scale_(unitsPerInch), pageHeight_(pageHeight) {}

Point2 ScenePainter::device(Point2 p) const {
    return {p.x * scale_, (pageHeight_ - p.y) * scale_};
}

void ScenePainter::paint(const Scene& scene) {
    cairo_set_source_rgb(context_, 1, 1, 1);
    cairo_paint(context_);
    for (const SceneShape& shape : scene.shapes) paintShape(shape);
}

void ScenePainter::paintShape(const SceneShape& shape) {
    fill(shape);
    if (shape.image) paintImage(*shape.image);
    if (shape.line.pattern != LinePattern::None) {
        stroke(shape);
        for (const Arrowhead& arrow : shape.arrows) paintArrow(arrow, shape.line.colour);
    }
    if (shape.text) paintText(*shape.text);
}

void ScenePainter::trace(const ScenePath& path) {
    Point2 first = device(path.points.front());
    cairo_move_to(context_, first.x, first.y);
    for (size_t i = 1; i < path.points.size(); ++i) {
        Point2 p = device(path.points[i]);
        cairo_line_to(context_, p.x, p.y);
    }
    if (path.closed) cairo_close_path(context_);
}

// All closed paths of the shape together, even-odd: a section inside another makes a
// hole, as in Visio.
void ScenePainter::fill(const SceneShape& shape) {
    if (!shape.fill.filled) return;
    cairo_new_path(context_);
    for (const ScenePath& path : shape.paths) {
        if (path.closed && path.fill) trace(path);
    }
    setColour(shape.fill.colour);
    cairo_set_fill_rule(context_, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(context_);
}

// The picture's pixels as a cairo surface, stretched so that its top left corner and its
// edges land where the scene says.
void ScenePainter::paintImage(const SceneImage& image) {
    const Pixels& pixels = *image.pixels;
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, pixels.width, pixels.height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return;
    }
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            const Rgb c = pixels.at(x, y);
            const uint32_t word =
                static_cast<uint32_t>(c.red) << 16 | static_cast<uint32_t>(c.green) << 8 | c.blue;
            std::memcpy(data + static_cast<size_t>(y) * stride + x * 4, &word, sizeof(word));
        }
    }
    cairo_surface_mark_dirty(surface);
    const Point2 origin = device(image.topLeft);
    cairo_matrix_t placing;
    cairo_matrix_init(&placing, image.across.x * scale_ / pixels.width,
                      -image.across.y * scale_ / pixels.width,
                      image.down.x * scale_ / pixels.height, -image.down.y * scale_ / pixels.height,
                      origin.x, origin.y);
    cairo_save(context_);
    cairo_transform(context_, &placing);
    cairo_new_path(context_);
    cairo_rectangle(context_, 0, 0, pixels.width, pixels.height);
    cairo_set_source_surface(context_, surface, 0, 0);
    cairo_pattern_set_extend(cairo_get_source(context_), CAIRO_EXTEND_PAD);
    cairo_fill(context_);
    cairo_restore(context_);
    cairo_surface_destroy(surface);
}

void ScenePainter::stroke(const SceneShape& shape) {
    cairo_new_path(context_);
    for (const ScenePath& path : shape.paths) {
        if (path.line) trace(path);
    }
    setLine(shape.line);
    cairo_stroke(context_);
}

void ScenePainter::setLine(const LineLook& line) {
    cairo_set_line_width(context_, line.drawnWeight() * scale_);
    cairo_set_line_join(context_, CAIRO_LINE_JOIN_ROUND);
    const std::vector<double>* pattern = nullptr;
    if (line.pattern == LinePattern::Dashed) pattern = &kDashed;
    if (line.pattern == LinePattern::Dotted) pattern = &kDotted;
    if (line.pattern == LinePattern::DashDot) pattern = &kDashDot;
    if (!pattern) {
        cairo_set_dash(context_, nullptr, 0, 0);
        cairo_set_line_cap(context_, CAIRO_LINE_CAP_ROUND);
    } else {
        double unit = std::max(line.weight, kDashUnitAtLeast) * scale_;
        std::vector<double> dashes;
        for (double d : *pattern) dashes.push_back(d * unit);
        cairo_set_dash(context_, dashes.data(), static_cast<int>(dashes.size()), 0);
        cairo_set_line_cap(context_, CAIRO_LINE_CAP_BUTT);
    }
    setColour(line.colour);
}

void ScenePainter::paintArrow(const Arrowhead& arrow, Rgb colour) {
    cairo_new_path(context_);
    for (const Point2& corner : arrow.corners()) {
        Point2 p = device(corner);
        cairo_line_to(context_, p.x, p.y);
    }
    cairo_close_path(context_);
    setColour(colour);
    cairo_set_fill_rule(context_, CAIRO_FILL_RULE_WINDING);
    cairo_fill(context_);
}

// Each line centred on the block's middle, the lines stacked around it.
void ScenePainter::paintText(const SceneText& text) {
    const TextLook& look = text.look;
    cairo_save(context_);
    Point2 centre = device(text.centre);
    cairo_translate(context_, centre.x, centre.y);
    cairo_rotate(context_, -text.angle);
    cairo_select_font_face(context_, kFontFamily,
                           look.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           look.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    double fontSize = look.size * scale_;
    cairo_set_font_size(context_, fontSize);
    setColour(look.colour);
    cairo_font_extents_t font;
    cairo_font_extents(context_, &font);
    double lineHeight = font.height;
    double top = -lineHeight * static_cast<double>(text.lines.size()) / 2;
    for (size_t i = 0; i < text.lines.size(); ++i) {
        cairo_text_extents_t extents;
        cairo_text_extents(context_, text.lines[i].c_str(), &extents);
        double left = -extents.x_advance / 2;
        double baseline =
            top + lineHeight * (static_cast<double>(i) + 0.5) + (font.ascent - font.descent) / 2;
        cairo_move_to(context_, left, baseline);
        cairo_show_text(context_, text.lines[i].c_str());
        if (look.underline) underline(left, baseline, extents.x_advance, fontSize);
    }
    cairo_restore(context_);
}

void ScenePainter::underline(double left, double baseline, double width, double fontSize) {
    double thickness = std::max(fontSize / 14, 0.5);
    cairo_new_path(context_);
    cairo_rectangle(context_, left, baseline + fontSize / 10, width, thickness);
    cairo_fill(context_);
}

void ScenePainter::setColour(Rgb colour) {
    cairo_set_source_rgb(context_, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
}

}  // namespace simhost::render

#endif
