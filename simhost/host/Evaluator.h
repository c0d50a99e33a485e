// Evaluates cell formulas on read, through the formula engine, with one context per
// formula. Keeps the cells being evaluated so that a cell which depends on itself (also
// across shapes) gets "#CIRC!" instead of recursing for ever.
#pragma once

#include <cstdint>
#include <map>
#include <tuple>
#include <vector>

#include "simhost/formula/Value.h"
#include "simhost/sheet/CellNames.h"

namespace simhost {

class Application;
class Shape;
struct SheetCell;

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
        bool operator<(const Frame& o) const {
            return std::tie(shape, section, rowId, cell) <
                   std::tie(o.shape, o.section, o.rowId, o.cell);
        }
    };
    formula::Value evaluate(Shape& shape, const CellAddress& address, bool action);
    formula::Value evaluateFormula(Shape& shape, const CellAddress& address, SheetCell& cell,
                                   const Frame& frame, bool action);
    bool isBeingEvaluated(const Frame& frame) const;

    Application& application_;
    std::vector<Frame> stack_;
    // The cells already evaluated during one read. A cell is referred to along many
    // paths (a glued end reads its target's transform, which reads the target's own glued
    // ends, ...); without this, reading one end of a chain of glued connectors costs time
    // exponential in the chain's length. Only reads use it: an action may change formulas
    // while it runs.
    std::map<Frame, formula::Value> valuesOfThisRead_;
    bool rememberValues_ = false;
};

}  // namespace simhost
