// The formulas that hold a glued end of a 1-D shape where its target puts it, as Visio
// writes them into the end's X and Y cells, and the target such formulas name.
//
//   PAR(PNT(Sheet.7!Connections.X3,Sheet.7!Connections.Y3))   connection point, part 102
//   PAR(PNT(Sheet.7!Width*0.5,Sheet.7!Height*1))              the whole shape, part 3
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace simhost {
class Shape;
}

namespace simhost::geometry {

struct GlueTarget {
    Shape* shape = nullptr;
    int16_t part = 0;  // 100 + connection point row, or 3 for the whole shape

    bool operator==(const GlueTarget& o) const { return shape == o.shape && part == o.part; }
    bool operator!=(const GlueTarget& o) const { return !(*this == o); }
};

class GlueFormulas {
public:
    static constexpr int16_t kWholeShape = 3;
    static constexpr int16_t kFirstPoint = 100;

    // To the connection point of that part of the target.
    static std::string toPoint(Shape& target, int16_t part);
    // To a point of the target given as fractions of its width and height.
    static std::string toBoxPoint(Shape& target, double widthFraction, double heightFraction);
    // What the X and Y cells of a shape's end (part 9 or 12) glue it to: nothing when
    // either holds no such formula, they name different targets, or the target is no
    // shape of the same page.
    static GlueTarget targetOf(Shape& shape, int16_t endPart);

private:
    struct Reference {
        std::string sheet;  // the qualifier before "!", as written
        std::string cell;   // what follows it
    };
    // The references that open the two arguments of PAR(PNT(x, y)).
    static std::optional<std::pair<Reference, Reference>> pointArguments(
        const std::string& formula);
    static std::optional<Reference> reference(const std::string& argument);
    // The n of "Connections.<axis><n>"; 0 when the cell is none.
    static int connectionNumber(const std::string& cell, char axis);
};

}  // namespace simhost::geometry
