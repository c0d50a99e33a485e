#include "model/ShapeAttributes.h"

#include "helpers/CellHelpers.h"
#include "helpers/ShapeHelpers.h"
#include "model/AttributeCellReader.h"
#include "model/DocumentPass.h"
#include "model/IncompleteShapeMessage.h"
#include "model/MissingCellGenerator.h"
#include "model/NotationConstants.h"
#include "model/SavedFormulaIndex.h"

ShapeAttributes::ShapeAttributes() {
    reset();
}

void ShapeAttributes::reset() {
    elementType_ = -1;
    diagramKind_ = -1;
    version_.major = -1;
    version_.minor = -1;
    version_.patch = -1;
    version_.known = false;
    identifierID_ = -1;
    identifier_.clear();
    firstEdge_ = visio::VShape();
    secondEdge_ = visio::VShape();
    channel_ = visio::VShape();
    requestArrow_ = visio::VShape();
    arrow_ = visio::VShape();
    arcWeightText_ = visio::VShape();
    arcWeightShapeID_ = -1;
    arcWeight_ = -4;
    capacity_ = -2;
    capacityShapeID_ = -1;
    marking_ = -1;
    markingShapeID_ = -1;
    markingCellShapeID_ = -1;
    markingCellName_.clear();
    place_ = visio::VShape();
    relation_ = visio::VShape();
}

void ShapeAttributes::setBlockDiagram() {
    expectedType_ = drawingTypeBlockDiagram;
}
void ShapeAttributes::setPetriNet() {
    expectedType_ = drawingTypePetriNet;
}
void ShapeAttributes::setERDiagram() {
    expectedType_ = drawingTypeERDiagram;
}

bool ShapeAttributes::readShape(const visio::VShape& shape) {
    return readShape(ShapeFacts(shape, remember_));
}

bool ShapeAttributes::readShape(const ShapeFacts& shape) {
    ShapeFacts next = shape;
    if (!shape_.isEmpty() && !next.isEmpty() && next.id() != shape_.id()) reset();
    shape_ = std::move(next);
    const bool typeOk = determineElementType();
    const bool versionOk = readStencilVersion();
    return typeOk && versionOk && readAttributes();
}

bool ShapeAttributes::determineDiagramType() {
    if (!shape_.hasCell(drawingTypeCell)) return false;
    const std::string value = shape_.cellString(drawingTypeCell);
    if (value != expectedType_ && expectedType_ != drawingTypeGeneric) return false;
    const int32_t kind = kindOf(value);
    if (kind < 0) return false;
    diagramKind_ = kind;
    return true;
}

int32_t ShapeAttributes::kindOf(const std::string& drawingType) {
    if (drawingType == drawingTypeBlockDiagram) return blockDiagramKind;
    if (drawingType == drawingTypePetriNet) return petriNetKind;
    if (drawingType == drawingTypeERDiagram) return erDiagramKind;
    return -1;
}

int32_t ShapeAttributes::elementTypeOf(int32_t kind, const std::string& value) {
    if (kind < 0 || kind >= diagramKindCount) return -1;
    for (int32_t type = 0; type < elementTypeSlots; ++type) {
        const std::string name = elementTypes[kind][type];
        // An empty slot names no type, not even for an empty value.
        if (!name.empty() && name == value) return type;
    }
    return -1;
}

bool ShapeAttributes::determineElementType() {
    if (!determineDiagramType()) return false;
    if (!shape_.hasCell(elementTypeCell)) return false;
    const int32_t type = elementTypeOf(diagramKind_, shape_.cellString(elementTypeCell));
    if (type < 0) return false;
    elementType_ = type;
    return true;
}

bool ShapeAttributes::readStencilVersion() {
    if (!shape_.hasCell(stencilVersionCell)) return false;
    if (!version_.parse(shape_.cellString(stencilVersionCell))) return false;
    return version_.isAccepted();
}

bool ShapeAttributes::readAttributes() {
    if (elementTypeName().empty()) return false;
    bool ok = true;
    for (const char* required : requiredCells[diagramKind_][elementType_]) {
        std::string name = required;
        if (name.empty()) continue;
        // Only a missing cell is generated: a present one, inherited or the shape's own,
        // is what the user has and stays. One that names nothing the shape has leaves the
        // shape unreadable, which is said as for a missing cell: read without it, the
        // element would silently drop out of the diagram. A misc shape's kind is never
        // an element and is no fault.
        if (shape_.hasCell(name)) {
            if (readCell(name)) continue;
            if (name != miscTypeCell) reportIncomplete(name);
            ok = false;
            break;
        }
        if (generateMissingCell(name)) continue;
        reportIncomplete(name);
        ok = false;
        break;
    }
    if (ok && owner_) {
        owner_->beginElement(shape_.id(), shape_.shape());
        registerOwnSubShapes();
        owner_->endElement();
    }
    return ok;
}

void ShapeAttributes::reportIncomplete(const std::string& cellName) {
    showIncompleteShapeMessage(shape_.shape(), cellName);
    // While the message shows, Visio's events reach the tools, which may change it.
    cellsWritten();
}

void ShapeAttributes::registerSubShapes(const visio::VShapes& shapes) {
    if (!owner_) return;
    const int32_t count = shapes.Count();
    for (int32_t i = 1; i <= count; ++i) {
        const visio::VShape sub = getShapeByIndex(shapes, i);
        owner_->addShape(sub.ID(), sub);
        if (ShapeFacts(sub, remember_).subShapeCount() > 0) registerSubShapes(sub.Shapes());
    }
}

// The shape's own sub-shapes as it was read, their sub-shapes as registerSubShapes walks.
// Batched reading leaves for later what reading did not learn: whether the shape, or a
// sub-shape of it, has sub-shapes.
void ShapeAttributes::registerOwnSubShapes() {
    if (remember_ && !shape_.knowsSubShapes()) {
        owner_->addSubShapesLater(shape_.id(), shape_.shape());
        return;
    }
    const int32_t count = shape_.subShapeCount();
    for (int32_t i = 1; i <= count; ++i) {
        const visio::VShape sub = shape_.subShape(i);
        const int32_t id = shape_.subShapeID(i);
        owner_->addShape(id, sub);
        if (remember_) {
            owner_->addSubShapesLater(id, sub);
        } else if (ShapeFacts(sub, remember_).subShapeCount() > 0) {
            registerSubShapes(sub.Shapes());
        }
    }
}

bool ShapeAttributes::readCell(const std::string& name) {
    return AttributeCellReader(*this).readCell(name);
}

bool ShapeAttributes::generateMissingCell(std::string& name) {
    return MissingCellGenerator(*this).generateMissingCell(name);
}

bool ShapeAttributes::updateDocument(const visio::VDocument& document) {
    return DocumentPass(*this).updateDocument(document);
}

bool ShapeAttributes::updateShapes(const visio::VShapes& shapes) {
    return DocumentPass(*this).updateShapes(shapes);
}

bool ShapeAttributes::updateShape() {
    return DocumentPass(*this).updateShape();
}

std::string ShapeAttributes::elementTypeName() const {
    if (diagramKind_ < 0 || diagramKind_ >= diagramKindCount) return std::string();
    if (elementType_ < 0 || elementType_ >= elementTypeSlots) return std::string();
    return elementTypes[diagramKind_][elementType_];
}

bool ShapeAttributes::isBlockActive() const {
    return is(blockDiagramKind, activeElement);
}
bool ShapeAttributes::isBlockPassive() const {
    return is(blockDiagramKind, passiveElement);
}
bool ShapeAttributes::isBlockConnection() const {
    return is(blockDiagramKind, connectionElement);
}
bool ShapeAttributes::isBlockAccess() const {
    return is(blockDiagramKind, blockAccessElement);
}
bool ShapeAttributes::isBlockChannel() const {
    return is(blockDiagramKind, blockChannelElement);
}
bool ShapeAttributes::isPetriActive() const {
    return is(petriNetKind, activeElement);
}
bool ShapeAttributes::isPetriPassive() const {
    return is(petriNetKind, passiveElement);
}
bool ShapeAttributes::isPetriConnection() const {
    return is(petriNetKind, connectionElement);
}
bool ShapeAttributes::isStackPlace() const {
    return is(petriNetKind, stackPlaceElement);
}
bool ShapeAttributes::isStartEndPlace() const {
    return is(petriNetKind, startEndPlaceElement);
}
bool ShapeAttributes::isConnectionPlace() const {
    return is(petriNetKind, connectionPlaceElement);
}
bool ShapeAttributes::isERActive() const {
    return is(erDiagramKind, activeElement);
}
bool ShapeAttributes::isERPassive() const {
    return is(erDiagramKind, passiveElement);
}
bool ShapeAttributes::isERConnection() const {
    return is(erDiagramKind, connectionElement);
}
bool ShapeAttributes::isBinRelationship() const {
    return is(erDiagramKind, binRelationshipElement);
}
