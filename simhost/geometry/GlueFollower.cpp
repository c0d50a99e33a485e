#include "simhost/geometry/GlueFollower.h"

#include <cmath>

#include "platform/visio/VisioConstants.h"
#include "simhost/formula/Formula.h"
#include "simhost/geometry/GlueFormulas.h"
#include "simhost/geometry/OutlineReader.h"
#include "simhost/host/Application.h"
#include "simhost/host/Connect.h"
#include "simhost/host/Connects.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Transform.h"

namespace simhost::geometry {
namespace {

const CellAddress kWidth{1, 1, 2}, kHeight{1, 1, 3}, kLocPinX{1, 1, 4}, kLocPinY{1, 1, 5};
constexpr int16_t kConnectionPoints = 7;

CellAddress yOf(const CellAddress& x) {
    return {x.section, x.row, static_cast<int16_t>(x.cell + 1)};
}

int16_t otherEnd(int16_t endPart) {
    return endPart == visio::visBegin ? visio::visEnd : visio::visBegin;
}

Connect* recordOf(Shape& shape, int16_t endPart) {
    for (const auto& record : shape.connects().list())
        if (record->fromPart() == endPart) return record.get();
    return nullptr;
}

bool canGlue(Shape& from, Shape& to) {
    return !to.isDeleted() && &from != &to && !to.isSheetOnly() && to.page() == from.page() &&
           !to.isInside(from);
}

}  // namespace

bool GlueFollower::isGluedEnd(const Connect& record) {
    Shape* from = record.from();
    return from && record.to() && from->isOneDShape() && !from->isDeleted() &&
           from->application() &&
           (record.fromPart() == visio::visBegin || record.fromPart() == visio::visEnd);
}

std::string GlueFollower::formulaFor(Shape& from, int16_t endPart, Shape& to, int16_t toPart) {
    if (toPart == GlueFormulas::kWholeShape) return formulaForWholeShape(from, endPart, to);
    if (toPart < GlueFormulas::kFirstPoint) return std::string();
    int16_t row = static_cast<int16_t>(toPart - GlueFormulas::kFirstPoint);
    if (!to.sheet().row(kConnectionPoints, row)) return std::string();
    return GlueFormulas::toPoint(to, toPart);
}

// Glued to the whole shape, the end goes where the line from the shape's pin towards
// the connector's other end leaves the shape's outline.
std::string GlueFollower::formulaForWholeShape(Shape& from, int16_t endPart, Shape& to) {
    CellAddress x = Connect::cellOfPart(otherEnd(endPart));
    Point2 far{from.cellNumber(x), from.cellNumber(yOf(x))};
    if (Shape* group = from.group()) far = ShapeTransform::localToPage(*group).apply(far);
    Point2 toward = ShapeTransform::pageToLocal(to).apply(far);
    Point2 pin{to.cellNumber(kLocPinX), to.cellNumber(kLocPinY)};
    Point2 direction{toward.x - pin.x, toward.y - pin.y};
    if (std::hypot(direction.x, direction.y) < 1e-12) direction = {1, 0};
    Outline outline = OutlineReader::read(to, Affine(), false);
    double t = outline.lastCrossing(pin, direction).value_or(0);
    Point2 at{pin.x + t * direction.x, pin.y + t * direction.y};
    double width = to.cellNumber(kWidth), height = to.cellNumber(kHeight);
    return GlueFormulas::toBoxPoint(to, width != 0 ? at.x / width : 0,
                                    height != 0 ? at.y / height : 0);
}

void GlueFollower::freeze(Shape& shape, int16_t endPart) {
    CellAddress x = Connect::cellOfPart(endPart);
    for (const CellAddress& cell : {x, yOf(x)}) {
        std::string text = formula::formatNumber(shape.cellNumber(cell)) + " in";
        // Only the formula changes, not where anything lies: no change to announce.
        shape.sheet().setLocal(cell, text, shape.application()->formulas().parse(text, nullptr));
    }
}

void GlueFollower::glued(Connect& record) {
    if (busy_ || !isGluedEnd(record)) return;
    Busy busy(busy_);
    Shape& from = *record.from();
    Shape& to = *record.to();
    if (!canGlue(from, to)) {
        record.cut();
        return;
    }
    if (GlueFormulas::targetOf(from, record.fromPart()) == GlueTarget{&to, record.toPart()}) return;
    std::string formula = formulaFor(from, record.fromPart(), to, record.toPart());
    if (formula.empty()) return;
    CellAddress x = Connect::cellOfPart(record.fromPart());
    if (from.isGuarded(x) || from.isGuarded(yOf(x))) {
        // The end cannot move: Visio does not glue it.
        record.cut();
        return;
    }
    from.writeFormula(x, formula, false);
    from.writeFormula(yOf(x), formula, false);
}

void GlueFollower::unglued(Connect& record) {
    if (busy_ || !isGluedEnd(record) || record.to()->isDeleted()) return;
    Shape& from = *record.from();
    if (GlueFormulas::targetOf(from, record.fromPart()).shape != record.to()) return;
    Busy busy(busy_);
    freeze(from, record.fromPart());
}

void GlueFollower::cellWritten(Shape& shape, const CellAddress& address) {
    int16_t endPart = Connect::partOfGluedCell(address);
    if (busy_ || endPart == 0 || !shape.isOneDShape()) return;
    GlueTarget wanted = GlueFormulas::targetOf(shape, endPart);
    Connect* current = recordOf(shape, endPart);
    GlueTarget now = current ? GlueTarget{current->to(), current->toPart()} : GlueTarget();
    if (wanted == now) return;
    Busy busy(busy_);
    if (current) Connect::unglue(shape, endPart);
    if (wanted.shape) Connect::glue(shape, endPart, *wanted.shape, wanted.part);
}

}  // namespace simhost::geometry
