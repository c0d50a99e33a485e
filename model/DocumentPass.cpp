#include "model/DocumentPass.h"

#include <string>

#include "helpers/CellHelpers.h"
#include "helpers/DocumentHelpers.h"
#include "helpers/ShapeHelpers.h"
#include "model/NotationConstants.h"
#include "model/ShapeAttributes.h"

bool DocumentPass::updateDocument(const visio::VDocument& document) {
    record_.expectedType_ = drawingTypeGeneric;
    bool changed = false;
    const int16_t pageCount = getDocumentPageCount(document);
    for (int16_t page = 1; page <= pageCount; ++page) {
        changed = updateShapes(getDocumentPageShapes(document, page)) || changed;
    }
    return changed;
}

bool DocumentPass::updateShapes(const visio::VShapes& shapes) {
    bool changed = false;
    const int32_t count = shapes.Count();
    for (int32_t i = 1; i <= count; ++i) {
        record_.reset();
        record_.shape_ = ShapeFacts(getShapeByIndex(shapes, i), record_.remember_);
        const bool typeOk = record_.determineElementType();
        const bool versionOk = record_.readStencilVersion();
        if (typeOk && versionOk) {
            changed = updateShape() || changed;
            continue;
        }
        const visio::VShapes subShapes = record_.shape_.shape().Shapes();
        if (subShapes.Count() > 0) changed = updateShapes(subShapes) || changed;
    }
    return changed;
}

// A generator that names another cell in the missing one's place (the value lives in a
// text box, or the outline stands in for the sticky man) writes nothing: the shape is
// complete as it is, and counting it as changed would mark every document that holds
// such a shape as modified on every open.
bool DocumentPass::generatesMissingCell(std::string name) {
    const std::string missing = name;
    return record_.generateMissingCell(name) && name == missing;
}

bool DocumentPass::updateShape() {
    if (record_.elementTypeName().empty()) return false;
    bool changed = false;
    for (const char* required : requiredCells[record_.diagramKind_][record_.elementType_]) {
        std::string name = required;
        if (name.empty()) continue;
        // A present cell is the user's, valid or not: only missing ones are written, and
        // those a misc shape's kind implies where it lacks them.
        if (record_.shape_.hasCell(name)) {
            const uint64_t writesBefore = record_.writeCount();
            record_.readCell(name);
            if (name == miscTypeCell && record_.writeCount() != writesBefore) changed = true;
        } else if (generatesMissingCell(name)) {
            changed = true;
        }
    }
    return changed;
}
