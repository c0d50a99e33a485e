// The host's geometry: shapes are their outlines (rectangles, ellipses, arcs and
// polylines of their geometry sections, through every containing group, rotated and
// flipped as their transforms say), spatial relations and neighbours are worked out
// from them, neighbour queries go through a grid over the page, and glue records and
// glued ends are kept in step.
#pragma once

#include "simhost/geometry/GlueFollower.h"
#include "simhost/geometry/OutlineCache.h"
#include "simhost/host/Geometry.h"

namespace simhost {
class Shapes;
}

namespace simhost::geometry {

class OutlineGeometry : public Geometry {
public:
    int16_t spatialRelation(Shape& shape, Shape& other, double tolerance, int16_t flags) override;
    std::vector<visio::ComRef<Shape>> spatialNeighbors(Shape& shape, int16_t relations,
                                                       double tolerance, int16_t flags,
                                                       const visio::Variant& resultRoot) override;
    // Flags 1: the upright box around the shape's width and height; flags 4: around its
    // outline. Both in the coordinates of the shape's parent.
    Box boundingBox(Shape& shape, int16_t flags) override;
    void glued(Connect& record) override { glue_.glued(record); }
    void unglued(Connect& record) override { glue_.unglued(record); }
    void cellWritten(Shape& shape, const CellAddress& address) override {
        glue_.cellWritten(shape, address);
    }

private:
    // The collection whose shapes a neighbour query searches: the group's members or
    // the page's shapes that the result root names, else those of the shape's page.
    static Shapes* searchedShapes(Shape& shape, const visio::Variant& resultRoot);

    OutlineCache cache_;
    GlueFollower glue_;
};

}  // namespace simhost::geometry
