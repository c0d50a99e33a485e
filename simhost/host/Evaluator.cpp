#include "simhost/host/Evaluator.h"

#include <cmath>

#include "simhost/formula/ErrorTexts.h"
#include "simhost/formula/Formula.h"
#include "simhost/host/Application.h"
#include "simhost/host/DefaultCells.h"
#include "simhost/host/Shape.h"
#include "simhost/host/SheetContext.h"
#include "simhost/host/Transform.h"

namespace simhost {
namespace {

// Deeper chains of references than this are taken for a cycle: the evaluation stops
// long before the stack does (1 MB on Windows).
constexpr size_t kMaxDepth = 128;

// Cells that take the y of a point: the Y cells of the transform, 1-D ends, text block
// and page rows, and the Y column of geometry, connection and scratch rows.
bool takesY(const CellAddress& a) {
    if (a.section == 1) {
        switch (a.row) {
            case 1:
            case 12:
                return a.cell == 1 || a.cell == 3 || a.cell == 5;
            case 4:
                return a.cell == 1 || a.cell == 3;
            case 10:
                return a.cell == 1;
            default:
                return false;
        }
    }
    return (a.section == 6 || a.section == 7 || (a.section >= 10 && a.section <= 239)) &&
           a.cell == 1;
}

formula::Value numberFromPoint(const formula::Value& point, const CellAddress& address) {
    return formula::Value::numberOf(takesY(address) ? point.y : point.x,
                                    formula::Dimension::Length);
}

// A 1-D shape's PinX, PinY, Width and Angle follow its end points while they keep the
// formulas Visio gives them.
bool derivedOneDValue(Shape& shape, const CellAddress& a, const SheetCell& cell,
                      formula::Value* value) {
    if (!shape.isOneDShape() || a.section != 1 || a.row != 1) return false;
    if (cell.formula != DefaultCells::oneDTransformFormula(a.cell)) return false;
    switch (a.cell) {
        case 2:
            *value = formula::Value::numberOf(ShapeTransform::oneDLength(shape),
                                              formula::Dimension::Length);
            return true;
        case 6:
            *value = formula::Value::numberOf(ShapeTransform::oneDAngle(shape),
                                              formula::Dimension::Angle);
            return true;
        default:
            return false;
    }
}

}  // namespace

formula::Value Evaluator::valueOf(Shape& shape, const CellAddress& address) {
    return evaluate(shape, address, false);
}

formula::Value Evaluator::runAction(Shape& shape, const CellAddress& address) {
    return evaluate(shape, address, true);
}

bool Evaluator::isBeingEvaluated(const Frame& f) const {
    for (const Frame& g : stack_)
        if (g.shape == f.shape && g.section == f.section && g.rowId == f.rowId && g.cell == f.cell)
            return true;
    return false;
}

formula::Value Evaluator::evaluate(Shape& shape, const CellAddress& address, bool action) {
    const SheetRow* row = shape.sheet().row(address.section, address.row);
    SheetCell* cell = shape.sheet().cell(address);
    if (!row || !cell) return formula::Value::error(formula::errors::kRef);
    Frame frame{&shape, address.section, row->id, address.cell};
    if (isBeingEvaluated(frame) || stack_.size() >= kMaxDepth)
        return formula::Value::error(formula::errors::kCirc);

    const bool outermost = stack_.empty();
    if (outermost) {
        valuesOfThisRead_.clear();
        rememberValues_ = !action;
    }
    if (rememberValues_) {
        auto known = valuesOfThisRead_.find(frame);
        if (known != valuesOfThisRead_.end()) return known->second;
    }
    formula::Value value = evaluateFormula(shape, address, *cell, frame, action);
    if (rememberValues_) valuesOfThisRead_.emplace(frame, value);
    if (outermost) valuesOfThisRead_.clear();
    return value;
}

formula::Value Evaluator::evaluateFormula(Shape& shape, const CellAddress& address, SheetCell& cell,
                                          const Frame& frame, bool action) {
    ++application_.counters().evaluations;

    // Held here, so that an action that deletes the shape or replaces this very formula
    // (SETF, RUNADDONWARGS) frees neither while the formula runs.
    visio::ComRef<Shape> keep(&shape);
    std::shared_ptr<const formula::Expression> expression = cell.expression;
    if (!expression && cell.formula.empty()) {
        // New rows start with empty formulas, which have no value of their own.
        expression = application_.formulas().parse(cell.formula, nullptr);
        cell.expression = expression;
    }
    formula::Value value;
    stack_.push_back(frame);
    if (!derivedOneDValue(shape, address, cell, &value)) {
        if (expression) {
            SheetContext context(*this, shape, action);
            value = formula::evaluate(*expression, context);
        } else {
            value = formula::Value::error(formula::errors::kName);
        }
    }
    stack_.pop_back();
    if (value.kind == formula::Value::Kind::Point) return numberFromPoint(value, address);
    return value;
}

}  // namespace simhost
