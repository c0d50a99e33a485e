#include "simhost/geometry/Glue.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/visio/VisioConstants.h"
#include "simhost/formula/Formula.h"
#include "simhost/host/Connect.h"
#include "simhost/host/Connects.h"
#include "simhost/host/Host.h"
#include "simhost/host/Shape.h"

namespace simhost::geometry {
namespace {

constexpr int16_t kConnectionPoints = 7;
constexpr int16_t kFirstGeometry = 10;
constexpr int16_t kMoveTo = 138;
constexpr int16_t kLineTo = 139;
const CellAddress kWidth{1, 1, 2}, kLocPinY{1, 1, 5};

std::string shapeName(Shape& shape) {
    return "shape " + std::to_string(shape.id());
}

bool isGluedAs(Shape& connector, int16_t end, Shape& target, int16_t part) {
    for (const auto& record : connector.connects().list())
        if (record->fromPart() == end) return record->to() == &target && record->toPart() == part;
    return false;
}

std::string vertexCell(char axis, int16_t row) {
    return "Geometry1." + std::string(1, axis) + std::to_string(row);
}

// The cell of vertex row `row` moved the fraction towards row `next`.
std::string between(char axis, int16_t row, int16_t next, double fraction) {
    if (fraction <= 0) return vertexCell(axis, row);
    return vertexCell(axis, row) + "+(" + vertexCell(axis, next) + "-" + vertexCell(axis, row) +
           ")*" + formula::formatNumber(fraction);
}

}  // namespace

bool Glue::fail(std::string* error, const std::string& message) {
    if (error) *error = message;
    return false;
}

bool Glue::check(Shape& connector, int16_t end, Shape& target, std::string* error) {
    if (connector.isDeleted() || target.isDeleted()) return fail(error, "a shape is deleted");
    if (end != visio::visBegin && end != visio::visEnd)
        return fail(error, "the end must be 9 (begin) or 12 (end), not " + std::to_string(end));
    if (!connector.isOneDShape())
        return fail(error, shapeName(connector) + " is not a 1-D shape: only 1-D ends glue");
    if (&connector == &target || target.isInside(connector))
        return fail(error, shapeName(connector) + " cannot be glued to itself or its members");
    if (target.page() != connector.page() || target.isSheetOnly())
        return fail(error, shapeName(target) + " does not lie on the connector's page");
    CellAddress x = Connect::cellOfPart(end);
    CellAddress y{x.section, x.row, static_cast<int16_t>(x.cell + 1)};
    if (connector.isGuarded(x) || connector.isGuarded(y))
        return fail(error, "the " + std::string(end == visio::visBegin ? "begin" : "end") + " of " +
                               shapeName(connector) + " is guarded and cannot move");
    return true;
}

bool Glue::toPoint(Host& host, Shape& connector, int16_t end, Shape& target, int16_t row,
                   std::string* error) {
    if (!check(connector, end, target, error)) return false;
    if (row < 0 || !target.sheet().row(kConnectionPoints, row)) {
        const int16_t points = target.sheet().rowCount(kConnectionPoints);
        return fail(error, shapeName(target) + " has no connection point " +
                               std::to_string(row + 1) + " (row " + std::to_string(row) +
                               "): it has " + (points > 0 ? std::to_string(points) : "none"));
    }
    host.glue(connector, end, target, row);
    if (!isGluedAs(connector, end, target, static_cast<int16_t>(visio::visConnectionPoint + row)))
        return fail(error, "the host did not glue " + shapeName(connector));
    return true;
}

bool Glue::toConnectorEnd(Host& host, Shape& connector, int16_t end, Shape& other, int16_t otherEnd,
                          std::string* error) {
    if (!check(connector, end, other, error)) return false;
    if (!other.isOneDShape()) return fail(error, shapeName(other) + " is not a connector");
    if (otherEnd != visio::visBegin && otherEnd != visio::visEnd)
        return fail(error, "the other end must be 9 (begin) or 12 (end)");
    bool atBegin = otherEnd == visio::visBegin;
    Point2 local{atBegin ? 0 : other.cellNumber(kWidth), other.cellNumber(kLocPinY)};
    int16_t row = connectionPointAt(other, local);
    if (row < 0) row = addConnectionPoint(other, atBegin ? "Width*0" : "Width*1", "LocPinY");
    if (row < 0) return fail(error, shapeName(other) + " takes no connection point");
    return toPoint(host, connector, end, other, row, error);
}

bool Glue::toPath(Host& host, Shape& connector, int16_t end, Shape& other, double fraction,
                  std::string* error) {
    if (!check(connector, end, other, error)) return false;
    if (!(fraction >= 0 && fraction <= 1))
        return fail(error, "the fraction of the path must lie from 0 to 1");
    std::string x, y;
    if (!pathPointFormulas(other, fraction, &x, &y, error)) return false;
    int16_t row = addConnectionPoint(other, x, y);
    if (row < 0) return fail(error, shapeName(other) + " takes no connection point");
    return toPoint(host, connector, end, other, row, error);
}

std::optional<Point2> Glue::connectionPointOnPage(Shape& shape, int16_t row) {
    if (shape.isDeleted() || row < 0 || !shape.sheet().row(kConnectionPoints, row))
        return std::nullopt;
    Point2 local{shape.cellNumber({kConnectionPoints, row, 0}),
                 shape.cellNumber({kConnectionPoints, row, 1})};
    return ShapeTransform::localToPage(shape).apply(local);
}

int16_t Glue::connectionPointAt(Shape& shape, Point2 local) {
    const int16_t rows = shape.sheet().rowCount(kConnectionPoints);
    for (int16_t r = 0; r < rows; ++r) {
        double x = shape.cellNumber({kConnectionPoints, r, 0});
        double y = shape.cellNumber({kConnectionPoints, r, 1});
        if (std::fabs(x - local.x) < 1e-9 && std::fabs(y - local.y) < 1e-9) return r;
    }
    return -1;
}

int16_t Glue::addConnectionPoint(Shape& shape, const std::string& x, const std::string& y) {
    int16_t row = shape.AddRow(kConnectionPoints, ShapeSheet::kAppendRow, 0);
    if (row < 0) return -1;
    if (shape.writeFormula({kConnectionPoints, row, 0}, x, false) != kWriteDone ||
        shape.writeFormula({kConnectionPoints, row, 1}, y, false) != kWriteDone) {
        shape.DeleteRow(kConnectionPoints, row);
        return -1;
    }
    return row;
}

bool Glue::pathPointFormulas(Shape& shape, double fraction, std::string* x, std::string* y,
                             std::string* error) {
    std::vector<Point2> vertices;
    const int16_t rows = shape.sheet().rowCount(kFirstGeometry);
    for (int16_t r = 1; r < rows; ++r) {
        int16_t tag = shape.sheet().row(kFirstGeometry, r)->tag;
        if (tag != 0 && tag != kMoveTo && tag != kLineTo)
            return fail(error, shapeName(shape) + " has curved geometry, which glue cannot follow");
        if (tag == kMoveTo && r > 1)
            return fail(error, shapeName(shape) + " has more than one path in its geometry");
        vertices.push_back(
            {shape.cellNumber({kFirstGeometry, r, 0}), shape.cellNumber({kFirstGeometry, r, 1})});
    }
    if (vertices.size() < 2) return fail(error, shapeName(shape) + " has no path to glue to");
    double total = 0;
    for (size_t i = 1; i < vertices.size(); ++i)
        total += std::hypot(vertices[i].x - vertices[i - 1].x, vertices[i].y - vertices[i - 1].y);
    double wanted = fraction * total;
    for (size_t i = 1; i < vertices.size(); ++i) {
        double side =
            std::hypot(vertices[i].x - vertices[i - 1].x, vertices[i].y - vertices[i - 1].y);
        if (wanted > side && i + 1 < vertices.size()) {
            wanted -= side;
            continue;
        }
        double part = side > 0 ? std::clamp(wanted / side, 0.0, 1.0) : 0;
        auto row = static_cast<int16_t>(i), next = static_cast<int16_t>(i + 1);
        *x = between('X', row, next, part);
        *y = between('Y', row, next, part);
        return true;
    }
    return fail(error, shapeName(shape) + " has no path to glue to");
}

}  // namespace simhost::geometry
