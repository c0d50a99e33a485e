#include "model/GEAdjacencyMatrix.h"

#include "helpers/ShapeHelpers.h"
#include "helpers/SpatialHelpers.h"
#include "model/GEElementSet.h"
#include "model/GEGraphElement.h"
#include "model/SavedFormulaIndex.h"
#include "platform/visio/VisioConstants.h"

namespace {

// The code the other shape of a pair sees: containing and contained swap.
uint16_t mirrored(uint16_t code) {
    if (code == visio::visSpatialContain) return visio::visSpatialContainedIn;
    if (code == visio::visSpatialContainedIn) return visio::visSpatialContain;
    return code;
}

bool coincide(const PagePoint& p, const PagePoint& q) {
    return p.x == q.x && p.y == q.y;
}

}  // namespace

void GEAdjacencyMatrix::build(const visio::VShapes& shapes, GEElementSet* active,
                              GEElementSet* passive, GEElementSet* connections,
                              SavedFormulaIndex* index, ShapeOfID shapeOf, KnownShapes known) {
    shapes_ = shapes;
    shapeOf_ = std::move(shapeOf);
    known_ = std::move(known);
    index_ = index;
    connections_ = connections;
    numbering_.clear();
    cells_.clear();
    endPoints_.clear();
    size_ = 0;
    number(active);
    number(passive);
    number(connections);
    enterSet(active);
    enterSet(passive);
    enterSet(connections);
}

// A second element with a shape ID already numbered keeps the first one's row; it gets
// no row of its own, which nothing could reach anyway.
void GEAdjacencyMatrix::number(GEElementSet* set) {
    if (!set) return;
    for (GEGraphElement* e = set->getFirst(); e != set->end(); e = set->getNext()) {
        if (numbering_.emplace(e->getID(), size_).second) ++size_;
    }
}

void GEAdjacencyMatrix::enterSet(GEElementSet* set) {
    if (!set) return;
    for (GEGraphElement* e = set->getFirst(); e != set->end(); e = set->getNext()) {
        enterElement(e);
    }
}

// Neighbours that are not elements themselves (plain groups) stand for the registered
// shapes inside them.
void GEAdjacencyMatrix::enterElement(const GEGraphElement* element) {
    const int32_t shapeID = element->getID();
    const visio::VShape shape = shapeOf(shapeID);
    for (int32_t id : collectShapeIDs(shape, visio::Variant(), known_)) {
        if (indexOf(id) >= 0) {
            enterSpatialRelation(shape, shapeID, id);
            continue;
        }
        if (!index_) continue;
        for (int32_t member : index_->collectSubShapes(id))
            enterSpatialRelation(shape, shapeID, member);
    }
}

// The element's ID stands for its shape's: it is the ID the element was read with.
void GEAdjacencyMatrix::enterSpatialRelation(const visio::VShape& shape, int32_t shapeID,
                                             int32_t otherID) {
    const int32_t a = indexOf(shapeID);
    const int32_t b = indexOf(otherID);
    if (a < 0 || b < 0 || a == b || cell(a, b) != kNotExamined) return;
    const visio::VShape other = shapeOf(otherID);
    const auto code = static_cast<uint16_t>(getSpatialRelation(shape, other));
    setCell(a, b, refineTouching(shape, shapeID, other, otherID, code));
}

visio::VShape GEAdjacencyMatrix::shapeOf(int32_t id) const {
    return shapeOf_ ? shapeOf_(id) : getShapeByID(shapes_, id);
}

// Two connections that touch count as joined only when they share an end point.
uint16_t GEAdjacencyMatrix::refineTouching(const visio::VShape& shape, int32_t shapeID,
                                           const visio::VShape& other, int32_t otherID,
                                           uint16_t code) {
    if (code != visio::visSpatialTouching || !connections_) return code;
    if (!connections_->getByID(shapeID) || !connections_->getByID(otherID)) return code;
    const EndPoints ends = endPointsOf(shapeID, shape);
    const EndPoints& otherEnds = endPointsOf(otherID, other);
    const bool shareEnd =
        coincide(otherEnds.begin, ends.begin) || coincide(otherEnds.end, ends.end) ||
        coincide(otherEnds.begin, ends.end) || coincide(otherEnds.end, ends.begin);
    return shareEnd ? code : kTouchingApart;
}

const GEAdjacencyMatrix::EndPoints& GEAdjacencyMatrix::endPointsOf(int32_t shapeID,
                                                                   const visio::VShape& shape) {
    auto known = endPoints_.find(shapeID);
    if (known != endPoints_.end()) return known->second;
    return endPoints_
        .emplace(shapeID, EndPoints{getGeometryBeginPoint(shape), getGeometryEndPoint(shape)})
        .first->second;
}

bool GEAdjacencyMatrix::isTouching(const GEGraphElement* a, const GEGraphElement* b) const {
    return cellOf(a, b) == visio::visSpatialTouching;
}

bool GEAdjacencyMatrix::isContainedIn(const GEGraphElement* a, const GEGraphElement* b) const {
    return cellOf(a, b) == visio::visSpatialContainedIn;
}

uint16_t GEAdjacencyMatrix::getRelation(int32_t shapeID, int32_t otherID) const {
    const int32_t a = indexOf(shapeID);
    const int32_t b = indexOf(otherID);
    if (a < 0 || b < 0) return kNotExamined;
    return cell(a, b);
}

int32_t GEAdjacencyMatrix::indexOf(int32_t shapeID) const {
    auto it = numbering_.find(shapeID);
    return it == numbering_.end() ? -1 : it->second;
}

namespace {

uint64_t pairKey(int32_t lower, int32_t higher) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(lower)) << 32) |
           static_cast<uint32_t>(higher);
}

}  // namespace

// An element's relation to itself is never examined.
uint16_t GEAdjacencyMatrix::cell(int32_t a, int32_t b) const {
    if (a == b) return kNotExamined;
    auto it = cells_.find(a < b ? pairKey(a, b) : pairKey(b, a));
    if (it == cells_.end()) return kNotExamined;
    return a < b ? it->second : mirrored(it->second);
}

// Cell (a, b) and cell (b, a) are written together.
void GEAdjacencyMatrix::setCell(int32_t a, int32_t b, uint16_t code) {
    if (a < b) {
        cells_[pairKey(a, b)] = code;
    } else {
        cells_[pairKey(b, a)] = mirrored(code);
    }
}

uint16_t GEAdjacencyMatrix::cellOf(const GEGraphElement* a, const GEGraphElement* b) const {
    if (!a || !b) return kNotExamined;
    return getRelation(a->getID(), b->getID());
}
