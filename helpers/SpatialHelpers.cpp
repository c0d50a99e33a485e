#include "helpers/SpatialHelpers.h"

#include <cmath>
#include <limits>

#include "helpers/FormulaBatchHelpers.h"
#include "helpers/ShapeHelpers.h"
#include "platform/visio/VCell.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VSelection.h"
#include "platform/visio/VisioConstants.h"

namespace {

// Shapes this close (in inches) still count as touching.
constexpr double kSpatialTolerance = 0.015;
constexpr int16_t kNoSpatialFlags = 0;
// Overlap, contains, contained in and touching.
constexpr int16_t kAllRelations = 15;
// A vertex the shape inherits from its master is as much its own as a local one.
constexpr int16_t kLocalOrInherited = 0;

bool vertexExists(const visio::VShape& shape, int16_t row) {
    return shape.CellsSRCExists(visio::visSectionFirstComponent, row, visio::visX,
                                kLocalOrInherited) != 0;
}

PagePoint vertexOnPage(const visio::VShape& shape, int16_t row) {
    const double x = shape.CellsSRC(visio::visSectionFirstComponent, row, visio::visX).ResultIU();
    const double y = shape.CellsSRC(visio::visSectionFirstComponent, row, visio::visY).ResultIU();
    PagePoint point;
    shape.XYToPage(x, y, &point.x, &point.y);
    return point;
}

// The cells of a 1-D shape's begin and end points, in the order the batch reads them.
constexpr int16_t kLineEndCells[] = {visio::vis1DBeginX, visio::vis1DBeginY, visio::vis1DEndX,
                                     visio::vis1DEndY};

int32_t idOf(const DrawnLine& line) {
    return line.id ? *line.id : line.line.ID();
}

visio::VShape groupOf(const DrawnLine& line) {
    return line.group ? *line.group : getParentShape(line.line);
}

PagePoint onPage(const visio::VShape& group, double x, double y) {
    PagePoint point{x, y};
    if (!group.isEmpty()) group.XYToPage(x, y, &point.x, &point.y);
    return point;
}

int32_t idOfKnown(const visio::VShape& shape, const KnownShapes& known) {
    const std::optional<int32_t> id = known.idOf ? known.idOf(shape) : std::nullopt;
    return id ? *id : shape.ID();
}

std::vector<int32_t> idsFound(const visio::VSelection& found, const KnownShapes& known) {
    return getSelectionShapeIDs(found, [&](const visio::VShape& s) { return idOfKnown(s, known); });
}

}  // namespace

int16_t getSpatialRelation(const visio::VShape& shape, const visio::VShape& other) {
    return shape.SpatialRelation(other, kSpatialTolerance, kNoSpatialFlags);
}

std::vector<int32_t> collectShapeIDs(const visio::VShape& shape, const visio::Variant& resultRoot) {
    return findNeighbours(shape, resultRoot, KnownShapes()).ids;
}

// A shape that holds sub-shapes is a group: a group the caller knows is not asked its type.
Neighbours findNeighbours(const visio::VShape& shape, const visio::Variant& resultRoot,
                          const KnownShapes& known) {
    Neighbours found;
    visio::VShape asked = shape;
    const std::optional<visio::VShape> group = known.groupOf ? known.groupOf(shape) : std::nullopt;
    const visio::VShape parent = group ? *group : getParentShape(shape);
    if (group ? !parent.isEmpty() : parent.Type() == visio::visTypeGroup) {
        asked = parent;
        found.throughGroup = true;
        found.ids.push_back(idOfKnown(parent, known));
    }
    const std::vector<int32_t> neighbours = idsFound(
        asked.SpatialNeighbors(kAllRelations, kSpatialTolerance, kNoSpatialFlags, resultRoot),
        known);
    found.ids.insert(found.ids.end(), neighbours.begin(), neighbours.end());
    return found;
}

// A relation is a set of these bits; a shape found by several searches has all of theirs.
std::unordered_map<int32_t, int16_t> findRelationsBySearch(const visio::VShape& shape,
                                                           const KnownShapes& known) {
    std::unordered_map<int32_t, int16_t> relations;
    for (int16_t relation : {visio::visSpatialOverlap, visio::visSpatialContain,
                             visio::visSpatialContainedIn, visio::visSpatialTouching}) {
        const visio::VSelection found =
            shape.SpatialNeighbors(relation, kSpatialTolerance, kNoSpatialFlags, visio::Variant());
        for (int32_t id : idsFound(found, known)) relations[id] |= relation;
    }
    return relations;
}

PagePoint getGeometryBeginPoint(const visio::VShape& shape) {
    if (!vertexExists(shape, visio::visRowVertex)) return {};
    return vertexOnPage(shape, visio::visRowVertex);
}

PagePoint getGeometryEndPoint(const visio::VShape& shape) {
    if (shape.isEmpty()) return {};
    int16_t last = 0;
    while (last < std::numeric_limits<int16_t>::max() &&
           vertexExists(shape, static_cast<int16_t>(last + 1)))
        ++last;
    if (last == 0) return {};
    return vertexOnPage(shape, last);
}

bool isSamePoint(const PagePoint& p, const PagePoint& q) {
    return std::hypot(p.x - q.x, p.y - q.y) <= kSpatialTolerance;
}

// A line's begin and end cells lie in its group's coordinates; on the page they are the
// page's own.
std::vector<LineEnds> getLineEndsOnPage(const std::vector<DrawnLine>& lines) {
    std::vector<LineEnds> ends(lines.size());
    if (lines.empty()) return ends;
    std::vector<FormulaBatchKey> cells;
    ShapesByID byID;
    for (const DrawnLine& line : lines) {
        const int32_t id = idOf(line);
        byID.emplace(id, line.line);
        for (int16_t cell : kLineEndCells)
            cells.push_back({id, visio::visSectionObject, visio::visRowXForm1D, cell});
    }
    const std::vector<double> values =
        getResultsBatch(lines.front().line.ContainingPage(), cells, shapeIn(byID));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const visio::VShape group = groupOf(lines[i]);
        const double* v = &values[4 * i];
        ends[i] = {onPage(group, v[0], v[1]), onPage(group, v[2], v[3])};
    }
    return ends;
}
