#include "model/GEAdjacencyMatrix.h"

#include <algorithm>

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

bool shareAnEnd(const LineEnds& a, const LineEnds& b) {
    return isSamePoint(a.begin, b.begin) || isSamePoint(a.end, b.end) ||
           isSamePoint(a.begin, b.end) || isSamePoint(a.end, b.begin);
}

}  // namespace

void GEAdjacencyMatrix::build(const visio::VShapes& shapes, GEElementSet* active,
                              GEElementSet* passive, GEElementSet* connections,
                              SavedFormulaIndex* index, ShapeOfID shapeOf, KnownShapes known,
                              DrawnLineOf lineOf) {
    shapes_ = shapes;
    shapeOf_ = std::move(shapeOf);
    known_ = std::move(known);
    lineOf_ = std::move(lineOf);
    touchingConnections_.clear();
    index_ = index;
    connections_ = connections;
    numbering_.clear();
    cells_.clear();
    size_ = 0;
    number(active);
    number(passive);
    number(connections);
    enterSet(active);
    enterSet(passive);
    enterSet(connections);
    refineTouchingConnections();
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
// shapes inside them, down to the elements among them. The searches see only the shapes beside the
// element's own: those registered inside a neighbour, and all of an element that lies in a group,
// are asked pair by pair.
void GEAdjacencyMatrix::enterElement(const GEGraphElement* element) {
    const int32_t shapeID = element->getID();
    const visio::VShape shape = shapeOf(shapeID);
    const Neighbours neighbours = findNeighbours(shape, visio::Variant(), known_);
    if (searchesCostLess(shapeID, neighbours)) {
        const std::unordered_map<int32_t, int16_t> found = findRelationsBySearch(shape, known_);
        for (int32_t id : neighbours.ids) {
            if (!isUnexaminedElement(shapeID, id)) continue;
            const auto it = found.find(id);
            enterRelation(shapeID, id, it == found.end() ? 0 : static_cast<uint16_t>(it->second));
        }
    }
    for (int32_t id : neighbours.ids) {
        if (indexOf(id) >= 0) {
            enterSpatialRelation(shape, shapeID, id);
            continue;
        }
        if (!index_) continue;
        // An element inside the group is related as a whole, not through its parts.
        const auto isElement = [this](int32_t member) { return indexOf(member) >= 0; };
        for (int32_t member : index_->collectSubShapes(id, isElement))
            enterSpatialRelation(shape, shapeID, member);
    }
}

bool GEAdjacencyMatrix::isUnexaminedElement(int32_t shapeID, int32_t otherID) const {
    const int32_t a = indexOf(shapeID);
    const int32_t b = indexOf(otherID);
    return a >= 0 && b >= 0 && a != b && cell(a, b) == kNotExamined;
}

bool GEAdjacencyMatrix::searchesCostLess(int32_t shapeID, const Neighbours& neighbours) const {
    if (queries_ != RelationQueries::SearchWhereFewer || neighbours.throughGroup) return false;
    const auto unexamined =
        std::count_if(neighbours.ids.begin(), neighbours.ids.end(),
                      [&](int32_t id) { return isUnexaminedElement(shapeID, id); });
    return unexamined > kCallsOfRelationSearches;
}

// The element's ID stands for its shape's: it is the ID the element was read with.
void GEAdjacencyMatrix::enterSpatialRelation(const visio::VShape& shape, int32_t shapeID,
                                             int32_t otherID) {
    if (!isUnexaminedElement(shapeID, otherID)) return;
    enterRelation(shapeID, otherID,
                  static_cast<uint16_t>(getSpatialRelation(shape, shapeOf(otherID))));
}

void GEAdjacencyMatrix::enterRelation(int32_t shapeID, int32_t otherID, uint16_t code) {
    setCell(indexOf(shapeID), indexOf(otherID), code);
    if (code == visio::visSpatialTouching && areConnections(shapeID, otherID))
        touchingConnections_.emplace_back(shapeID, otherID);
}

visio::VShape GEAdjacencyMatrix::shapeOf(int32_t id) const {
    return shapeOf_ ? shapeOf_(id) : getShapeByID(shapes_, id);
}

bool GEAdjacencyMatrix::areConnections(int32_t shapeID, int32_t otherID) const {
    return connections_ && connections_->getByID(shapeID) && connections_->getByID(otherID);
}

// Two connections that touch count as joined only when their lines share an end point.
void GEAdjacencyMatrix::refineTouchingConnections() {
    if (touchingConnections_.empty()) return;
    std::unordered_map<int32_t, std::size_t> lineIndex;
    std::vector<DrawnLine> lines;
    for (const auto& [shapeID, otherID] : touchingConnections_) {
        for (int32_t id : {shapeID, otherID}) {
            if (lineIndex.emplace(id, lines.size()).second) lines.push_back(lineOf(id));
        }
    }
    const std::vector<LineEnds> ends = getLineEndsOnPage(lines);
    for (const auto& [shapeID, otherID] : touchingConnections_) {
        if (!shareAnEnd(ends[lineIndex[shapeID]], ends[lineIndex[otherID]]))
            setCell(indexOf(shapeID), indexOf(otherID), kTouchingApart);
    }
    touchingConnections_.clear();
}

DrawnLine GEAdjacencyMatrix::lineOf(int32_t connectionID) const {
    if (lineOf_) return lineOf_(connectionID);
    DrawnLine line{shapeOf(connectionID), std::nullopt, connectionID};
    if (known_.groupOf) line.group = known_.groupOf(line.line);
    return line;
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
