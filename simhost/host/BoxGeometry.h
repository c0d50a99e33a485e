// The first geometry: every shape is taken for the upright box around its outline.
#pragma once

#include "simhost/host/Geometry.h"

namespace simhost {

class BoxGeometry : public Geometry {
public:
    int16_t spatialRelation(Shape& shape, Shape& other, double tolerance, int16_t flags) override;
    std::vector<visio::ComRef<Shape>> spatialNeighbors(Shape& shape, int16_t relations,
                                                       double tolerance, int16_t flags,
                                                       const visio::Variant& resultRoot) override;
    Box boundingBox(Shape& shape, int16_t flags) override;
    void glued(Connect&) override {}

    // The box around the shape in page coordinates.
    static Box pageBox(Shape& shape);
    // The relation of two boxes, as spatialRelation answers it.
    static int16_t relationOf(const Box& a, const Box& b, double tolerance);
};

}  // namespace simhost
