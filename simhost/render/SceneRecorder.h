// Lays a scene out on a metafile canvas in the order the painter draws it: the white
// page, then every shape's fill, lines, arrowheads and text lines. The player of the
// metafile sets the text, so each line goes down at its baseline, centred, with the
// text block's turn as its escapement.
#pragma once

#include "simhost/render/MetafileCanvas.h"
#include "simhost/render/Scene.h"

namespace simhost::render {

class SceneRecorder {
public:
    static void record(const Scene& scene, MetafileCanvas& canvas);
    // Device units of a page length, at least one.
    static int32_t extent(double inches, double unitsPerInch);

private:
    SceneRecorder(const Scene& scene, MetafileCanvas& canvas);
    void recordShape(const SceneShape& shape);
    void recordImage(const SceneImage& image);
    void recordArrow(const Arrowhead& arrow, Rgb colour);
    void recordText(const SceneText& text);
    DevicePoint device(Point2 p) const;
    DevicePolygon device(const ScenePath& path) const;

    MetafileCanvas& canvas_;
    double scale_;
    double pageHeight_;
};

}  // namespace simhost::render
