// The attribute record of one shape of the notation: which diagram kind and element type
// it is, which stencil version made it, and what its attribute cells point at (identifier,
// edges, channel, arrow, place, relation, arc weight, capacity and marking).
#pragma once

#include <cstdint>
#include <string>

#include "helpers/ShapeFacts.h"
#include "model/ReadingMode.h"
#include "model/StencilVersion.h"
#include "platform/visio/VDocument.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VShapes.h"

class SavedFormulaIndex;
class ShownBoxTexts;

// A diagram model reads each shape of a page through one record; a shape that is an
// element of the expected kind with a complete set of attribute cells is accepted, and
// the record then describes it. Missing cells of known stencil versions are generated
// on the way; a shape that stays incomplete is reported to the user and ignored. With
// the generic drawing type the record serves the document pass, which brings every
// notation shape of a document up to date.
class ShapeAttributes {
public:
    ShapeAttributes();
    ShapeAttributes(const ShapeAttributes&) = delete;
    ShapeAttributes& operator=(const ShapeAttributes&) = delete;

    // Every field back to its initial value; the expected type, the shape and the
    // version text stay.
    void reset();
    // The index that registers each accepted shape and its sub-shapes (not owned).
    void setOwner(SavedFormulaIndex* owner) { owner_ = owner; }
    // What tools show in boxes for a while, to be read past (not owned; none unless set).
    void setShownBoxTexts(const ShownBoxTexts* texts) { shownTexts_ = texts; }
    // Batched: each fact of the shape being read is asked of Visio once (one by one
    // unless set).
    void setReadingMode(ReadingMode mode) { remember_ = mode == ReadingMode::Batched; }
    const std::string& expectedType() const { return expectedType_; }
    // The diagram kind a drawing-type value names (-1 for none), the element type a type
    // value names in a kind (-1 for none).
    static int32_t kindOf(const std::string& drawingType);
    static int32_t elementTypeOf(int32_t kind, const std::string& value);
    // How many times reading wrote to a shape so far.
    uint64_t writeCount() const { return writes_; }
    // Reading wrote to the shape it holds: what it read of its cells may be out of date.
    void cellsWritten() {
        shape_.forgetCells();
        ++writes_;
    }
    // The shape read last and its ID.
    const visio::VShape& shape() const { return shape_.shape(); }
    int32_t shapeID() { return shape_.id(); }
    bool shapeHasSubShapes() { return shape_.subShapeCount() > 0; }
    // The ID of the shape read last or of one of its sub-shapes, when reading learnt it.
    std::optional<int32_t> knownID(const visio::VShape& shape) const {
        return shape_.knownID(shape);
    }
    void setBlockDiagram();
    void setPetriNet();
    void setERDiagram();

    // True when the shape is an element of the expected kind with complete, valid
    // required cells. Reading the same shape again keeps what the last read found.
    bool readShape(const visio::VShape& shape);
    // The same, keeping what was read of the shape already.
    bool readShape(const ShapeFacts& shape);

    // The document pass: completes the notation shapes of every page, of a shapes
    // collection (searching plain groups), or of the shape the record holds. True when
    // something was (or had to be) changed.
    bool updateDocument(const visio::VDocument& document);
    bool updateShapes(const visio::VShapes& shapes);
    bool updateShape();

    // Valid after a successful readShape.
    std::string getIdentifier() const { return identifier_; }
    int32_t getIdentifierID() const { return identifierID_; }
    visio::VShape getChannelShape() const { return channel_; }
    visio::VShape getRequestArrowShape() const { return requestArrow_; }
    visio::VShape getFirstEdgeShape() const { return firstEdge_; }
    visio::VShape getSecondEdgeShape() const { return secondEdge_; }
    visio::VShape getRelationShape() const { return relation_; }
    visio::VShape getArrowShape() const { return arrow_; }
    visio::VShape getArcWeightShape() const { return arcWeightText_; }
    visio::VShape getPlaceShape() const { return place_; }
    int32_t getArcWeightValue() const { return arcWeight_; }
    int32_t getArcWeightShapeID() const { return arcWeightShapeID_; }
    int32_t getCapacityValue() const { return capacity_; }
    int32_t getCapacityShapeID() const { return capacityShapeID_; }
    int32_t getMarkingValue() const { return marking_; }
    int32_t getMarkingShapeID() const { return markingShapeID_; }
    int32_t getMarkingCellShapeID() const { return markingCellShapeID_; }
    std::string getMarkingText() const { return markingCellName_; }

    bool isBlockActive() const;
    bool isBlockPassive() const;
    bool isBlockConnection() const;
    bool isBlockAccess() const;
    bool isBlockChannel() const;
    bool isPetriActive() const;
    bool isPetriPassive() const;
    bool isPetriConnection() const;
    bool isStackPlace() const;
    bool isStartEndPlace() const;
    bool isConnectionPlace() const;
    bool isERActive() const;
    bool isERPassive() const;
    bool isERConnection() const;
    bool isBinRelationship() const;

    // The steps of reading, also used by the generators and the document pass.
    bool determineDiagramType();
    bool determineElementType();
    bool readStencilVersion();
    bool readAttributes();
    void registerSubShapes(const visio::VShapes& shapes);
    // Reads one of the attribute cells; false for any other name and for a missing cell.
    bool readCell(const std::string& name);
    // Writes the required cell as the known master layouts imply and reads it; the name
    // may be replaced by that of the cell that was read instead.
    bool generateMissingCell(std::string& name);

private:
    friend class AttributeCellReader;
    friend class MissingCellGenerator;
    friend class PetriCellGenerator;
    friend class ShapeFixUps;
    friend class DocumentPass;

    void registerOwnSubShapes();
    // The incomplete-shape message, naming the cell the shape could not be read by.
    void reportIncomplete(const std::string& cellName);
    bool is(int32_t kind, int32_t type) const {
        return diagramKind_ == kind && elementType_ == type;
    }
    // The name of the element type (empty when the record has none).
    std::string elementTypeName() const;

    SavedFormulaIndex* owner_ = nullptr;
    const ShownBoxTexts* shownTexts_ = nullptr;
    std::string expectedType_;
    bool remember_ = false;
    uint64_t writes_ = 0;
    ShapeFacts shape_;
    int32_t elementType_ = -1;
    int32_t diagramKind_ = -1;
    StencilVersion version_;
    int32_t identifierID_ = -1;
    std::string identifier_;
    visio::VShape firstEdge_;
    visio::VShape secondEdge_;
    visio::VShape channel_;
    visio::VShape requestArrow_;
    visio::VShape arrow_;
    visio::VShape arcWeightText_;
    int32_t arcWeightShapeID_ = -1;
    int32_t arcWeight_ = -4;
    int32_t capacity_ = -2;
    int32_t capacityShapeID_ = -1;
    int32_t marking_ = -1;
    int32_t markingShapeID_ = -1;
    int32_t markingCellShapeID_ = -1;
    std::string markingCellName_;
    visio::VShape place_;
    visio::VShape relation_;
};
