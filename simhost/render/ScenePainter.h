// Paints a scene onto a cairo context: white page, then every shape's fill, line,
// arrowheads and text, mapping page inches (y up) to the surface's units (y down).
#pragma once

#ifdef QAV_HAVE_CAIRO

#include <cairo.h>

#include "simhost/render/Scene.h"

namespace simhost::render {

class ScenePainter {
public:
    // unitsPerInch: pixels (96 for a PNG) or points (72 for EPS).
    ScenePainter(cairo_t* context, double unitsPerInch, double pageHeight);
    void paint(const Scene& scene);

private:
    void paintShape(const SceneShape& shape);
    void fill(const SceneShape& shape);
    void paintImage(const SceneImage& image);
    void stroke(const SceneShape& shape);
    void paintArrow(const Arrowhead& arrow, Rgb colour);
    void paintText(const SceneText& text);
    void underline(double left, double baseline, double width, double fontSize);
    void trace(const ScenePath& path);
    void setLine(const LineLook& line);
    void setColour(Rgb colour);
    Point2 device(Point2 p) const;

    cairo_t* context_;
    double scale_;
    double pageHeight_;
};

}  // namespace simhost::render

#endif
