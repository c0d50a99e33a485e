// Evaluates cell formulas on read, through the formula engine, with one context per
// formula. Keeps the cells being evaluated so that a cell which depends on itself (also
// across shapes) gets "#CIRC!" instead of recursing for ever.
#pragma once

#include <cstdint>
#include <vector>

#include "simhost/formula/Value.h"
#include "simhost/sheet/CellNames.h"

namespace simhost {

class Application;
class Shape;

class Evaluator {
public:
    explicit Evaluator(Application& application) : application_(application) {}

    // The value of a cell; Error values for missing cells, cycles and bad formulas. A
    // point (PAR(PNT(...)) in BeginX) gives its x or y, as the cell takes it.
    formula::Value valueOf(Shape& shape, const CellAddress& address);
    // Evaluates an action row's formula as Visio does when the user picks the action:
    // SETF and RUNADDONWARGS take effect.
    formula::Value runAction(Shape& shape, const CellAddress& address);

    Application& application() { return application_; }

private:
    struct Frame {
        const Shape* shape;
        int16_t section;
        uint32_t rowId;
        int16_t cell;
    };
    formula::Value evaluate(Shape& shape, const CellAddress& address, bool action);
    bool isBeingEvaluated(const Frame& frame) const;

    Application& application_;
    std::vector<Frame> stack_;
};

}  // namespace simhost
