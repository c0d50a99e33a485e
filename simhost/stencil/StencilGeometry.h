// The outlines of the stand-in masters: rectangles and ellipses with a connection point
// in the middle of each side (and, when asked, one just inside it), lines from a begin to
// an end point, and the members of groups in their group's coordinates.
#pragma once

#include <string>

#include "simhost/host/ShapeSpec.h"
#include "simhost/stencil/StencilOptions.h"

namespace simhost {
class Shape;
}

namespace simhost::stencil {

// The outline of a 2-D master at the options' pin and size.
ShapeSpec boxOutline(const StencilOptions& options);
ShapeSpec ellipseOutline(const StencilOptions& options);
// A 2-D group at the options' pin and size (no outline of its own).
ShapeSpec groupOutline(const StencilOptions& options);
// A 1-D master from the options' begin to end point, with the options' arrowheads; a
// connector gets a connection point at each end, so that other connectors can be glued
// onto it (part 100 at its begin, 101 at its end).
ShapeSpec lineOutline(const StencilOptions& options, bool connector);
// The same as a group: a 1-D shape made of members.
ShapeSpec lineGroupOutline(const StencilOptions& options);

// Members, in the coordinates of the group they go into.
ShapeSpec memberBox(double pinX, double pinY, double width, double height);
ShapeSpec memberEllipse(double pinX, double pinY, double width, double height);
ShapeSpec memberLine(double beginX, double beginY, double endX, double endY);
// A box that only holds text: no geometry, so it draws no outline, as the masters'
// labels do not.
ShapeSpec memberLabel(double pinX, double pinY, double width, double height);

// The connection point rows: N, E, S and W at the middle of the sides ("Connections.X1"
// to "X4", parts 100 to 103), then the inner ones (rows 5 to 8) when asked.
ShapeSpec& addConnectionPoints(ShapeSpec& spec, bool inner);
// The name number ("Connections.X<n>") of the inner point behind side point 0..3.
int innerPointRow(int point);

// Gives the geometry rows that describe ellipses their ellipse row type, on the shape
// and all its members.
void finishEllipses(Shape& shape);

}  // namespace simhost::stencil
