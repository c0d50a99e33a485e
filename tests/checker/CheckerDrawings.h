// Small drawings of the notation for the checker's tests, dropped from the stand-in
// masters and glued as a user glues connectors.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "platform/visio/ComRef.h"
#include "simhost/stencil/StencilOptions.h"

namespace simhost {
class Host;
class Page;
class Shape;
}  // namespace simhost

namespace checkertest {

using ShapeRef = visio::ComRef<simhost::Shape>;

// The connection points every 2-D master has, by their row.
constexpr int16_t kNorth = 0;
constexpr int16_t kEast = 1;
constexpr int16_t kSouth = 2;
constexpr int16_t kWest = 3;

// A 2-D master's options at a place, with its name.
simhost::stencil::StencilOptions at(double x, double y, const std::string& text);

// Where a connection point of a 2-D master dropped with these options lies.
simhost::stencil::Point pointOf(const simhost::stencil::StencilOptions& shape, int16_t row);

// Glues an end (begin 9, end 12) of the connector to a connection point of the target;
// the test fails when it cannot.
void glue(simhost::Host& host, simhost::Shape& connector, int16_t end, simhost::Shape& target,
          int16_t row);

// The place p1 (ID 1) with one token feeds the transition t1 (ID 2), which fills the
// place p2 (ID 3): two arcs, both ends glued.
struct SmallNet {
    ShapeRef p1, t1, p2, arc1, arc2;
};
SmallNet dropSmallNet(simhost::Host& host, simhost::Page& page);

// An agent reads a store through an access arc.
void dropSmallBlockDiagram(simhost::Host& host, simhost::Page& page);

enum class DrawingKind { PetriNet, BlockDiagram, ERDiagram };

// A drawing of the kind that the generator makes up: elements of every sort the kind has
// (with names that may clash, values that may be wrong, text in cells or in boxes, old
// stencil versions), connectors glued at both ends, one end or none, connectors of two
// pieces, composite shapes, plain shapes and plain groups around elements.
void dropRandomDrawing(simhost::Host& host, simhost::Page& page, DrawingKind kind,
                       std::mt19937& random);

// The 2-D shapes directly on the page, which a user may move.
std::vector<simhost::Shape*> movableShapes(simhost::Page& page);

}  // namespace checkertest
