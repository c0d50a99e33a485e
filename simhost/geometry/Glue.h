// Glue as a user makes it with the mouse, for tests, the runner and the drawing-file
// reader. Each call checks what it is asked and says what is wrong instead of gluing;
// otherwise the host stores the glue record, and its geometry moves the end onto the
// target (PAR(PNT(...)) formulas in the end's cells), from where it follows the target.
//
//   Glue::toPoint(host, *arc, visio::visBegin, *place, 1);        // place's point 2
//   Glue::toConnectorEnd(host, *next, visio::visBegin, *arc, visio::visEnd);
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "simhost/host/Transform.h"

namespace simhost {
class Host;
class Shape;
}  // namespace simhost

namespace simhost::geometry {

class Glue {
public:
    // The connector's begin (9) or end (12) to the target's connection point `row`
    // (from 0: part 100 + row).
    static bool toPoint(Host& host, Shape& connector, int16_t end, Shape& target, int16_t row,
                        std::string* error = nullptr);
    // Onto another connector's begin or end point, through its connection point there
    // (one is added when it has none).
    static bool toConnectorEnd(Host& host, Shape& connector, int16_t end, Shape& other,
                               int16_t otherEnd, std::string* error = nullptr);
    // Onto a point of the other shape's first geometry path, at a fraction (0 to 1) of
    // the path's length: a connection point that follows the path is added there.
    static bool toPath(Host& host, Shape& connector, int16_t end, Shape& other, double fraction,
                       std::string* error = nullptr);
    // Where the shape's connection point `row` lies on the page; none when it has none.
    static std::optional<Point2> connectionPointOnPage(Shape& shape, int16_t row);

private:
    static bool check(Shape& connector, int16_t end, Shape& target, std::string* error);
    static bool fail(std::string* error, const std::string& message);
    // The row of the connection point at that place of the shape's own coordinates; -1
    // when there is none.
    static int16_t connectionPointAt(Shape& shape, Point2 local);
    static int16_t addConnectionPoint(Shape& shape, const std::string& x, const std::string& y);
    // Formulas for the point at the fraction of the first geometry's path; false with
    // *error set when the path has no straight sides to follow.
    static bool pathPointFormulas(Shape& shape, double fraction, std::string* x, std::string* y,
                                  std::string* error);
};

}  // namespace simhost::geometry
