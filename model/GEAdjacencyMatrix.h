// How the shapes of a diagram model's elements lie on the page relative to each other.
#pragma once

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "helpers/FormulaBatchHelpers.h"
#include "helpers/SpatialHelpers.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VShapes.h"

class GEElementSet;
class GEGraphElement;
class SavedFormulaIndex;

// The line a connection draws, by the connection's ID.
using DrawnLineOf = std::function<DrawnLine(int32_t)>;

// One cell per ordered pair of numbered elements: the spatial relation Visio reports
// for their shapes (0 none, 1 overlap, 2 contains, 4 contained in, 8 touching), 16 for
// two touching connections whose drawn lines share no end point (one ends on the other's
// middle), kNotExamined for pairs nobody asked about. Only pairs that Visio reports as
// neighbours are examined, and only they are stored: a page's neighbours grow
// with its shapes, its pairs with their square. Each pair is stored once, under its
// lower index; the other order reads the mirrored code.
class GEAdjacencyMatrix {
public:
    static constexpr uint16_t kNotExamined = 0xFFFF;
    static constexpr uint16_t kTouchingApart = 16;

    // How the relations of an element's neighbours are asked: one query per pair, or,
    // where an element lies against more unexamined elements than the searches cost,
    // one neighbour search per relation (a crowded page's arcs cross dozens of shapes).
    // Both enter the same codes.
    enum class RelationQueries { PerPair, SearchWhereFewer };
    void setRelationQueries(RelationQueries queries) { queries_ = queries; }

    GEAdjacencyMatrix() = default;
    GEAdjacencyMatrix(const GEAdjacencyMatrix&) = delete;
    GEAdjacencyMatrix& operator=(const GEAdjacencyMatrix&) = delete;

    // Numbers the elements of the three sets (in that order) and fills the matrix from
    // the shapes on the page. The sets and the index must outlive the matrix.
    // shapeOf, when given, answers an element's shape by its ID without asking the page.
    // known, when given, answers what reading learnt of the shapes. lineOf, when given,
    // answers the line a connection draws (else the connection's shape is its line).
    void build(const visio::VShapes& shapes, GEElementSet* active, GEElementSet* passive,
               GEElementSet* connections, SavedFormulaIndex* index, ShapeOfID shapeOf = nullptr,
               KnownShapes known = KnownShapes(), DrawnLineOf lineOf = nullptr);

    // Elements that are not numbered are neither touching nor contained.
    bool isTouching(const GEGraphElement* a, const GEGraphElement* b) const;
    bool isContainedIn(const GEGraphElement* a, const GEGraphElement* b) const;

    // The number of elements numbered, and the cell of a pair of shape IDs
    // (kNotExamined for IDs that are not numbered).
    int32_t getSize() const { return size_; }
    uint16_t getRelation(int32_t shapeID, int32_t otherID) const;

private:
    void number(GEElementSet* set);
    void enterSet(GEElementSet* set);
    void enterElement(const GEGraphElement* element);
    void enterSpatialRelation(const visio::VShape& shape, int32_t shapeID, int32_t otherID);
    void enterRelation(int32_t shapeID, int32_t otherID, uint16_t code);
    bool isUnexaminedElement(int32_t shapeID, int32_t otherID) const;
    bool searchesCostLess(int32_t shapeID, const Neighbours& neighbours) const;
    bool areConnections(int32_t shapeID, int32_t otherID) const;
    // Touching connections wait until every pair is known, so that the end points of all
    // their lines are read together.
    void refineTouchingConnections();
    DrawnLine lineOf(int32_t connectionID) const;
    visio::VShape shapeOf(int32_t id) const;
    int32_t indexOf(int32_t shapeID) const;
    uint16_t cell(int32_t a, int32_t b) const;
    void setCell(int32_t a, int32_t b, uint16_t code);
    uint16_t cellOf(const GEGraphElement* a, const GEGraphElement* b) const;

    std::unordered_map<int32_t, int32_t> numbering_;
    int32_t size_ = 0;
    // The examined pairs (lower index in the high 32 bits) and the code the lower one sees.
    std::unordered_map<uint64_t, uint16_t> cells_;
    visio::VShapes shapes_;
    ShapeOfID shapeOf_;
    KnownShapes known_;
    DrawnLineOf lineOf_;
    // Pairs of touching connections, by shape ID, until they are refined.
    std::vector<std::pair<int32_t, int32_t>> touchingConnections_;
    SavedFormulaIndex* index_ = nullptr;
    GEElementSet* connections_ = nullptr;
    RelationQueries queries_ = RelationQueries::PerPair;
};
