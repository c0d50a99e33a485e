// What the host asks when the add-on queries where shapes lie: spatial relations,
// neighbours and bounding boxes, and what happens when a connector end is glued or
// unglued or a cell is written. The application starts with the outline geometry of
// simhost/geometry/; BoxGeometry is the simpler one that tests may put in its place.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/visio/IVObject.h"
#include "simhost/sheet/CellNames.h"

namespace simhost {

class Connect;
class Shape;

struct Box {
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
};

class Geometry {
public:
    virtual ~Geometry() = default;

    // Visio's relation of shape to other: 0 none, 1 overlap, 2 shape contains other,
    // 4 shape is contained in other, 8 touching.
    virtual int16_t spatialRelation(Shape& shape, Shape& other, double tolerance,
                                    int16_t flags) = 0;
    // The shapes that stand in one of the relations of the mask to the shape, searched
    // among the members of resultRoot (a page or group) or the shape's page.
    virtual std::vector<visio::ComRef<Shape>> spatialNeighbors(
        Shape& shape, int16_t relations, double tolerance, int16_t flags,
        const visio::Variant& resultRoot) = 0;
    // The box around the shape in its parent's coordinates.
    virtual Box boundingBox(Shape& shape, int16_t flags) = 0;
    // A glue record was added.
    virtual void glued(Connect& record) = 0;
    // A glue record is about to go (ungluing, regluing, or a shape it names is deleted);
    // both of its shapes are still there.
    virtual void unglued(Connect&) {}
    // A formula was written into the cell (by any of the host's writes).
    virtual void cellWritten(Shape&, const CellAddress&) {}
};

}  // namespace simhost
