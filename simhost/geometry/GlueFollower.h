// Keeps glue records and the formulas of glued ends in step, as Visio does. Gluing an
// end writes the formulas that put it on its target, so that it follows the target from
// then on; writing such formulas into an end glues it there (the record follows a
// re-glue by formula); writing anything else into a glued end unglues it; and an end
// whose glue goes (ungluing, or its target deleted) stays where it was.
#pragma once

#include <cstdint>
#include <string>

#include "simhost/sheet/CellNames.h"

namespace simhost {
class Connect;
class Shape;
}  // namespace simhost

namespace simhost::geometry {

class GlueFollower {
public:
    void glued(Connect& record);
    void unglued(Connect& record);
    void cellWritten(Shape& shape, const CellAddress& address);

private:
    // While the follower changes records or formulas itself, it does not follow them.
    class Busy {
    public:
        explicit Busy(bool& flag) : flag_(flag) { flag_ = true; }
        ~Busy() { flag_ = false; }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        bool& flag_;
    };

    static bool isGluedEnd(const Connect& record);
    // The formula that puts the end of `from` on that part of `to`; empty when the part
    // is no connection point `to` has, nor the whole shape.
    static std::string formulaFor(Shape& from, int16_t endPart, Shape& to, int16_t toPart);
    static std::string formulaForWholeShape(Shape& from, int16_t endPart, Shape& to);
    // Replaces the end's formulas by the values they have now.
    static void freeze(Shape& shape, int16_t endPart);

    bool busy_ = false;
};

}  // namespace simhost::geometry
