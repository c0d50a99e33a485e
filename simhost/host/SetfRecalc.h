// Visio evaluates a formula again whenever a cell it refers to changes, and a formula
// that calls SETF then writes its target: shapes use that to keep themselves in bounds
// (a Scratch cell "SETF("PinX", IF(PinX<0, 0, PinX))" pushes the shape back when it is
// moved too far). The stand-in evaluates formulas only when they are read, so after each
// write it runs the SETF formulas that the write concerns: the written formula itself,
// and those of the shape's Scratch and User cells that refer to the written cell.
#pragma once

#include "simhost/sheet/CellNames.h"

namespace simhost {

class Shape;

class SetfRecalc {
public:
    // After the cell's formula was written; `changed` tells whether the text differs
    // from what it was (an unchanged formula changes no cell that refers to it).
    static void afterWrite(Shape& shape, const CellAddress& address, bool changed);

private:
    static void run(Shape& shape, const CellAddress& address);
    static bool refersTo(Shape& shape, const CellAddress& formulaCell, const CellAddress& written);
};

}  // namespace simhost
