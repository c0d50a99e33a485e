// What the formula engine asks of the host while it evaluates one cell's formula. The
// engine catches anything these members throw and answers "#VALUE!" for the formula.
#pragma once

#include <string>

#include "simhost/formula/Value.h"

namespace simhost::formula {

class Context {
public:
    virtual ~Context() = default;

    // The value of a referenced cell. `sheet` is the qualifier as written before "!"
    // ("" for the evaluating shape itself, "Sheet.5", "ThePage", "TheDoc", or a shape
    // name); `cell` is the cell name ("Width", "User.Row.Prompt", "Connections.X3").
    // The host evaluates that cell's own formula (through the engine again) and answers
    // "#CIRC!" when the cell is already being evaluated, "#REF!" when there is no such
    // sheet or cell. An empty formula has the value Number 0. The engine passes names as
    // written; matching them is the host's job and ignores case. Chains of references
    // recurse through the host, so the host bounds their depth.
    virtual Value cellValue(const std::string& sheet, const std::string& cell) = 0;

    // The ID of the shape whose formula is being evaluated, and of the sheet a
    // qualifier names (0 when it names none).
    virtual int32_t evaluatingSheetId() = 0;
    virtual int32_t sheetIdOf(const std::string& sheet) = 0;

    // Converts a point given in the local coordinates of shape point.sheetId to the
    // coordinates of the evaluating shape's parent (its group, or the page): a Point
    // value (x, y in inches, sheetId the parent's), or an Error such as "#REF!".
    virtual Value pointToParent(const Value& point) = 0;

    // True while an action row's formula runs (the user picked the action): only then
    // do SETF and RUNADDONWARGS take effect.
    virtual bool inAction() = 0;
    // SETF: sets the formula of the referenced cell (a CellRef value: sheet qualifier as
    // written, cell name in text, resolved sheetId) to the formula text; it is called
    // only in an action.
    virtual void setFormula(const Value& cellRef, const std::string& formula) = 0;
    // RUNADDONWARGS / RUNADDON: runs the named add-on with the argument string ("" for
    // RUNADDON); it is called only in an action.
    virtual void runAddon(const std::string& name, const std::string& args) = 0;
};

}  // namespace simhost::formula
