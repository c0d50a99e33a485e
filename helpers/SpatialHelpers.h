// How shapes lie on the page: spatial relations, neighbours, geometry end points.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/visio/IVObject.h"
#include "platform/visio/VShape.h"

// A point in page coordinates; (0, 0) when none could be read.
struct PagePoint {
    double x = 0;
    double y = 0;
};

// Visio's spatial relation of the shape to the other (0 none, 1 overlap, 2 contains,
// 4 contained in, 8 touching).
int16_t getSpatialRelation(const visio::VShape& shape, const visio::VShape& other);

// The IDs of the shapes that lie against the shape (or against its group, whose ID
// then comes first), in the order Visio reports them.
std::vector<int32_t> collectShapeIDs(const visio::VShape& shape, const visio::Variant& resultRoot);

// What a caller already knows of the shapes: the group a shape lies in, and shapes' IDs.
struct KnownShapes {
    // The shape's group, empty when it lies on the page; nothing when not known.
    std::function<std::optional<visio::VShape>(const visio::VShape&)> groupOf;
    // The shape's ID; nothing when not known.
    std::function<std::optional<int32_t>(const visio::VShape&)> idOf;
};
// What collectShapeIDs finds, asking Visio only what the caller does not know, and
// whether it asked the shape's group rather than the shape.
struct Neighbours {
    std::vector<int32_t> ids;
    bool throughGroup = false;
};
Neighbours findNeighbours(const visio::VShape& shape, const visio::Variant& resultRoot,
                          const KnownShapes& known);

// The relation the shape has to each shape on its own level that lies against it, as
// getSpatialRelation answers it, found with one neighbour search per relation: a search
// answers the shapes to which the shape has the relation asked. However many neighbours
// there are, it costs at most kCallsOfRelationSearches calls: four searches, their IDs, and
// a count for a search that found nothing (an older Visio answers no IDs either).
inline constexpr int kCallsOfRelationSearches = 12;
std::unordered_map<int32_t, int16_t> findRelationsBySearch(const visio::VShape& shape,
                                                           const KnownShapes& known);

// The first and the last vertex of the shape's first geometry section, on the page.
PagePoint getGeometryBeginPoint(const visio::VShape& shape);
PagePoint getGeometryEndPoint(const visio::VShape& shape);

// Whether two points on the page are one within the tolerance of the spatial queries:
// computed coordinates of one point seldom agree to the last bit.
bool isSamePoint(const PagePoint& p, const PagePoint& q);

// A 1-D shape that draws a line, and what a caller knows of it: the group it lies in
// (empty on the page) and its ID. What is not known is asked.
struct DrawnLine {
    visio::VShape line;
    std::optional<visio::VShape> group;
    std::optional<int32_t> id;
};

struct LineEnds {
    PagePoint begin;
    PagePoint end;
};

// Where the lines begin and end on the page: their BeginX, BeginY, EndX and EndY, all
// read in one batch, and taken from the coordinates of the group a line lies in.
std::vector<LineEnds> getLineEndsOnPage(const std::vector<DrawnLine>& lines);
