// Reads a shape's outline: the paths of its geometry sections and, for a group, those of
// all its members, mapped into the wanted coordinates. A shape without any geometry
// section (nor members with one) stands for its box; a 1-D one for its line.
#pragma once

#include "simhost/geometry/Outline.h"
#include "simhost/host/Transform.h"

namespace simhost {
class Shape;
}

namespace simhost::geometry {

class OutlineReader {
public:
    // toTarget maps the shape's own coordinates to the wanted ones. Hidden sections
    // (NoShow set) count only when asked.
    static Outline read(Shape& shape, const Affine& toTarget, bool includeHidden);
    static Outline onPage(Shape& shape, bool includeHidden);

private:
    // Answers whether the shape or a member has a geometry section, shown or not.
    static bool addGeometry(Shape& shape, const Affine& toTarget, bool includeHidden,
                            Outline& outline);
    static void addBox(Shape& shape, const Affine& toTarget, Outline& outline);
};

}  // namespace simhost::geometry
