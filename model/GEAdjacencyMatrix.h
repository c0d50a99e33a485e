// How the shapes of a diagram model's elements lie on the page relative to each other.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "helpers/FormulaBatchHelpers.h"
#include "helpers/SpatialHelpers.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VShapes.h"

class GEElementSet;
class GEGraphElement;
class SavedFormulaIndex;

// One cell per ordered pair of numbered elements: the spatial relation Visio reports
// for their shapes (0 none, 1 overlap, 2 contains, 4 contained in, 8 touching), 16 for
// two touching connections that share no end point, kNotExamined for pairs nobody
// asked about. Only pairs that Visio reports as neighbours cost a relation query, and
// only they are stored: a page's neighbours grow with its shapes, its pairs with their
// square. Each pair is stored once, under its lower index; the other order reads the
// mirrored code.
class GEAdjacencyMatrix {
public:
    static constexpr uint16_t kNotExamined = 0xFFFF;
    static constexpr uint16_t kTouchingApart = 16;

    GEAdjacencyMatrix() = default;
    GEAdjacencyMatrix(const GEAdjacencyMatrix&) = delete;
    GEAdjacencyMatrix& operator=(const GEAdjacencyMatrix&) = delete;

    // Numbers the elements of the three sets (in that order) and fills the matrix from
    // the shapes on the page. The sets and the index must outlive the matrix.
    // shapeOf, when given, answers an element's shape by its ID without asking the page.
    // known, when given, answers what reading learnt of the shapes.
    void build(const visio::VShapes& shapes, GEElementSet* active, GEElementSet* passive,
               GEElementSet* connections, SavedFormulaIndex* index, ShapeOfID shapeOf = nullptr,
               KnownShapes known = KnownShapes());

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
    uint16_t refineTouching(const visio::VShape& shape, int32_t shapeID, const visio::VShape& other,
                            int32_t otherID, uint16_t code);
    // The first and the last vertex of a connection's geometry on the page, read once:
    // a connection crossing many others touches each of them.
    struct EndPoints {
        PagePoint begin;
        PagePoint end;
    };
    const EndPoints& endPointsOf(int32_t shapeID, const visio::VShape& shape);
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
    SavedFormulaIndex* index_ = nullptr;
    GEElementSet* connections_ = nullptr;
    std::unordered_map<int32_t, EndPoints> endPoints_;
};
