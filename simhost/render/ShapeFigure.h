// The figure a shape draws itself, in page coordinates: the paths of its shown geometry
// sections (rectangles, ellipses, arcs, polylines, through every containing group's
// transform) and, for a 1-D shape, the arrowheads at its ends. A shape without geometry
// draws no figure, as in Visio; its members and text still draw.
#pragma once

#include <vector>

#include "simhost/host/Transform.h"
#include "simhost/render/Scene.h"
#include "simhost/render/ShapeLooks.h"

namespace simhost {
class Shape;
}

namespace simhost::render {

class ShapeFigure {
public:
    // Paths with a point that is not finite (a formula gone wrong) are left out.
    static std::vector<ScenePath> paths(Shape& shape, const Affine& toPage);
    // The arrowheads asked for, on the first point of the first path and the last
    // point of the last one (the begin and end point when the shape has no geometry).
    static std::vector<Arrowhead> arrowheads(Shape& shape, const Affine& toPage,
                                             const std::vector<ScenePath>& paths,
                                             const ArrowEnds& ends, double lineWeight);
    // How long a Visio arrowhead of that size is on a line of that weight (inches).
    static double arrowLength(int size, double lineWeight);
};

}  // namespace simhost::render
